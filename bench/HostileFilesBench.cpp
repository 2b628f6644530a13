// Hostile and damaged configuration files: the cost of loading what a careless edit or a
// broken disk leaves behind. Each case runs once per repetition (they can take seconds);
// run one case at a time to read its peak memory ("peak_MB" is the process's high mark):
//   tgl_bench --benchmark_filter='LineBreaks' --benchmark_repetitions=1
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "BenchProgramFolder.h"
#include "base/Errors.h"
#include "base/StartupState.h"
#include "cards/Cards.h"
#include "config/IniFile.h"
#include "options/FieldHub.h"

namespace tgl::bench {
namespace {

double PeakMegabytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes on Linux
}

// Selects a card of this tuning file on a hub without a panel; a load that is refused ends
// with the silent abort or an error, which counts as done here.
void SelectCard(const std::string& tuningFile) {
  TrlCardConfig card;
  card.CardName = tuningFile;
  card.TuningFile = tuningFile;
  TFieldHub hub;
  try {
    hub.SelectCard(&card);
  } catch (const EAbort&) {
  } catch (const EError&) {
  }
  benchmark::DoNotOptimize(hub.OptionCount());
}

// A.CFG includes itself `count` times, each time spelled with one more "./" in front.
void IncludeSpellings(benchmark::State& state) {
  TBenchProgramFolder folder(true);
  std::string text = "[%General%]\r\n";
  std::string prefix;
  for (int i = 1; i <= state.range(0); ++i) {
    prefix += "./";
    text += "include" + std::to_string(i) + "=" + prefix + "A\r\n";
  }
  folder.Write("A.CFG", text + "[Opt]\r\nType=Switch\r\n");
  for (auto _ : state) SelectCard("A");
}

// C0.CFG includes C1 twice, C1 includes C2 twice, and so on down to C<depth>.
void IncludeChain(benchmark::State& state) {
  TBenchProgramFolder folder(true);
  const int depth = static_cast<int>(state.range(0));
  for (int i = 0; i < depth; ++i) {
    std::string next = "C" + std::to_string(i + 1);
    folder.Write("C" + std::to_string(i) + ".CFG", "[%General%]\r\ninclude1=" + next +
                                                       "\r\ninclude2=" + next + "\r\n[Opt" +
                                                       std::to_string(i) + "]\r\nType=Switch\r\n");
  }
  folder.Write("C" + std::to_string(depth) + ".CFG", "[Last]\r\nType=Switch\r\n");
  for (auto _ : state) SelectCard("C0");
}

// A disk tuning definition of `count` options, about 80 bytes each.
void DiskDefinition(benchmark::State& state) {
  TBenchProgramFolder folder(true);
  std::string text = "[%General%]\r\nFrame=GeForce\r\n";
  for (int i = 0; i < state.range(0); ++i)
    text += "[Option " + std::to_string(i) + "]\r\nType=List\r\nKey=Some\\Key" +
            std::to_string(i) + "\r\nValues=0, 1, 2\r\nLinkTag=" + std::to_string(i) + "\r\n";
  folder.Write("Big.CFG", text);
  state.counters["file_KB"] = double(text.size()) / 1e3;
  for (auto _ : state) SelectCard("Big");
}

class TNoAdapters : public TrlCards {
protected:
  void Enumerate() override {}
};

// ShowAllCards over a disk Cards.CFG whose [Files] has `count` lines.
void CatalogueCards(benchmark::State& state) {
  TBenchProgramFolder folder(true);
  std::string text = "[Idents]\r\n[Files]\r\n";
  for (int i = 0; i < state.range(0); ++i)
    text += "Card " + std::to_string(i) + "=GeForce\r\n";
  folder.Write("Cards.CFG", text);
  for (auto _ : state) {
    TNoAdapters cards;
    cards.AddCatalogueCards();
    benchmark::DoNotOptimize(cards.Count());
  }
}

// A Games.CFG of 20 MB of line breaks, as a damaged disk can leave it, read once.
void LineBreaks(benchmark::State& state) {
  TBenchProgramFolder folder(true);
  folder.Write(GamesFileName, std::string(static_cast<size_t>(state.range(0)) << 20, '\n'));
  for (auto _ : state) {
    TIniFile games(folder.Path() + GamesFileName);
    TStrings sections;
    try {
      games.ReadSections(sections);
    } catch (const EError&) {
    }
    benchmark::DoNotOptimize(sections.size());
  }
  state.counters["peak_MB"] = PeakMegabytes();
}

void Once(benchmark::internal::Benchmark* benchmark) {
  benchmark->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(IncludeSpellings)->Arg(6)->Arg(7)->Arg(8)->Apply(Once);
BENCHMARK(IncludeChain)->Arg(14)->Arg(16)->Apply(Once);
BENCHMARK(DiskDefinition)->Arg(2000)->Arg(4000)->Apply(Once);
BENCHMARK(CatalogueCards)->Arg(8000)->Arg(16000)->Apply(Once);
BENCHMARK(LineBreaks)->Arg(20)->Apply(Once);

}  // namespace
}  // namespace tgl::bench
