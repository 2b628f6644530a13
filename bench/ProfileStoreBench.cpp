// The game profile store on a Games.CFG of a large collection: 1,000 games with nine card
// sections each (about 4 MB). Every benchmark runs with the INI cache installed, as in the
// program ("cached:1"), and without it ("cached:0"), where every operation parses the file.
// Run with --benchmark_repetitions=10 to see medians.
#include <benchmark/benchmark.h>

#include "BenchProgramFolder.h"
#include "LargeGamesFile.h"
#include "config/BackupRotation.h"
#include "options/FieldHub.h"
#include "profiles/GamesFile.h"
#include "profiles/Programs.h"

namespace tgl::bench {
namespace {

constexpr int GameCount = 1000;
constexpr int CardSectionsPerGame = 9;
// The game the single-game operations work on: one in the middle of the file.
constexpr int TargetGame = GameCount / 2;

// A program folder holding the large Games.CFG.
class TLargeCollection {
public:
  explicit TLargeCollection(benchmark::State& state) : Folder(state.range(0) != 0) {
    static const std::string text = LargeGamesFile(GameCount, CardSectionsPerGame);
    Folder.Write(GamesFileName, text);
    state.counters["file_MB"] = double(text.size()) / 1e6;
  }
  static int IndexOfTarget() { return 1 + TargetGame; }  // after the default profile

private:
  TBenchProgramFolder Folder;
};

void LoadProfileList(benchmark::State& state) {
  TLargeCollection collection(state);
  for (auto _ : state) {
    TrlPrograms programs;
    benchmark::DoNotOptimize(programs.Count());
  }
}

void SetName(benchmark::State& state) {
  TLargeCollection collection(state);
  TrlPrograms programs;
  TrlProgramConfig& game = programs.Items(TLargeCollection::IndexOfTarget());
  const std::string titles[] = {GameTitle(TargetGame), "Renamed game"};
  int next = 1;
  for (auto _ : state) {
    game.SetName(titles[next]);
    next = 1 - next;
  }
}

void CopyDefaultSettings(benchmark::State& state) {
  TLargeCollection collection(state);
  TrlPrograms programs;
  TrlProgramConfig& game = programs.Items(TLargeCollection::IndexOfTarget());
  for (auto _ : state) game.CopyDefaultSettings();
}

void Delete(benchmark::State& state) {
  TLargeCollection collection(state);
  TrlPrograms programs;
  int index = TLargeCollection::IndexOfTarget();
  for (auto _ : state) {
    programs.Delete(index);
    state.PauseTiming();
    // The game comes back as the New command makes it, so every round deletes a full game.
    auto game = std::make_unique<TrlProgramConfig>();
    game->Name = GameTitle(TargetGame);
    game->Path = "C:\\Games\\game.exe";
    game->Save();
    game->CopyDefaultSettings();
    index = programs.Add(std::move(game));
    state.ResumeTiming();
  }
}

// The option hub loading a game's GeForce card section and saving it back with one value
// changed, as a user does between selecting a game and pressing Save.
void TransferGeForceProfile(benchmark::State& state) {
  TLargeCollection collection(state);
  TrlCardConfig card;
  card.CardName = "GeForce";
  card.TuningFile = "GeForce";
  TFieldHub hub;
  hub.SelectCard(&card);
  hub.SetProfileName(GameTitle(TargetGame));
  TRegistryOption& changed = hub.Options(0);
  int round = 0;
  for (auto _ : state) {
    hub.LoadFromProfile();
    changed.SetValue(changed.Values()[round++ % changed.Values().size()]);
    hub.SaveToProfile();
  }
}

// The first write of a program run: SetName as above, but each time in a new run, so the
// file is first copied to Games.CFG.1 (older copies moving up). Compare with SetName.
void SetNameAsFirstWriteOfARun(benchmark::State& state) {
  TLargeCollection collection(state);
  TrlPrograms programs;
  TrlProgramConfig& game = programs.Items(TLargeCollection::IndexOfTarget());
  const std::string titles[] = {GameTitle(TargetGame), "Renamed game"};
  int next = 1;
  for (auto _ : state) {
    GamesBackup().emplace(GamesFilePath());
    game.SetName(titles[next]);
    next = 1 - next;
  }
  GamesBackup().reset();
}

void Configure(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("cached")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(LoadProfileList)->Apply(Configure);
BENCHMARK(SetName)->Apply(Configure);
BENCHMARK(SetNameAsFirstWriteOfARun)->Apply(Configure);
BENCHMARK(CopyDefaultSettings)->Apply(Configure);
BENCHMARK(Delete)->Apply(Configure);
BENCHMARK(TransferGeForceProfile)->Apply(Configure);

}  // namespace
}  // namespace tgl::bench
