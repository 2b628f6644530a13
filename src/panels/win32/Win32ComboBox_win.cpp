#include "panels/win32/Win32ComboBox_win.h"

namespace tgl {

TWin32ComboBox::TWin32ComboBox(const TFrameComponent& component, HWND parent, TToolTip& tips)
    : TWin32Control(component,
                    CreateControlWindow(component, parent, "COMBOBOX",
                                        CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP),
                    tips) {}

TStrings TWin32ComboBox::Items() const {
  TStrings items;
  LRESULT count = ::SendMessageA(Handle(), CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    LRESULT length = ::SendMessageA(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (length < 0) length = 0;
    std::string item(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied =
        ::SendMessageA(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
    item.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    items.push_back(std::move(item));
  }
  return items;
}

void TWin32ComboBox::SetItems(const TStrings& items) {
  ::SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TWin32ComboBox::ItemIndex() const {
  return static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

// An index outside the entries, -1 included, leaves the box without a selection.
void TWin32ComboBox::SetItemIndex(int index) {
  ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The list is sized when it is about to drop, not here: sizing a combo box also sizes its
// list's own window, which under Wine is a window of the display server, and a frame full
// of combo boxes then costs twice what making them costs.
void TWin32ComboBox::SetDropDownCount(int count) { FDropDownCount = count; }

// Before the list boxes of Windows XP there is no message for the number of lines: the
// window's height is what the drop-down list gets.
void SetDropDownRows(HWND comboBox, int rows) {
  if (::SendMessageA(comboBox, CB_GETDROPPEDSTATE, 0, 0)) return;
  RECT closed;
  ::GetWindowRect(comboBox, &closed);
  LRESULT selection = ::SendMessageA(comboBox, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  LRESULT line = ::SendMessageA(comboBox, CB_GETITEMHEIGHT, 0, 0);
  if (selection <= 0 || line <= 0) return;
  int height = static_cast<int>(selection) + 6 + static_cast<int>(line) * rows + 2;
  ::SetWindowPos(comboBox, nullptr, 0, 0, closed.right - closed.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// CBN_SELCHANGE comes from the user's pick only: CB_SETCURSEL sends none. CBN_DROPDOWN comes
// before the list shows, so the list shows at its size.
void TWin32ComboBox::OnCommand(int code) {
  if (code == CBN_SELCHANGE) Changed();
  if (code == CBN_DROPDOWN && FSizedRows != FDropDownCount) {
    SetDropDownRows(Handle(), FDropDownCount);
    FSizedRows = FDropDownCount;
  }
}

}  // namespace tgl
