#pragma once
// Message boxes and questions. Every box has the program title as its caption and no owner
// window unless the caller's window is given by the Win32 layer itself.
#include <string>

namespace tgl {

enum class TMessageKind { mkInformation, mkWarning, mkError, mkQuestion };

// The buttons a question offers.
enum class TQuestionButtons { qbOKCancel, qbYesNoCancel, qbYesNo };

// The button the user pressed; closing the box any other way is Cancel.
enum class TAnswer { anOK, anCancel, anYes, anNo };

class TMessages {
public:
  virtual ~TMessages() = default;
  // The kind chooses the icon: information, exclamation, stop sign or question mark.
  virtual void ShowMessage(const std::string& text, TMessageKind kind) = 0;
  virtual TAnswer Ask(const std::string& text, TQuestionButtons buttons, TMessageKind kind) = 0;
};

}  // namespace tgl
