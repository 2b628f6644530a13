#include "GamesLoadRounds_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "LargeGamesFile.h"
#include "ProfileApiGames_win.h"
#include "Stopwatch_win.h"
#include "base/StartupState.h"
#include "platform/Platform.h"
#include "platform/win32/FileHandle_win.h"
#include "profiles/GamesFile.h"
#include "profiles/Programs.h"

namespace tgl::bench {
namespace {

std::vector<TGameEntry> GamesThroughStore() {
  TrlPrograms programs;
  std::vector<TGameEntry> games;
  for (int i = 1; i < programs.Count(); ++i) {
    const TrlProgramConfig& game = programs.Items(i);
    games.push_back({game.Name, game.Path, game.Parameters});
  }
  return games;
}

// The least any program must do: read the file once, then look at every byte (here, count
// the section headers). `bytes` is memory already in use, as large as the file: fresh memory
// would cost more than the read.
size_t ReadAndScan(const std::string& path, std::vector<char>& bytes) {
  TFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) return 0;
  DWORD read = 0;
  if (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    return 0;
  size_t sections = 0;
  bool lineStart = true;
  for (DWORD i = 0; i < read; ++i) {
    char c = bytes[i];
    if (lineStart && c == '[') ++sections;
    lineStart = c == '\n';
  }
  return sections;
}

template <class TWork>
double MedianTimeOf(int repeats, TWork&& work) {
  std::vector<double> times;
  for (int i = 0; i < repeats; ++i) times.push_back(TimeOf(work));
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

struct TRound {
  double OursCold, OursWarm, ApiCold, ApiWarm, Floor;
};

}  // namespace

bool RunGamesLoadRounds(const TLoadRoundsSettings& settings) {
  const std::string text = LargeGamesFile(settings.Games, settings.CardSectionsPerGame);
  std::printf("Games.CFG: %d games, %d card sections each, %u bytes\n", settings.Games,
              settings.CardSectionsPerGame, static_cast<unsigned>(text.size()));
  std::printf("round | ours cold | API cold | ratio | ours warm | API warm | ratio | floor | cold/floor | warm/floor\n");
  double lowestCold = 1e9, lowestWarm = 1e9, worstFloor = 0, worstColdFloor = 0;
  bool same = true;
  for (int round = 1; round <= settings.Rounds; ++round) {
    const std::string folder = settings.WorkFolder + "round" + std::to_string(round) + "\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    Startup().ProgramDir = folder;
    Files().WriteFile(GamesFilePath(), text);
    const std::string path = GamesFilePath();

    TRound times{};
    std::vector<TGameEntry> ours, api;
    times.OursCold = TimeOf([&] { ours = GamesThroughStore(); });
    times.OursWarm = MedianTimeOf(settings.WarmRepeats, [&] { GamesThroughStore(); });
    times.ApiCold = TimeOf([&] { api = GamesThroughProfileApi(path); });
    times.ApiWarm = MedianTimeOf(3, [&] { GamesThroughProfileApi(path); });
    std::vector<char> buffer(text.size());
    times.Floor = MedianTimeOf(settings.WarmRepeats, [&] { ReadAndScan(path, buffer); });
    if (ours != api || static_cast<int>(ours.size()) != settings.Games) {
      std::printf("round %d: the store found %u games, the profile functions %u, and they differ\n",
                  round, static_cast<unsigned>(ours.size()), static_cast<unsigned>(api.size()));
      same = false;
    }
    const double coldRatio = times.ApiCold / times.OursCold, warmRatio = times.ApiWarm / times.OursWarm;
    const double overFloor = times.OursWarm / times.Floor, coldOverFloor = times.OursCold / times.Floor;
    std::printf("%5d | %6.2f ms | %7.1f ms | %4.0fx | %6.2f ms | %6.1f ms | %4.0fx | %5.2f ms | %.1fx | %.1fx\n",
                round, times.OursCold, times.ApiCold, coldRatio, times.OursWarm, times.ApiWarm,
                warmRatio, times.Floor, coldOverFloor, overFloor);
    std::fflush(stdout);
    lowestCold = std::min(lowestCold, coldRatio);
    lowestWarm = std::min(lowestWarm, warmRatio);
    worstFloor = std::max(worstFloor, overFloor);
    worstColdFloor = std::max(worstColdFloor, coldOverFloor);
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA(folder.c_str());
  }
  std::printf("lowest ratio: cold %.0fx, warm %.0fx; ours at most %.1fx the floor cold, %.1fx warm\n",
              lowestCold, lowestWarm, worstColdFloor, worstFloor);
  return same;
}

}  // namespace tgl::bench
