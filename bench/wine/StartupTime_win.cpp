#include "StartupTime_win.h"

#include <algorithm>
#include <vector>

#include "RunningProgram_win.h"
#include "Stopwatch_win.h"

namespace tgl::bench {
namespace {

std::optional<double> StartupTime(const std::string& exePath, const std::string& windowClass) {
  TStopwatch stopwatch;
  TRunningProgram program(exePath, windowClass);
  std::optional<double> time;
  if (program.WaitForMainWindow(60000)) time = stopwatch.Milliseconds();
  if (!program.Close()) return std::nullopt;
  return time;
}

}  // namespace

std::optional<double> MedianStartupTime(const std::string& exePath, int starts,
                                        const std::string& windowClass) {
  std::vector<double> times;
  for (int i = 0; i < starts; ++i) {
    std::optional<double> time = StartupTime(exePath, windowClass);
    if (!time) return std::nullopt;
    times.push_back(*time);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace tgl::bench
