// The game waited for in the tray tip and the status bar: the title gives way, cut with
// "...", so that the words about the restore always show.
#include <gtest/gtest.h>

#include "ui/RunningGameText.h"

namespace tgl::test {
namespace {

const std::string Title63 = "Unreal Tournament Game of the Year Edition with Bonus Packs 1-4";

TEST(RunningGameTextTest, TheTipNamesTheGameWithinTheLimitOfWindows95) {
  struct Case {
    std::string Title;
    const char* Tip;
  } cases[] = {
      {"Quake", "Running Quake: settings will be restored"},
      // 28 characters of title fill the 63 exactly.
      {"Unreal Tournament GOTY 2000x", "Running Unreal Tournament GOTY 2000x: settings will be restored"},
      {"Unreal Tournament GOTY 20001xx", "Running Unreal Tournament GOTY 20...: settings will be restored"},
      {Title63, "Running Unreal Tournament Game of...: settings will be restored"},
      {"", "Running : settings will be restored"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Title);
    std::string tip = RunningGameTip(c.Title);
    EXPECT_EQ(tip, c.Tip);
    EXPECT_LE(tip.size(), TrayTipLimit);
  }
}

TEST(RunningGameTextTest, TheStatusCutsTheTitleToWhatThePaneFits) {
  auto fitsIn = [](size_t room) {
    return [room](const std::string& text) { return text.size() <= room; };
  };
  const std::string whole = "Running " + Title63 + ": driver settings restored when it ends";
  EXPECT_EQ(RunningGameStatus(Title63, fitsIn(whole.size())), whole);
  EXPECT_EQ(RunningGameStatus(Title63, fitsIn(70)),
            "Running Unreal Tournament Ga...: driver settings restored when it ends");
  EXPECT_EQ(RunningGameStatus("Quake", fitsIn(10)), "Running ...: driver settings restored when it ends")
      << "with no room even for the words, the title is all that goes";
}

TEST(RunningGameTextTest, ACutAtTheEndOfAWordLeavesNoSpaceBeforeTheDots) {
  auto fits = [](const std::string& text) { return text.size() <= 14; };
  EXPECT_EQ(WithTitleCutToFit("[", "Half Life Opposing Force", "]", fits), "[Half Life...]");
}

}  // namespace
}  // namespace tgl::test
