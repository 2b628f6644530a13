// The commands Run and Apply, Delete, Default, Registry and About.
#include <gtest/gtest.h>

#include "MainFormTestSupport.h"
#include "platform/posix/PosixFileSystem.h"

namespace tgl::test {
namespace {

const std::string OpenGLKey = std::string(GeForceDriverKey) + "\\NVidia\\OpenGL";

class ProfileCommands : public TMainFormTest {
protected:
  std::optional<uint32_t> RegistryDword(const std::string& key, const std::string& name) const {
    std::optional<TRegistryData> data = MemoryRegistry.Value(TRootKey::rkLocalMachine, key, name);
    if (!data || data->Type != TRegDataType::rdInteger || data->Bytes.size() != 4)
      return std::nullopt;
    return uint32_t(data->Bytes[0]) | uint32_t(data->Bytes[1]) << 8 |
           uint32_t(data->Bytes[2]) << 16 | uint32_t(data->Bytes[3]) << 24;
  }
};

TEST_F(ProfileCommands, RunSavesWritesTheRegistryAndStartsTheGameInItsFolder) {
  Create();
  ClickGame(GameIndex("Quake"));
  ControlOf("GL Force Antialiasing").Click();
  Messages.Answers = {TAnswer::anYes};
  Form.ExecuteAction(TMainAction::maExecute);

  EXPECT_EQ(Messages.TakeTexts(), TStrings{"Do you want to save changes (overwise changes will "
                                           "be reverted)? "});
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Force Antialiasing"), "1");
  EXPECT_EQ(RegistryDword(OpenGLKey, "EnableFSAA"), 1u);
  EXPECT_EQ(RegistryDword(OpenGLKey, "RenderQualityFlags"), 2u);
  ASSERT_EQ(ShellCalls.Executed.size(), 1u);
  const TShellCommand& command = ShellCalls.Executed[0];
  EXPECT_EQ(command.Verb, "open");
  EXPECT_EQ(command.File, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(command.Parameters, "-game ctf");
  EXPECT_EQ(command.Directory, "C:\\Games\\Quake\\");
  EXPECT_EQ(command.ShowCommand, 10);
  EXPECT_FALSE(command.OwnedByMainWindow);
  EXPECT_TRUE(View.Minimized) << "OnRun 1 by default";
}

TEST_F(ProfileCommands, OnRunStaysMinimisesOrClosesAlsoAfterAFailedStart) {
  struct Case {
    int OnRun;
    int ShellResult;
    bool Minimized;
    bool Closed;
  } cases[] = {{0, 42, false, false}, {1, 42, true, false},   {2, 42, false, true},
               {3, 42, false, false}, {2, 2, false, true},    {1, 32, true, false},
               {258, 42, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "OnRun " << c.OnRun << ", result " << c.ShellResult);
    Folder.Write("Games.CFG",
                 GamesFixture + "[%%Configuration]\r\nOnRun=" + std::to_string(c.OnRun) + "\r\n");
    TFakeMainView view;
    TTesmoraGLxForm form(view, Frames);
    form.FormCreate({});
    ShellCalls.ExecuteResult = c.ShellResult;
    view.Games.MoveSelection(view.Games.Count() - 1);
    form.OnActionExecute();
    EXPECT_EQ(view.Minimized, c.Minimized);
    EXPECT_EQ(view.CloseRequested, c.Closed);
    TStrings expected;
    if (c.ShellResult <= 32) expected = {"Some error occured during application execution"};
    EXPECT_EQ(Messages.TakeTexts(), expected);
  }
}

TEST_F(ProfileCommands, ApplyWritesTheDefaultEntryAndStartsNothing) {
  Create();
  Form.ExecuteAction(TMainAction::maExecute);
  EXPECT_EQ(RegistryDword(OpenGLKey, "EnableFSAA"), 1u);
  EXPECT_TRUE(ShellCalls.Executed.empty());
  EXPECT_FALSE(View.Minimized);
}

TEST_F(ProfileCommands, RestrictedModeAsksBeforeRunningWithoutApplying) {
  MemoryRegistry.CreateKey(TRootKey::rkLocalMachine, "System\\CurrentControlSet\\Services");
  MemoryRegistry.WritesRefused = true;
  Startup().WindowsVersion = wvWindows2000;
  Create();
  Messages.TakeTexts();
  const std::string question = "Custom configuration couldn't be applied to registry.\rRun anyway?";

  // Apply is disabled, but a double click still asks, and then does nothing more.
  Form.ExecuteAction(TMainAction::maExecute);
  EXPECT_TRUE(Messages.Shown.empty());
  Messages.Answers = {TAnswer::anOK};
  Form.GamesListDblClick();
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0], (TShownMessage{question, TMessageKind::mkWarning}));
  EXPECT_EQ(Messages.QuestionButtons, std::vector{TQuestionButtons::qbOKCancel});
  Messages.TakeTexts();

