#pragma once
// What a running game needs from the window that started it: starting the program with a
// process to wait for, whether that process ended, the names of the running processes,
// a clock, being called back while a game runs, questions, messages and the status bar.
// The main window implements it over the shell, the kernel and its own controls; the
// tests implement it with scripted answers.
#include <cstdint>
#include <optional>
#include <string>

#include "config/StringList.h"
#include "platform/Messages.h"

namespace tgl {

// Stands for a process the host keeps a handle of, until ReleaseProcess.
using TProcessToken = uint32_t;

struct TStartedProgram {
  bool Started = false;  // false: the shell could not start it
  // The process to wait for; none when the shell handed the file to a program that was
  // already running, as it may for a document.
  std::optional<TProcessToken> Process;
};

class TGameHost {
public:
  virtual ~TGameHost() = default;

  // The shell's "open" on `path` with `parameters`, in `folder`, shown as the program
  // wishes (SW_SHOWDEFAULT).
  virtual TStartedProgram StartProgram(const std::string& path, const std::string& parameters,
                                       const std::string& folder) = 0;
  virtual bool HasEnded(TProcessToken process) = 0;
  // The token is not used again: its handle can be closed.
  virtual void ReleaseProcess(TProcessToken process) = 0;
  // The program files of the running processes: file names or full paths.
  virtual TStrings RunningProgramNames() = 0;
  // Milliseconds, wrapping around as GetTickCount does.
  virtual uint32_t TickCount() = 0;

  // From now until StopWatching, call TGameSession::Poll when `process` has ended and, with
  // `poll`, about every TGameSession::PollInterval milliseconds as well.
  virtual void Watch(std::optional<TProcessToken> process, bool poll) = 0;
  virtual void StopWatching() = 0;

  // A question with OK and Cancel and the warning icon; true for OK.
  virtual bool Confirm(const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text, TMessageKind kind) = 0;
  // The status bar's text while a game runs; the empty text gives the bar back.
  virtual void ShowStatus(const std::string& text) = 0;
  // The game that was waited for ended and its settings were put back: a window that was
  // to close after the game (OnRun "Exit", a /run without the window) may close now.
  virtual void GameEnded() = 0;
};

}  // namespace tgl
