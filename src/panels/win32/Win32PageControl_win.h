#pragma once
// The page control of the two-page frames: a tab control whose pages are panels laid over
// its display area, the selected one shown and the others hidden.
#include <vector>

#include "panels/win32/Win32Control_win.h"

namespace tgl {

class TWin32TabSheet;

class TWin32PageControl : public TWin32Control {
public:
  TWin32PageControl(const TFrameComponent& component, HWND parent, TToolTip& tips);

  // The page shown.
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  void OnNotify(UINT code) override;
  void FillParent(const RECT& client) override;

  // For the pages: they add themselves as tabs in creation order and leave when freed.
  int AddPage(TWin32TabSheet& page, const std::string& caption);
  void RemovePage(TWin32TabSheet& page);
  void SetPageCaption(int index, const std::string& caption);
  // Puts every page over the display area and shows only the selected one.
  void ArrangePages();

private:
  std::vector<TWin32TabSheet*> FPages;
};

class TWin32TabSheet : public TWin32Control {
public:
  TWin32TabSheet(const TFrameComponent& component, TWin32PageControl& pageControl,
                 TToolTip& tips);
  ~TWin32TabSheet() override;

  // The caption is the page's tab.
  std::string Caption() const override { return FCaption; }
  void SetCaption(const std::string& caption) override;

private:
  TWin32PageControl& FPageControl;
  std::string FCaption;
  int FIndex;
};

}  // namespace tgl
