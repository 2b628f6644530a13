#include "PrivateMemory_win.h"

#include <windows.h>
#include <psapi.h>

#include "RunningProgram_win.h"

namespace tgl::bench {

std::optional<double> PrivateMemoryOf(const std::string& exePath, const std::string& windowClass) {
  TRunningProgram program(exePath, windowClass);
  if (!program.WaitForMainWindow(60000)) return std::nullopt;
  // Whatever the start left to do (painting, the logo's first frames) is done by then.
  ::WaitForInputIdle(program.ProcessHandle(), 10000);
  ::Sleep(500);
  ::WaitForInputIdle(program.ProcessHandle(), 10000);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!::GetProcessMemoryInfo(program.ProcessHandle(), &counters, sizeof counters)) return std::nullopt;
  // Wine leaves PrivateUsage at 0; PagefileUsage is the same figure on Windows NT.
  const double bytes = static_cast<double>(counters.PagefileUsage);
  if (!program.Close() || bytes <= 0) return std::nullopt;
  return bytes;
}

}  // namespace tgl::bench
