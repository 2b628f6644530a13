#pragma once
// Message boxes and questions through user32, captioned with the program title.
#include <windows.h>

#include "platform/Messages.h"

namespace tgl {

class TMessageBoxes : public TMessages {
public:
  void ShowMessage(const std::string& text, TMessageKind kind) override;
  TAnswer Ask(const std::string& text, TQuestionButtons buttons, TMessageKind kind) override;
  // The window that owns the boxes from now on; none before the main window exists.
  void SetOwner(HWND owner) { Owner = owner; }

private:
  HWND Owner = nullptr;
};

}  // namespace tgl
