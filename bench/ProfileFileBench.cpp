// Profile files near their size limit (1 MiB): read, imported and exported. A file of many
// keys in one section and one of many sections are the two shapes a hostile or broken file
// can take; both must cost time in proportion to their size.
//   tgl_bench --benchmark_filter='ProfileFile' --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <string>

#include "BenchProgramFolder.h"
#include "profiles/ProfileFile.h"
#include "profiles/Programs.h"

namespace tgl::bench {
namespace {

constexpr size_t FileSize = 1u << 20;

// A whole profile of `sections` values sections, filled with keys to just under 1 MiB.
std::string LargeProfileText(int sections) {
  std::string text =
      "[TesmoraGL profile]\r\nFormat=TesmoraGL profile 1\r\nTitle=Large\r\nPath=C:\\l.exe\r\n";
  const std::string end = "[End]\r\n";
  int section = 0, key = 0;
  while (text.size() + end.size() + 200 < FileSize) {
    if (key == 0 || (sections > 1 && section < sections && key % 2 == 0)) {
      text += "[Values F" + std::to_string(section++) + "]\r\n";
    }
    text += "K" + std::to_string(key++) + "=1\r\n";
  }
  return text + end;
}

void ProfileFileRead(benchmark::State& state) {
  const std::string text = LargeProfileText(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ParseProfileFile(text, "Large.tgp"));
  state.counters["bytes"] = double(text.size());
}

// Import into an empty Games.CFG, then export of the imported game.
void ProfileFileImportExport(benchmark::State& state) {
  const TGameProfile profile =
      ParseProfileFile(LargeProfileText(static_cast<int>(state.range(0))), "Large.tgp");
  for (auto _ : state) {
    TBenchProgramFolder folder(true);
    TrlPrograms programs;
    int index = ImportProfile(programs, profile, "Large");
    benchmark::DoNotOptimize(ExportProfile(programs.Items(index), folder.Path() + "Out.tgp"));
  }
}

BENCHMARK(ProfileFileRead)->Arg(1)->Arg(60000)->Unit(benchmark::kMillisecond);
BENCHMARK(ProfileFileImportExport)->Arg(1)->Arg(60000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tgl::bench
