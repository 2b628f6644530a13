#include "panels/win32/Win32PageControl_win.h"

#include <commctrl.h>

#include <algorithm>

#include "panels/win32/PanelWindow_win.h"

namespace tgl {

TWin32PageControl::TWin32PageControl(const TFrameComponent& component, HWND parent,
                                     TToolTip& tips)
    : TWin32Control(component,
                    CreateControlWindow(component, parent, WC_TABCONTROLA,
                                        WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT),
                    tips) {}

int TWin32PageControl::ItemIndex() const {
  return static_cast<int>(::SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
}

void TWin32PageControl::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(FPages.size())) return;
  ::SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ArrangePages();
}

void TWin32PageControl::OnNotify(UINT code) {
  if (code == TCN_SELCHANGE) ArrangePages();
}

void TWin32PageControl::FillParent(const RECT& client) {
  TWin32Control::FillParent(client);
  ArrangePages();
}

int TWin32PageControl::AddPage(TWin32TabSheet& page, const std::string& caption) {
  int index = static_cast<int>(FPages.size());
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption.c_str());
  ::SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
  FPages.push_back(&page);
  if (ItemIndex() < 0) ::SendMessageA(Handle(), TCM_SETCURSEL, 0, 0);
  ArrangePages();
  return index;
}

void TWin32PageControl::RemovePage(TWin32TabSheet& page) {
  std::replace(FPages.begin(), FPages.end(), &page, static_cast<TWin32TabSheet*>(nullptr));
}

void TWin32PageControl::SetPageCaption(int index, const std::string& caption) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption.c_str());
  ::SendMessageA(Handle(), TCM_SETITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
  ArrangePages();  // the tabs may have taken another row
}

void TWin32PageControl::ArrangePages() {
  RECT area;
  ::GetClientRect(Handle(), &area);
  ::SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  int selected = ItemIndex();
  for (size_t index = 0; index < FPages.size(); ++index) {
    if (!FPages[index]) continue;
    HWND page = FPages[index]->Handle();
    ::SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(page, static_cast<int>(index) == selected ? SW_SHOW : SW_HIDE);
  }
}

TWin32TabSheet::TWin32TabSheet(const TFrameComponent& component, TWin32PageControl& pageControl,
                               TToolTip& tips)
    : TWin32Control(component,
                    CreatePanelWindow(pageControl.Handle(), RECT{0, 0, 0, 0}, component.Tag, false),
                    tips),
      FPageControl(pageControl),
      FCaption(component.Caption) {
  FIndex = FPageControl.AddPage(*this, FCaption);
}

TWin32TabSheet::~TWin32TabSheet() { FPageControl.RemovePage(*this); }

void TWin32TabSheet::SetCaption(const std::string& caption) {
  FCaption = caption;
  FPageControl.SetPageCaption(FIndex, caption);
}

}  // namespace tgl
