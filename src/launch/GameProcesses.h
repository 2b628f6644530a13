#pragma once
// The half of a running game's host that only the platform can do: starting the program
// with a process to wait for, asking the system about processes, the clock, and waiting in
// the message loop. The main window provides it; the window's logic adds the questions,
// messages, status bar and the end of the game to make the whole TGameHost.
#include <cstdint>
#include <optional>
#include <string>

#include "config/StringList.h"
#include "launch/GameHost.h"

namespace tgl {

class TGameProcesses {
public:
  virtual ~TGameProcesses() = default;

  // As TGameHost::StartProgram, HasEnded, ReleaseProcess, RunningProgramNames, TickCount.
  virtual TStartedProgram Start(const std::string& path, const std::string& parameters,
                                const std::string& folder) = 0;
  virtual bool HasEnded(TProcessToken process) = 0;
  virtual void Release(TProcessToken process) = 0;
  virtual TStrings RunningProgramNames() = 0;
  virtual uint32_t TickCount() = 0;

  // From now until StopWatching, the window's logic hears WatchedGameEvent when `process`
  // has ended and, with `poll`, about every TGameSession::PollInterval milliseconds.
  virtual void Watch(std::optional<TProcessToken> process, bool poll) = 0;
  virtual void StopWatching() = 0;
};

}  // namespace tgl
