#pragma once
// A list view without a window: items sorted by caption as lstrcmpA sorts them, item states,
// and a selection that moves with the item-changing notifications of the real control, in
// either of the two orders real list views use:
//   ntFocusFirst   the old item loses the focus, then the selection, then the new item is
//                  selected and focused; a refused change ends the move (Windows);
//   ntSelectFirst  every other item loses the selection, the new item is selected and
//                  focused, then the old item loses the focus; only a refusal of the new
//                  item's change ends the move (Wine's comctl32).
#include <string>
#include <vector>

#include "ui/ListViewControl.h"

namespace tgl::test {

class THeadlessListView : public TListViewControl {
public:
  enum TNotificationOrder { ntFocusFirst, ntSelectFirst };

  int Count() const override { return static_cast<int>(Items.size()); }
  void BeginUpdate() override { ++Updating; }
  void EndUpdate() override { --Updating; }
  int AddItem(const std::string& caption, void* data, int imageIndex) override;
  void DeleteItem(int index) override;
  void Clear() override { Items.clear(); }
  std::string Caption(int index) const override { return Items.at(index).Caption; }
  void SetCaption(int index, const std::string& caption) override;
  void* Data(int index) const override { return Items.at(index).Data; }
  // An image on demand is asked for here, as a real list asks when it draws the item.
  int ImageIndex(int index) const override;
  void SetImageIndex(int index, int imageIndex) override { Items.at(index).Image = imageIndex; }
  int ItemIndex() const override;
  void SetItemIndex(int index) override { MoveSelection(index); }
  void MakeVisible(int index) override { MadeVisible = index; }
  TViewStyle ViewStyle() const override { return Style; }
  void SetViewStyle(TViewStyle style) override { Style = style; }

  // The user moves the selection to the item (by mouse or key; the press itself is the
  // window's event); -1 clicks on empty space.
  void MoveSelection(int index);
  uint32_t State(int index) const { return Items.at(index).State; }
  int FocusedIndex() const;
  std::vector<std::string> Captions() const;

  TNotificationOrder Order = ntSelectFirst;
  int MadeVisible = -1;
  int Updating = 0;
  // How many item-changing notifications were refused.
  int Refusals = 0;

private:
  struct TItem {
    std::string Caption;
    void* Data;
    mutable int Image;
    uint32_t State = 0;
  };
  // Raises the changing notification; applies the state when it was allowed or `forced`
  // (a change the control carries out whatever the answer), then raises the selection event
  // when `notify` and the selection changed. False when the change was refused.
  bool ChangeState(int index, uint32_t newState, bool forced = false, bool notify = true);
  void NotifySelection(int index, uint32_t oldState);
  int SortedPosition(const std::string& caption) const;

  std::vector<TItem> Items;
  TViewStyle Style = vsIcon;
};

// Compares as lstrcmpA does for the texts of game titles: letter case counts only when the
// texts are otherwise equal, and then lower case comes first.
int CompareCaptions(const std::string& a, const std::string& b);

}  // namespace tgl::test
