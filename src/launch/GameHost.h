#pragma once
// What a running game needs from the window that started it: questions, messages, the
// status bar, and word of the game's end. The window's logic implements it; the tests with
// scripted answers. The processes themselves are TGameProcesses.
#include <string>

#include "platform/Messages.h"

namespace tgl {

class TGameHost {
public:
  virtual ~TGameHost() = default;

  // A question with OK and Cancel and the warning icon; true for OK.
  virtual bool Confirm(const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text, TMessageKind kind) = 0;
  // The game whose settings wait to be restored, by its title, for the status bar and the
  // tray tip; the empty title when there is none any more.
  virtual void ShowRunningGame(const std::string& title) = 0;
  // The game that was waited for ended and its settings were put back: a window that was
  // to close after the game (OnRun "Exit", a /run without the window) may close now.
  virtual void GameEnded() = 0;
};

}  // namespace tgl
