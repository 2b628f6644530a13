// The game a /run or /apply request names.
#include "launch/LaunchTarget.h"

#include "support/TestSupport.h"

namespace tgl::test {
namespace {

using LaunchTargetTest = TCoreTest;

TEST_F(LaunchTargetTest, ARequestNamesAGameByTitleOrTheDefaultEntry) {
  Folder.Write("Games.CFG",
               "[Quake III Arena]\r\nPath=C:\\q3.exe\r\n[Default]\r\nPath=C:\\d.exe\r\n"
               "[Unreal]\r\nPath=C:\\u.exe\r\n");
  TrlPrograms programs;
  using enum TLaunchAction;
  EXPECT_EQ(LaunchTarget(programs, {laRun, "Quake III Arena"}).Path, "C:\\q3.exe");
  EXPECT_EQ(LaunchTarget(programs, {laApply, "quake iii arena"}).Path, "C:\\q3.exe");
  EXPECT_TRUE(LaunchTarget(programs, {laApply, "Default"}).IsDefault());
  // A game titled Default is reached by /run only.
  EXPECT_EQ(LaunchTarget(programs, {laRun, "Default"}).Path, "C:\\d.exe");

  for (const char* title : {"Quake", "%Default%", "", "Quake III Arena "}) {
    try {
      LaunchTarget(programs, {laRun, title});
      ADD_FAILURE() << title;
    } catch (const EError& error) {
      EXPECT_EQ(error.what(), "There is no game titled \"" + std::string(title) +
                                  "\" in Tesmora Game Launcher.");
    }
  }

  // A shortcut made before the game was renamed reaches no game at all.
  programs.Items(programs.IndexOfName("Unreal")).SetName("Unreal Gold");
  EXPECT_THROW(LaunchTarget(programs, {laRun, "Unreal"}), EError);
}

}  // namespace
}  // namespace tgl::test
