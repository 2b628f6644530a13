#include "widgets/ToolTip_win.h"

#include <commctrl.h>

#include <cstddef>

#include "base/Errors.h"

namespace tgl {
namespace {

// The record as comctl32 4.00 of Windows 95 knows it: the later fields are left out.
constexpr UINT ToolInfoV1Size = offsetof(TTTOOLINFOA, lpszText) + sizeof(LPSTR);

TTTOOLINFOA ToolOf(HWND control) {
  TTTOOLINFOA tool{};
  tool.cbSize = ToolInfoV1Size;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace

TToolTip::TToolTip(HWND owner)
    : Window(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr)) {
  if (!Window.Get()) throw EError("Cannot create the hint window");
}

void TToolTip::SetTip(HWND control, const std::string& text) {
  TTTOOLINFOA tool = ToolOf(control);
  ::SendMessageA(Window.Get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (text.empty()) return;
  // The tooltip keeps its own copy of the text.
  tool.lpszText = const_cast<char*>(text.c_str());
  ::SendMessageA(Window.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tgl
