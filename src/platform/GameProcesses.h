#pragma once
// What a running game needs from the platform: starting the program with a process to wait
// for, whether that process ended, the names of the running processes, a clock, and being
// called back while a game runs. The main window provides it over the shell, the kernel and
// its message loop; the tests with a script.
#include <cstdint>
#include <optional>
#include <string>

#include "base/StringList.h"

namespace tgl {

// Stands for a process whose handle is kept until Release.
using TProcessToken = uint32_t;

struct TStartedProgram {
  bool Started = false;  // false: the shell could not start it
  // The process to wait for; none when the shell handed the file to a program that was
  // already running, as it may for a document.
  std::optional<TProcessToken> Process;
};

class TGameProcesses {
public:
  virtual ~TGameProcesses() = default;

  // The shell's "open" on `path` with `parameters`, in `folder`, shown as the program
  // wishes (SW_SHOWDEFAULT).
  virtual TStartedProgram Start(const std::string& path, const std::string& parameters,
                                const std::string& folder) = 0;
  virtual bool HasEnded(TProcessToken process) = 0;
  // The token is not used again: its handle can be closed.
  virtual void Release(TProcessToken process) = 0;
  // The program files of the running processes: file names or full paths.
  virtual TStrings RunningProgramNames() = 0;
  // Milliseconds, wrapping around as GetTickCount does.
  virtual uint32_t TickCount() = 0;

  // From now until StopWatching, TGameSession::Poll is called when `process` has ended and,
  // with `poll`, about every TGameSession::PollInterval milliseconds as well.
  virtual void Watch(std::optional<TProcessToken> process, bool poll) = 0;
  virtual void StopWatching() = 0;
};

}  // namespace tgl
