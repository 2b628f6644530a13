#pragma once
// TrlListView: the game list over the list view control. Its items stay sorted by caption
// (lstrcmpA) and carry their data; LVN_ITEMCHANGING raises OnChanging2, whose refusal the
// control obeys. The mouse presses, keys and double clicks reach the window through the
// callbacks below before the control acts on them. The image lists are the shell's system
// lists, shared and never destroyed here; they are fetched when the list is first drawn,
// since the shell takes its time to make them.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/WindowHandle_win.h"
#include "ui/ListViewControl.h"

namespace tgl {

class TrlListView : public TListViewControl {
public:
  TrlListView(HWND parent, const RECT& bounds, int id, bool extendedStyles);
  ~TrlListView() override;

  HWND Handle() const { return Window.Get(); }

  int Count() const override;
  void BeginUpdate() override;
  void EndUpdate() override;
  int AddItem(const std::string& caption, void* data, int imageIndex) override;
  void DeleteItem(int index) override;
  void Clear() override;
  std::string Caption(int index) const override;
  void SetCaption(int index, const std::string& caption) override;
  void* Data(int index) const override;
  int ImageIndex(int index) const override;
  void SetImageIndex(int index, int imageIndex) override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  void MakeVisible(int index) override;
  TViewStyle ViewStyle() const override;
  void SetViewStyle(TViewStyle style) override;

  // A WM_NOTIFY from the control, handed on by its parent; the value to return.
  LRESULT OnNotify(const NMHDR& header);

  std::function<void()> OnMouseDown;
  // True when the key was used and must not reach the control.
  std::function<bool(int key, TShiftState shift)> OnKeyDown;
  std::function<void()> OnDblClick;

private:
  struct TItem {
    std::string Caption;
    void* Data;
  };
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  static int CALLBACK CompareItems(LPARAM first, LPARAM second, LPARAM);
  TItem* ItemAt(int index) const;
  int SortedPosition(const std::string& caption) const;
  // After a press whose selection change was refused: a list view that took the selection
  // from the old item before it asked about the new one leaves none selected; the old
  // item, which kept the focus, gets it back.
  void KeepSelection();
  void AttachSystemImageLists();

  TWindowHandle Window;
  WNDPROC BaseProcedure = nullptr;
  std::vector<std::unique_ptr<TItem>> Items;  // in no order; the control holds pointers
  bool Refused = false;
  bool ImageListsAttached = false;
  int Updating = 0;
  LONG StyleBeforeUpdate = 0;
};

}  // namespace tgl
