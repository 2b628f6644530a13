// Run and Apply read the driver registry back after writing it: values that another program,
// the driver or the registry itself changed, removed or refused are told in one message,
// with OK and Cancel before a game starts; nothing is told when every value stuck.
#include <gtest/gtest.h>

#include "MainFormTestSupport.h"
#include "config/Log.h"

namespace tgl::test {
namespace {

const std::string Machine = "HKEY_LOCAL_MACHINE\\";
const std::string OpenGLKey = std::string(GeForceDriverKey) + "\\NVidia\\OpenGL";

class RunReadBack : public TMainFormTest {
protected:
  RunReadBack() {
    Startup().LogEnabled = true;
    // A driver that keeps its own type for one value and its own data for another, a
    // registry that refuses a third, and another program that removes the Direct3D key
    // as soon as the first value landed in it.
    MemoryRegistry.StoreFilter = [](TRootKey, const std::string&, const std::string& name,
                                    TRegistryData& data) {
      if (name == "EnableFSAA") data = StringData("0");
      if (name == "FSAAQuality") data = IntegerData(0);
      return name != "DefaultSwapInterval";
    };
    MemoryRegistry.AfterStore = [this](TRootKey root, const std::string& path,
                                       const std::string& name) {
      if (name == "AntialiasEnable") MemoryRegistry.DeleteKey(root, path);
    };
  }

  // One line of the message: the option's caption and the outcome.
  static std::string Entry(const std::string& caption, const std::string& outcome) {
    return "\r" + caption + ": " + outcome;
  }
  static bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }
  static int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
      ++count;
    return count;
  }
};

TEST_F(RunReadBack, ValuesThatDidNotStickAreAskedAboutOnceAndCancelStartsNothing) {
  Create();
  ClickGame(GameIndex("Quake"));
  Messages.Answers = {TAnswer::anCancel};
  Form.ExecuteAction(TMainAction::maExecute);

  ASSERT_EQ(Messages.Shown.size(), 1u) << "one message for every value";
  EXPECT_EQ(Messages.QuestionButtons, std::vector{TQuestionButtons::qbOKCancel});
  const std::string text = Messages.Shown[0].Text;
  EXPECT_EQ(Messages.Shown[0].Kind, TMessageKind::mkWarning);
  EXPECT_EQ(text.rfind("Some settings did not reach the driver registry:\r", 0), 0u) << text;
  EXPECT_TRUE(text.ends_with("\r\rStart the game anyway?")) << text;
  EXPECT_TRUE(Holds(text, Entry("Force Antialiasing", "wanted REG_DWORD 0, found REG_SZ \"0\"")))
      << text;
  EXPECT_TRUE(Holds(text, Entry("Antialiasing Quality", "wanted REG_DWORD 1, found REG_DWORD 0")))
      << text;
  EXPECT_TRUE(Holds(text, Entry("VSync control", "wanted REG_DWORD -1, found no value"))) << text;
  EXPECT_EQ(Count(text, ": wanted "), 8) << "eight values at most: " << text;
  EXPECT_TRUE(Holds(text, "\r... and 1 more: see TesmoraGL.Log\r")) << text;

  EXPECT_TRUE(ShellCalls.Executed.empty());
  EXPECT_FALSE(View.Minimized) << "OnRun is not applied: nothing started";
  // The log names every value, one line each, with where it lives.
  std::string log = Folder.Read(LogFileName);
  EXPECT_EQ(Count(log, "Setting not applied: "), 9);
  // The key is gone once more when the hub reads it back: later values of the plan made it
  // again, without this one.
  EXPECT_TRUE(Holds(log, "Setting not applied: Enable Antialiasing: " + Machine +
                             GeForceDriverKey + "\\NVidia\\Direct3D\\AntialiasEnable: wanted "
                             "REG_DWORD 0, found no value"))
      << log;
  EXPECT_TRUE(Holds(log, "Setting not applied: Antialiasing Quality: " + Machine + OpenGLKey +
                             "\\FSAAQuality: wanted REG_DWORD 1, found REG_DWORD 0"))
      << log;
  EXPECT_TRUE(Holds(log, "\\DefaultSwapInterval: wanted REG_DWORD -1, not written (the registry "
                         "refused it); found no value"))
      << log;

  Messages.Answers = {TAnswer::anOK};
  Form.ExecuteAction(TMainAction::maExecute);
  EXPECT_EQ(Messages.TakeTexts().size(), 2u);
  EXPECT_EQ(ShellCalls.Executed.size(), 1u) << "OK starts the game anyway";
  EXPECT_TRUE(View.Minimized);
}

TEST_F(RunReadBack, ApplyOnlyTellsWhatDidNotStick) {
  Create();
  Form.ExecuteAction(TMainAction::maExecute);
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_TRUE(Messages.QuestionButtons.empty()) << "a message, not a question";
  EXPECT_EQ(Messages.Shown[0].Kind, TMessageKind::mkWarning);
  const std::string& text = Messages.Shown[0].Text;
  EXPECT_TRUE(Holds(text, Entry("Force Antialiasing", "wanted REG_DWORD 1, found REG_SZ \"0\"")))
      << text;
  EXPECT_FALSE(Holds(text, "Start the game anyway?")) << text;
  EXPECT_TRUE(ShellCalls.Executed.empty());
}

TEST_F(RunReadBack, NothingIsToldWhenEveryValueStuck) {
  MemoryRegistry.StoreFilter = nullptr;
  MemoryRegistry.AfterStore = nullptr;
  Create();
  ClickGame(GameIndex("Quake"));
  Form.ExecuteAction(TMainAction::maExecute);
  Form.ExecuteAction(TMainAction::maExecute);
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_EQ(ShellCalls.Executed.size(), 2u);
  EXPECT_FALSE(Holds(Folder.Read(LogFileName), "Setting not applied"));
}

}  // namespace
}  // namespace tgl::test
