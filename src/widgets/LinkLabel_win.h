#pragma once
// Text that looks and acts like a link of a web page: underlined in the link colour, the
// hand cursor over it, a place in the dialog's tab order with a focus rectangle, and opened
// by a click, Enter or the space bar. Opening asks the shell to open the address (no verb,
// no parameters), unless the owner handles OnClick itself.
//
//   TLinkLabel link = TLinkLabel::Attach(::GetDlgItem(dialog, IDC_HOMEPAGE));
//   link.SetAddress("http://example.org/");
//
// Dialog templates name the window class (CONTROL "text", id, "TglLinkLabel", WS_TABSTOP,
// ...); the window's text is what it shows, and the address is the text until one is set.
// On Windows 95, whose system has no hand cursor, the program's cursor resource named
// "HANDCURSOR" stands in; without one the arrow does.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/WindowHandle_win.h"

namespace tgl {

inline constexpr const char* LinkLabelClass = "TglLinkLabel";
inline constexpr const char* LinkCursorResource = "HANDCURSOR";

// Registers the window class, for dialog templates that name it.
void RegisterLinkLabelClass();

// Asks the shell to open an address (no verb, no parameters), as the link does; false
// when it could not. `show` is how the program that opens it shows its window.
bool OpenAddress(HWND owner, const std::string& address, int show = SW_SHOWNORMAL);

class TLinkLabel {
public:
  // A new child of `parent` at `bounds` showing `text`; destroyed with this object.
  TLinkLabel(HWND parent, const RECT& bounds, const std::string& text, int id = 0);
  // The control of a window of this class made elsewhere, which stays its maker's.
  static TLinkLabel Attach(HWND window);
  TLinkLabel(TLinkLabel&&) noexcept = default;
  TLinkLabel& operator=(TLinkLabel&&) noexcept = default;

  HWND Handle() const { return FHandle; }
  void SetAddress(const std::string& address);
  std::string Address() const;
  // Opens the address now, as a click does.
  void Open();
  // Replaces opening the address: a click, Enter or space runs this instead.
  void SetOnClick(std::function<void()> handler);

private:
  TLinkLabel(HWND window, bool owned);
  TWindowHandle FOwned;
  HWND FHandle;
};

}  // namespace tgl