  ClickGame(GameIndex("Quake"));
  Messages.Answers = {TAnswer::anCancel, TAnswer::anOK};
  Form.ExecuteAction(TMainAction::maExecute);
  EXPECT_TRUE(ShellCalls.Executed.empty());
  Form.ExecuteAction(TMainAction::maExecute);
  EXPECT_EQ(ShellCalls.Executed.size(), 1u);
  EXPECT_EQ(Messages.TakeTexts(), (TStrings{question, question}));
  EXPECT_FALSE(MemoryRegistry.KeyExists(TRootKey::rkLocalMachine, OpenGLKey));
}

TEST_F(ProfileCommands, RunCancelledInTheSaveQuestionDoesNothing) {
  Create();
  ClickGame(GameIndex("Quake"));
  EditValues();
  Messages.Answers = {TAnswer::anCancel};
  EXPECT_THROW(Form.ExecuteAction(TMainAction::maExecute), EAbort);
  EXPECT_TRUE(ShellCalls.Executed.empty());
  EXPECT_FALSE(MemoryRegistry.KeyExists(TRootKey::rkLocalMachine, OpenGLKey));
  EXPECT_TRUE(Form.Hub()->IsModified());
}

TEST_F(ProfileCommands, CommandsOnNoSelectedGameDoNothing) {
  Create();
  ClickGame(-1);
  Form.OnActionExecute();
  Form.OnActionDelete();
  Form.OnActionDefault();
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_TRUE(ShellCalls.Executed.empty());
}

TEST_F(ProfileCommands, DeleteErasesTheGameAndSelectsTheItemInItsPlace) {
  Folder.Write("Games.CFG", GamesFixture + "[Zork]\r\nPath=C:\\zork.exe\r\n");
  Create();
  ClickGame(GameIndex("Quake"));
  Messages.Answers = {TAnswer::anCancel, TAnswer::anOK};
  Form.ExecuteAction(TMainAction::maDelete);
  EXPECT_EQ(View.Games.Count(), 4);
  Form.ExecuteAction(TMainAction::maDelete);
  EXPECT_EQ(Messages.TakeTexts(), (TStrings{"Delete game profile?", "Delete game profile?"}));
  EXPECT_EQ(View.Games.Captions(), (std::vector<std::string>{" Default ", "Arena", "Zork"}));
  EXPECT_EQ(SelectedGame(), "Zork");
  EXPECT_EQ(Form.Hub()->ProfileName(), "Zork");
  EXPECT_EQ(StoredValue("Quake", "Path"), "<none>");
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Anisotropic filtering"), "<none>");
  EXPECT_EQ(Form.Programs()->Count(), 3);

  // The last game: its predecessor takes its place. Edits of a deleted game go with it.
  EditValues();
  Form.Settings().ConfirmDelete = false;
  Form.ExecuteAction(TMainAction::maDelete);
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_EQ(SelectedGame(), "Arena");
  EXPECT_EQ(StoredValue("%Zork_GeForce%", "GL Anisotropic filtering"), "<none>");
  Form.ExecuteAction(TMainAction::maDelete);
  EXPECT_EQ(View.Games.Captions(), std::vector<std::string>{" Default "});
  EXPECT_EQ(SelectedGame(), " Default ");
  EXPECT_FALSE(Form.ActionState(TMainAction::maDelete).Enabled);
  Form.OnActionDelete();
  EXPECT_EQ(View.Games.Count(), 1) << "the Default entry stays";
}

// A file system whose writes all fail, as on a full or write-protected disk.
class TReadOnlyFileSystem : public TPosixFileSystem {
public:
  void WriteFile(const std::string& path, std::string_view) override {
    throw EError("Cannot create file " + path);
  }
};

TEST_F(ProfileCommands, ADeleteThatCannotWriteKeepsTheGameListed) {
  Create();
  ClickGame(GameIndex("Arena"));
  Form.Settings().ConfirmDelete = false;
  TReadOnlyFileSystem readOnly;
  {
    TPlatformScope scope(PlatformWith(readOnly));
    EXPECT_THROW(Form.OnActionDelete(), EError);
  }
  EXPECT_EQ(View.Games.Captions(), (std::vector<std::string>{" Default ", "Arena", "Quake"}));
  EXPECT_EQ(SelectedGame(), "Arena");
  EXPECT_EQ(Form.Programs()->Count(), 3);
  EXPECT_EQ(StoredValue("Arena", "Path"), "C:\\Games\\Arena.exe");
}

TEST_F(ProfileCommands, DefaultCopiesTheDefaultValuesAndDropsTheEdits) {
  Create();
  ClickGame(GameIndex("Quake"));
  EditValues();
  Messages.Answers = {TAnswer::anCancel, TAnswer::anOK};
  Form.ExecuteAction(TMainAction::maDefault);
  EXPECT_TRUE(Form.Hub()->IsModified());
  Form.ExecuteAction(TMainAction::maDefault);
  EXPECT_EQ(Messages.TakeTexts(),
            (TStrings{"Upload default settings?", "Upload default settings?"}));
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Force Antialiasing"), "1");
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Anisotropic filtering"), "<none>");
  EXPECT_EQ(OptionValue("GL Force Antialiasing"), "1");
  EXPECT_TRUE(ControlOf("GL Force Antialiasing").Checked());
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "0");
  EXPECT_FALSE(Form.Hub()->IsModified());
}

