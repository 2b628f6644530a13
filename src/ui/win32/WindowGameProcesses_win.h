#pragma once
// The running games of the main window: the processes the shell started for them, and the
// wait for their end inside the window's own message loop. The loop waits on
// WaitHandle() with MsgWaitForMultipleObjects and calls HandleSignalled when it is set; a
// window timer (WM_TIMER with GamePollTimer) keeps polling while a game is watched, so an
// end that came while the logic was busy with a question is still noticed.
#include <windows.h>

#include <optional>

#include "platform/GameProcesses.h"
#include "platform/win32/GameProcesses_win.h"

namespace tgl {

inline constexpr UINT_PTR GamePollTimer = 1;

class TWindowGameProcesses : public TGameProcesses {
public:
  explicit TWindowGameProcesses(HWND window) : Window(window) {}
  ~TWindowGameProcesses() override;
  TWindowGameProcesses(const TWindowGameProcesses&) = delete;
  TWindowGameProcesses& operator=(const TWindowGameProcesses&) = delete;

  TStartedProgram Start(const std::string& path, const std::string& parameters,
                        const std::string& folder) override;
  bool HasEnded(TProcessToken process) override;
  void Release(TProcessToken process) override;
  TStrings RunningProgramNames() override;
  uint32_t TickCount() override;
  void Watch(std::optional<TProcessToken> process, bool poll) override;
  void StopWatching() override;

  // The process handle the message loop waits on; nullptr when there is none, or once it
  // was set (a process that ended stays set: from then on the timer polls).
  HANDLE WaitHandle() const;
  void HandleSignalled() { HandleSeen = true; }

private:
  HWND Window;
  TWin32GameProcesses Processes;
  std::optional<TProcessToken> Watched;
  bool HandleSeen = false;
  bool TimerSet = false;
};

}  // namespace tgl
