#include "platform/win32/MessageBoxes_win.h"

#include "app/RootUnit.h"

namespace tgl {

void TMessageBoxes::ShowMessage(const std::string& text, TMessageKind kind) {
  UINT icon = kind == TMessageKind::mkInformation ? MB_ICONINFORMATION
              : kind == TMessageKind::mkWarning   ? MB_ICONWARNING
                                                  : MB_ICONERROR;
  ::MessageBoxA(Owner, text.c_str(), ProgramTitle, MB_OK | icon);
}

}  // namespace tgl
