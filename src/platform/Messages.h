#pragma once
// Message boxes. Every box has the program title as its caption and no owner window
// unless the caller's window is given by the Win32 layer itself.
#include <string>

namespace tgl {

enum class TMessageKind { mkInformation, mkWarning, mkError };

class TMessages {
public:
  virtual ~TMessages() = default;
  virtual void ShowMessage(const std::string& text, TMessageKind kind) = 0;
};

}  // namespace tgl
