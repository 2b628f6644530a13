// The user's guide beside the program: F1 and the tray's Help open it with the shell, and a
// guide that is missing or cannot be opened is told.
#include "ui/UserGuide.h"

#include "support/TestSupport.h"
#include "ui/MainKeys.h"

namespace tgl::test {
namespace {

using UserGuide = TCoreTest;

TEST_F(UserGuide, OpensTheGuideBesideTheProgramWithTheShell) {
  Startup().ProgramDir = Folder.Path();
  Folder.Write("README.txt", "guide\r\n");
  OpenUserGuide();
  ASSERT_EQ(ShellCalls.Executed.size(), 1u);
  EXPECT_EQ(ShellCalls.Executed[0].Verb, "open");
  EXPECT_EQ(ShellCalls.Executed[0].File, Folder.Path() + "README.txt");
  EXPECT_TRUE(ShellCalls.Executed[0].OwnedByMainWindow);

  // Without a handler for text files, Notepad; when even that fails, the user is told.
  ShellCalls.ExecuteResult = 31;  // SE_ERR_NOASSOC
  try {
    OpenUserGuide();
    ADD_FAILURE() << "opened";
  } catch (const EError& error) {
    EXPECT_EQ(std::string(error.what()),
              "The user's guide " + Folder.Path() + "README.txt cannot be opened.");
  }
  ASSERT_EQ(ShellCalls.Executed.size(), 3u);
  EXPECT_EQ(ShellCalls.Executed[2].File, "notepad.exe");
  EXPECT_EQ(ShellCalls.Executed[2].Parameters, "\"" + Folder.Path() + "README.txt\"");
}

TEST_F(UserGuide, AMissingGuideIsToldAndNothingIsStarted) {
  Startup().ProgramDir = Folder.Path();
  try {
    OpenUserGuide();
    ADD_FAILURE() << "opened";
  } catch (const EError& error) {
    EXPECT_EQ(std::string(error.what()),
              "The user's guide " + Folder.Path() + "README.txt is missing.");
  }
  EXPECT_TRUE(ShellCalls.Executed.empty());
}

TEST(HelpKey, IsF1Alone) {
  EXPECT_TRUE(IsHelpKey(vkF1, {}));
  for (TShiftState held : {TShiftState{true, false, false}, TShiftState{false, true, false},
                           TShiftState{false, false, true}})
    EXPECT_FALSE(IsHelpKey(vkF1, held));
  EXPECT_FALSE(IsHelpKey(vkF2, {}));
  EXPECT_EQ(ActionOfShortcut(vkF1, {}), std::nullopt) << "F1 alone is no command";
}

}  // namespace
}  // namespace tgl::test
