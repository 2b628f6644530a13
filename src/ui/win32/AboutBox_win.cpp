#include "ui/win32/AboutBox_win.h"

#include <memory>
#include <optional>
#include <string>

#include "AboutBox.h"
#include "ResourceIds.h"
#include "base/Errors.h"
#include "base/ProductInfo.h"
#include "base/StartupState.h"
#include "widgets/AnimatedGif_win.h"
#include "widgets/GdiObjects_win.h"
#include "widgets/Guarded_win.h"
#include "widgets/LinkLabel_win.h"

namespace tgl {
namespace {

const int LogoSize = 74;
const int LogoSpeed = 75;

// What the open box holds; made in WM_INITDIALOG, freed when the dialog goes.
struct TAboutState {
  std::optional<TAnimatedGif> Logo;
  TFont TitleFont;

  void Initialize(HWND dialog) {
    std::string caption = std::string("About ") + ProgramTitle;
    ::SetWindowTextA(dialog, caption.c_str());
    ::SetDlgItemTextA(dialog, IDC_ABOUT_TITLE, ProgramTitle);
    ::SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, VersionText);
    ::SetDlgItemTextA(dialog, IDC_ABOUT_COMMENT, ProductComment);

    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    TitleFont.Reset(::CreateFontIndirectA(&font));
    ::SendDlgItemMessageA(dialog, IDC_ABOUT_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(TitleFont.Get()), TRUE);

    for (auto [id, address] : {std::pair{IDC_ABOUT_HOMEPAGE, HomePageAddress}, std::pair{IDC_ABOUT_SUPPORT, SupportAddress}}) {
      TLinkLabel link = TLinkLabel::Attach(::GetDlgItem(dialog, id));
      ::SetWindowTextA(link.Handle(), LinkTextOf(address).c_str());
      link.SetAddress(address);
    }

    HWND logoWindow = ::GetDlgItem(dialog, IDC_ABOUT_LOGO);
    RECT bounds;
    ::GetWindowRect(logoWindow, &bounds);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bounds), 2);
    ::MoveWindow(logoWindow, bounds.left, bounds.top, LogoSize, LogoSize, FALSE);
    Logo = TAnimatedGif::Attach(logoWindow);
    Logo->SetSpeed(LogoSpeed);
    Logo->SetOnClick([dialog] { OpenAddress(dialog, HomePageAddress); });
    if (Logo->LoadFromResource(LogoResource)) Logo->Start();
  }
};

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<TAboutState*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      state = reinterpret_cast<TAboutState*>(lParam);
      ::SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      CallGuarded([&] { state->Initialize(dialog); });
      // OK has the focus first; Tab goes on to the links.
      ::SetFocus(::GetDlgItem(dialog, IDOK));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        if (state && state->Logo) state->Logo->Stop();
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void TAboutBox::Execute(HWND owner) {
  RegisterAnimatedGifClass();
  RegisterLinkLabelClass();
  TAboutState state;
  INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, &AboutProc,
                                     reinterpret_cast<LPARAM>(&state));
  if (result == -1 || result == 0) throw EError("Cannot show the about box");
}

}  // namespace tgl
