// A writer of Games.CFG killed with TerminateProcess at random moments by a second Windows
// program (tests/wine/probes/KillProbe_win.cpp), as Windows 2000 replaces a file (in one
// step) and as Windows 98 does (in two moves, with a moment between them when the file is
// away): after every kill, Games.CFG as the program's next read finds it is the old or the
// new content whole. TGL_WINE_KILLS sets the kills per way of replacing; without it the
// run is kept short for `make test`.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

const int DefaultKills = 150;

int KillsPerWay() {
  const char* kills = std::getenv("TGL_WINE_KILLS");
  return kills && std::atoi(kills) > 0 ? std::atoi(kills) : DefaultKills;
}

struct TWay {
  const char* Version;
  const char* Replace;  // as killprobe.exe names it
};

void PrintTo(const TWay& way, std::ostream* out) { *out << way.Version; }

struct TKillCounts {
  int Kills = -1, Before = -1, After = -1, Retries = -1;
};

TKillCounts CountsIn(const std::vector<std::string>& lines) {
  TKillCounts counts;
  for (const std::string& line : lines) {
    if (line.rfind("KILLS ", 0) != 0) continue;
    std::istringstream fields(line);
    std::string word;
    fields >> word >> counts.Kills >> word >> counts.Before >> word >> counts.After >> word >>
        counts.Retries;
    break;
  }
  return counts;
}

std::string LineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines)
    if (line.rfind(start, 0) == 0) return line.substr(start.size());
  return "<none>";
}

class KillWriterTest : public ::testing::TestWithParam<TWay> {
protected:
  KillWriterTest() {
    for (const char* probe : {"killprobe.exe", "gameswriter.exe"})
      Folder.Write(probe, ReadBytes(ExeDir() + "/" + probe));
    SetWindowsVersion(GetParam().Version);
  }
  ~KillWriterTest() override { RunReg({"delete", "HKCU\\Software\\Wine", "/v", "Version", "/f"}); }

  TProgramFolder Folder;
};

TEST_P(KillWriterTest, AfterEveryKillGamesCfgIsTheOldOrTheNewContentWhole) {
  const int kills = KillsPerWay();
  const auto start = std::chrono::steady_clock::now();
  // Every wait of the probe is bounded; this bounds the whole run on top.
  TRunResult result = RunWine(Folder.Path() + "killprobe.exe", {std::to_string(kills)},
                              Folder.Path(), 120 + kills);
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const std::vector<std::string> lines = OutputLines(result.Output);
  ASSERT_EQ(result.ExitCode, 0) << result.Output;
  EXPECT_EQ(LineStartingWith(lines, "REPLACE "), GetParam().Replace);
  EXPECT_EQ(LineStartingWith(lines, "FAILURE "), "<none>");
  const TKillCounts counts = CountsIn(lines);
  EXPECT_EQ(counts.Kills, kills) << result.Output;
  // The kills fell both while the file was being written and after the write was complete.
  EXPECT_GT(counts.Before, 0) << result.Output;
  EXPECT_GT(counts.After, 0) << result.Output;
  std::cout << GetParam().Replace << ": " << counts.Kills << " kills (" << counts.Before
            << " before the write was complete, " << counts.After << " after), "
            << counts.Retries << " writers restarted, a write "
            << LineStartingWith(lines, "WRITE ") << " ms (write, window), " << seconds << " s\n";
}

INSTANTIATE_TEST_SUITE_P(BothReplaces, KillWriterTest,
                         ::testing::Values(TWay{"win2k", "one-step"}, TWay{"win98", "two-moves"}),
                         [](const ::testing::TestParamInfo<TWay>& info) {
                           return std::string(info.param.Version);
                         });

}  // namespace
}  // namespace tgl::wine