TEST_F(ProfileCommands, RegistryLoadsTheDriverValuesUnsavedSoTheNextSwitchAsks) {
  MemoryRegistry.PutInteger(TRootKey::rkLocalMachine, OpenGLKey, "RenderQualityFlags", 2);
  Create();
  Form.Settings().ConfirmRegistry = false;
  Form.ExecuteAction(TMainAction::maRegistry);
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "2");
  EXPECT_TRUE(ControlOf("GL Anisotropic filtering").Checked());
  EXPECT_EQ(StoredValue("%%Default%_GeForce%", "GL Anisotropic filtering"), "<none>");

  Messages.Answers = {TAnswer::anYes};
  ClickGame(GameIndex("Arena"));
  EXPECT_EQ(Messages.TakeTexts().size(), 1u);
  EXPECT_EQ(StoredValue("%%Default%_GeForce%", "GL Anisotropic filtering"), "2");

  Form.Settings().ConfirmRegistry = true;
  Messages.Answers = {TAnswer::anCancel};
  Form.ExecuteAction(TMainAction::maRegistry);
  EXPECT_EQ(Messages.TakeTexts(), TStrings{"Upload current settings from registry?"});
  EXPECT_FALSE(Form.Hub()->IsModified());
}

TEST_F(ProfileCommands, AboutLocksTheTrayMenuUntilItEndsEvenWhenItFails) {
  Create();
  View.WhileAboutBoxOpen = [&] { throw EError("about box failed"); };
  EXPECT_THROW(Form.ExecuteAction(TMainAction::maAbout), EError);
  EXPECT_EQ(View.AboutBoxesShown, 1);
  EXPECT_TRUE(View.TrayMenu);
}

}  // namespace
}  // namespace tgl::test
