// Speed figures under Wine (or on Windows), side by side with what Windows itself offers.
//   tglbench load FOLDER [ROUNDS]     the 1,000-game Games.CFG: the program's store against
//                                     the profile functions, cold and warm, and the floor
//   tglbench games FOLDER             writes that Games.CFG into FOLDER
//   tglbench startup EXE [STARTS] [MINIMAL]
//                                     start of EXE until its main window shows, with the
//                                     Games.CFG that lies beside it; with MINIMAL (the path
//                                     of minimalwindow.exe) the same for a program that only
//                                     shows a window, and the difference and ratio
//   tglbench memory EXE MINIMAL       private memory of EXE once its main window waits for
//                                     input, and of the minimal window program MINIMAL
//   tglbench cardchange EXE [CHANGES] card changes in EXE's main window, with that Games.CFG
//                                     set to list every card (ShowAllCards=1)
//   tglbench gameswitch EXE [SWITCHES] games switched in EXE's game list with Down, from the
//                                     first, each until its values are shown and painted; a
//                                     Cards.CFG written beside EXE makes Wine's display
//                                     adapter a GeForce, so the GeForce panel shows
// Exit code 0 when every figure was taken and the loads agreed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "CardChangeTime_win.h"
#include "GameSwitchTime_win.h"
#include "GamesLoadRounds_win.h"
#include "LargeGamesFile.h"
#include "PrivateMemory_win.h"
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
  if (command == "startup" && argc >= 3 && argc <= 5) {
    const int starts = argc >= 4 ? std::atoi(argv[3]) : 5;
    std::optional<double> time = MedianStartupTime(argv[2], starts, tgl::MainWindowClass);
    if (!time) {
      std::printf("start-up: the main window did not show, or the program did not end\n");
      return 1;
    }
    std::printf("start-up to the main window: %.0f ms (median)\n", *time);
    if (argc < 5) return 0;
    std::optional<double> minimal = MedianStartupTime(argv[4], starts, "TglMinimalWindow");
    if (!minimal) {
      std::printf("start-up: the minimal window program did not show its window\n");
      return 1;
    }
    std::printf("start-up of a minimal window program: %.0f ms (median); the program takes "
                "%.0f ms more, %.1fx\n",
                *minimal, *time - *minimal, *time / *minimal);
    return 0;
  }
  if (command == "gameswitch" && (argc == 3 || argc == 4)) {
    const std::string exePath = argv[2];
    {
      tgl::TWin32Platform platform;
      tgl::Files().WriteFile(exePath.substr(0, exePath.rfind('\\') + 1) + tgl::CardsFileName,
                             "[Idents]\r\nVEN_0000&DEV_0000=GeForce\r\n"
                             "[Files]\r\nGeForce=GeForce\r\n");
    }
    std::optional<TGameSwitchTimes> times =
        GameSwitchTimes(exePath, argc == 4 ? std::atoi(argv[3]) : 100);
    if (!times) {
      std::printf("game switch: the game list did not show or a switch did not take\n");
      return 1;
    }
    std::printf("game switch, %d games: first %.1f ms, median %.1f ms, slowest %.1f ms\n",
                times->Games, times->First, times->Median, times->Slowest);
    return 0;
  }
  if (command == "memory" && argc == 4) {
    std::optional<double> program = PrivateMemoryOf(argv[2], tgl::MainWindowClass);
    std::optional<double> minimal = PrivateMemoryOf(argv[3], "TglMinimalWindow");
    if (!program || !minimal) {
      std::printf("memory: a main window did not show, or its memory could not be read\n");
      return 1;
    }
    std::printf("private memory: %.1f MB; a minimal window program %.1f MB; the program "
                "takes %.1f MB more\n",
                *program / 1048576, *minimal / 1048576, (*program - *minimal) / 1048576);
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
  std::printf("usage: tglbench load FOLDER [ROUNDS] | games FOLDER | startup EXE [STARTS] "
              "[MINIMAL] | memory EXE MINIMAL | cardchange EXE [CHANGES] | gameswitch EXE "
              "[SWITCHES]\n");
  return 2;
}
