#include "platform/win32/MessageBoxes_win.h"

#include "app/RootUnit.h"

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
  ::MessageBoxA(Owner, text.c_str(), ProgramTitle, MB_OK | IconOf(kind));
}

TAnswer TMessageBoxes::Ask(const std::string& text, TQuestionButtons buttons, TMessageKind kind) {
  UINT style = buttons == TQuestionButtons::qbYesNoCancel ? MB_YESNOCANCEL : MB_OKCANCEL;
  switch (::MessageBoxA(Owner, text.c_str(), ProgramTitle, style | IconOf(kind))) {
    case IDOK: return TAnswer::anOK;
    case IDYES: return TAnswer::anYes;
    case IDNO: return TAnswer::anNo;
    default: return TAnswer::anCancel;
  }
}

}  // namespace tgl
