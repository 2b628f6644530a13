// Speed figures under Wine (or on Windows), side by side with what Windows itself offers.
//   tglbench load FOLDER [ROUNDS]     the 1,000-game Games.CFG: the program's store against
//                                     the profile functions, cold and warm, and the floor
//   tglbench games FOLDER             writes that Games.CFG into FOLDER
//   tglbench startup EXE [STARTS]     start of EXE until its main window shows, with the
//                                     Games.CFG that lies beside it
//   tglbench cardchange EXE [CHANGES] card changes in EXE's main window, with that Games.CFG
//                                     set to list every card (ShowAllCards=1)
// Exit code 0 when every figure was taken and the loads agreed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "CardChangeTime_win.h"
#include "GamesLoadRounds_win.h"
#include "LargeGamesFile.h"
#include "StartupTime_win.h"
#include "app/Win32Platform_win.h"
#include "base/StartupState.h"
#include "config/IniFile.h"
#include "platform/Platform.h"
#include "profiles/GamesFile.h"

namespace {

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tgl::bench;
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "load" && (argc == 3 || argc == 4)) {
    tgl::TWin32Platform platform;
    TLoadRoundsSettings settings;
    settings.WorkFolder = WithBackslash(argv[2]);
    if (argc == 4) settings.Rounds = std::atoi(argv[3]);
    return RunGamesLoadRounds(settings) ? 0 : 1;
  }
  if (command == "games" && argc == 3) {
    tgl::TWin32Platform platform;
    TLoadRoundsSettings settings;
    tgl::Startup().ProgramDir = WithBackslash(argv[2]);
    tgl::Files().WriteFile(tgl::GamesFilePath(),
                           LargeGamesFile(settings.Games, settings.CardSectionsPerGame));
    return 0;
  }
  if (command == "startup" && (argc == 3 || argc == 4)) {
    std::optional<double> time = MedianStartupTime(argv[2], argc == 4 ? std::atoi(argv[3]) : 5);
    if (!time) {
      std::printf("start-up: the main window did not show, or the program did not end\n");
      return 1;
    }
    std::printf("start-up to the main window: %.0f ms (median)\n", *time);
    return 0;
  }
  if (command == "cardchange" && (argc == 3 || argc == 4)) {
    const std::string exePath = argv[2];
    {
      tgl::TWin32Platform platform;
      tgl::TIniFile(exePath.substr(0, exePath.rfind('\\') + 1) + tgl::GamesFileName)
          .WriteString(tgl::ConfigurationSection, "ShowAllCards", "1");
    }
    std::optional<TCardChangeTimes> times =
        CardChangeTimes(exePath, argc == 4 ? std::atoi(argv[3]) : 27);
    if (!times) {
      std::printf("card change: the card box did not show or a pick did not take\n");
      return 1;
    }
    std::printf("card change, %d cards: first %.1f ms, median %.1f ms, slowest %.1f ms\n",
                times->Cards, times->First, times->Median, times->Slowest);
    return 0;
  }
  std::printf("usage: tglbench load FOLDER [ROUNDS] | games FOLDER | startup EXE [STARTS] | "
              "cardchange EXE [CHANGES]\n");
  return 2;
}
