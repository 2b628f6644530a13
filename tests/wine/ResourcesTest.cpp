// The real TesmoraGL.exe with a Games.CFG of 1,000 games (tglbench.exe writes it) and a card
// panel shown: its private memory, printed, and its GDI and USER objects, which do not grow
// across 1,000 game switches and 100 card changes (tests/wine/probes/ResourceProbe_win.cpp
// counts them).
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <sstream>
#include <thread>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

const char* const Form = "TTesmoraGLxForm";
const int GameSwitches = 1000, CardChanges = 100;
const int Rounds = 10;  // of game switches, each followed by card changes

struct TResources {
  long long Private = -1;
  long long Gdi = -1, User = -1;
  std::string Output;
};

TResources ResourcesOfTheProgram() {
  TRunResult probe = RunWine(ExeDir() + "/resourceprobe.exe", {Form}, ExeDir(), 60);
  TResources resources;
  resources.Output = probe.Output;
  for (const std::string& line : OutputLines(probe.Output)) {
    std::istringstream fields(line);
    std::string name;
    long long value = -1;
    fields >> name >> value;
    if (name == "PRIVATE") resources.Private = value;
    if (name == "GDI") resources.Gdi = value;
    if (name == "USER") resources.User = value;
  }
  return resources;
}

std::string Megabytes(long long bytes) {
  std::ostringstream text;
  text.precision(2);
  text << std::fixed << bytes / 1048576.0 << " MB";
  return text.str();
}

class ResourcesTest : public ::testing::Test {
protected:
  ResourcesTest() { SetWindowsVersion("win2k"); }
  ~ResourcesTest() override {
    Program.reset();
    RunReg({"delete", "HKCU\\Software\\Wine", "/v", "Version", "/f"});
  }

  // The 1,000 games of the speed figures, and every card of the catalogue in the card box.
  void WriteLargeGamesFile() {
    Folder.Write("tglbench.exe", ReadBytes(ExeDir() + "/tglbench.exe"));
    TRunResult written =
        RunWine(Folder.Path() + "tglbench.exe", {"games", WindowsPath(Folder.Path())}, Folder.Path(), 120);
    ASSERT_EQ(written.ExitCode, 0) << written.Output;
    std::string games = Folder.Read("Games.CFG");
    const std::string settings = "[%%Configuration]\r\n";
    ASSERT_EQ(games.rfind(settings, 0), 0u);
    Folder.Write("Games.CFG", settings + "ShowAllCards=1\r\n" + games.substr(settings.size()));
  }

  // Picks the GeForce of the card box: its panel is then shown.
  void ShowGeForcePanel() {
    for (const std::string& line : OutputLines(RunDriver({"cards", Form}).Output)) {
      std::istringstream fields(line);
      std::string word, index;
      fields >> word >> index;
      if (word == "CARD" && line.ends_with(" _GeForce")) {
        ASSERT_EQ(RunDriver({"pick", Form, index}).ExitCode, 0);
        return;
      }
    }
    FAIL() << "no GeForce in the card box";
  }

  static bool PanelShown() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (RunDriver({"tree", Form, "20000"}).Output.find(" SysTabControl32 ") != std::string::npos)
        return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }

  static void SwitchGames(int count) {
    TRunResult result = RunDriver({"switchgames", Form, std::to_string(count)}, 600);
    ASSERT_EQ(result.ExitCode, 0) << result.Output;
  }
  static void SwitchCards(int count) {
    TRunResult result = RunDriver({"switchcards", Form, std::to_string(count)}, 600);
    ASSERT_EQ(result.ExitCode, 0) << result.Output;
  }

  TProgramFolder Folder;
  std::unique_ptr<TWineProcess> Program;
};

TEST_F(ResourcesTest, GdiAndUserObjectsDoNotGrowAcrossGameSwitchesAndCardChanges) {
  WriteLargeGamesFile();
  Program = std::make_unique<TWineProcess>(Folder.Exe(), std::vector<std::string>{}, Folder.Path());
  ASSERT_EQ(RunDriver({"shown", Form, "30000"}).ExitCode, 0);
  ShowGeForcePanel();
  ASSERT_TRUE(PanelShown());
  SwitchGames(1);
  const TResources loaded = ResourcesOfTheProgram();
  ASSERT_GT(loaded.Private, 0) << loaded.Output;

  // Every card's panel and a few games once, so that what is made once and kept is there.
  const int cards = static_cast<int>(OutputLines(RunDriver({"cards", Form}).Output).size());
  ASSERT_GT(cards, 1);
  SwitchCards(cards);
  SwitchGames(10);
  const TResources before = ResourcesOfTheProgram();
  // A count that the probe did not read would make the comparison below pass for nothing.
  ASSERT_GT(before.Gdi, 0) << before.Output;
  ASSERT_GT(before.User, 0) << before.Output;

  for (int round = 0; round < Rounds; ++round) {
    SwitchGames(GameSwitches / Rounds);
    SwitchCards(CardChanges / Rounds);
  }
  const TResources after = ResourcesOfTheProgram();
  EXPECT_LE(after.Gdi, before.Gdi) << before.Output << after.Output;
  EXPECT_LE(after.User, before.User) << before.Output << after.Output;
  std::cout << "private memory with 1,000 games and the GeForce panel: "
            << Megabytes(loaded.Private) << "; after " << GameSwitches << " game switches and "
            << CardChanges << " card changes: " << Megabytes(after.Private) << "\n"
            << "before them: " << before.Output << "after them: " << after.Output;

  ASSERT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Program->Wait(30), 0);
}

}  // namespace
}  // namespace tgl::wine
