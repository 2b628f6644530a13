#include "ui/win32/WindowGameProcesses_win.h"

#include "launch/GameSession.h"

namespace tgl {

TWindowGameProcesses::~TWindowGameProcesses() { StopWatching(); }

TStartedProgram TWindowGameProcesses::Start(const std::string& path, const std::string& parameters,
                                            const std::string& folder) {
  return Processes.Start(path, parameters, folder);
}

bool TWindowGameProcesses::HasEnded(TProcessToken process) { return Processes.HasEnded(process); }

void TWindowGameProcesses::Release(TProcessToken process) {
  if (Watched == process) Watched.reset();
  Processes.Release(process);
}

TStrings TWindowGameProcesses::RunningProgramNames() {
  return TWin32GameProcesses::RunningProgramNames();
}

uint32_t TWindowGameProcesses::TickCount() { return ::GetTickCount(); }

// The timer runs even with a process handle to wait on: it is the second chance for an end
// the logic could not take while it asked something.
void TWindowGameProcesses::Watch(std::optional<TProcessToken> process, bool /*poll*/) {
  Watched = process;
  HandleSeen = false;
  if (!TimerSet && Window)
    TimerSet = ::SetTimer(Window, GamePollTimer, TGameSession::PollInterval, nullptr) != 0;
}

void TWindowGameProcesses::StopWatching() {
  Watched.reset();
  if (TimerSet && Window) ::KillTimer(Window, GamePollTimer);
  TimerSet = false;
}

HANDLE TWindowGameProcesses::WaitHandle() const {
  if (!Watched || HandleSeen) return nullptr;
  return Processes.HandleOf(*Watched);
}

}  // namespace tgl
