#include "platform/win32/MessageBoxes_win.h"

#include "base/StartupState.h"
#include "platform/win32/ModalOwner_win.h"

namespace tgl {
namespace {

UINT IconOf(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::mkInformation: return MB_ICONINFORMATION;
    case TMessageKind::mkWarning: return MB_ICONWARNING;
    case TMessageKind::mkQuestion: return MB_ICONQUESTION;
    case TMessageKind::mkError: break;
  }
  return MB_ICONERROR;
}

}  // namespace

void TMessageBoxes::ShowMessage(const std::string& text, TMessageKind kind) {
  ::MessageBoxA(ModalOwner(Owner), text.c_str(), ProgramTitle, MB_OK | IconOf(kind));
}

TAnswer TMessageBoxes::Ask(const std::string& text, TQuestionButtons buttons, TMessageKind kind) {
  UINT style = MB_OKCANCEL;
  if (buttons == TQuestionButtons::qbYesNoCancel) style = MB_YESNOCANCEL;
  if (buttons == TQuestionButtons::qbYesNo) style = MB_YESNO;
  switch (::MessageBoxA(ModalOwner(Owner), text.c_str(), ProgramTitle, style | IconOf(kind))) {
    case IDOK: return TAnswer::anOK;
    case IDYES: return TAnswer::anYes;
    case IDNO: return TAnswer::anNo;
    default: return TAnswer::anCancel;
  }
}

}  // namespace tgl
