#include "support/HeadlessListView.h"

#include <algorithm>
#include <cctype>

namespace tgl::test {

int CompareCaptions(const std::string& a, const std::string& b) {
  auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]) ? -1 : 1;
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return std::islower(static_cast<unsigned char>(a[i])) ? -1 : 1;
  return 0;
}

int THeadlessListView::SortedPosition(const std::string& caption) const {
  int position = 0;
  while (position < Count() && CompareCaptions(Items[position].Caption, caption) <= 0) ++position;
  return position;
}

int THeadlessListView::AddItem(const std::string& caption, void* data, int imageIndex) {
  int position = SortedPosition(caption);
  Items.insert(Items.begin() + position, TItem{caption, data, imageIndex});
  return position;
}

void THeadlessListView::DeleteItem(int index) { Items.erase(Items.begin() + index); }

void THeadlessListView::SetCaption(int index, const std::string& caption) {
  bool allow = true;
  Changing2(index, Items.at(index).State, Items.at(index).State, TItemChange::ctText, allow);
  if (!allow) return;
  TItem item = Items[index];
  item.Caption = caption;
  Items.erase(Items.begin() + index);
  Items.insert(Items.begin() + SortedPosition(caption), item);
}

int THeadlessListView::ImageIndex(int index) const {
  const TItem& item = Items.at(index);
  if (item.Image == ImageOnDemand)
    item.Image = const_cast<THeadlessListView*>(this)->GetImageIndex(index);
  return item.Image;
}

int THeadlessListView::ItemIndex() const {
  for (int index = 0; index < Count(); ++index)
    if (Items[index].State & ItemSelected) return index;
  return -1;
}

int THeadlessListView::FocusedIndex() const {
  for (int index = 0; index < Count(); ++index)
    if (Items[index].State & ItemFocused) return index;
  return -1;
}

std::vector<std::string> THeadlessListView::Captions() const {
  std::vector<std::string> captions;
  for (const TItem& item : Items) captions.push_back(item.Caption);
  return captions;
}

bool THeadlessListView::ChangeState(int index, uint32_t newState, bool forced, bool notify) {
  uint32_t oldState = Items.at(index).State;
  if (oldState == newState) return true;
  bool allow = true;
  Changing2(index, oldState, newState, TItemChange::ctState, allow);
  if (!allow) ++Refusals;
  if (!allow && !forced) return false;
  Items[index].State = newState;
  if (notify) NotifySelection(index, oldState);
  return allow;
}

void THeadlessListView::NotifySelection(int index, uint32_t oldState) {
  bool was = oldState & ItemSelected;
  bool is = Items[index].State & ItemSelected;
  if (was != is) SelectItem(index, is);
}

void THeadlessListView::MoveSelection(int target) {
  int focused = FocusedIndex();
  if (Order == ntFocusFirst) {
    if (target >= 0 && focused >= 0 && focused != target &&
        !ChangeState(focused, Items[focused].State & ~ItemFocused))
      return;
    for (int index = 0; index < Count(); ++index)
      if (index != target && (Items[index].State & ItemSelected) &&
          !ChangeState(index, Items[index].State & ~ItemSelected))
        return;
    if (target >= 0) ChangeState(target, Items[target].State | ItemSelected | ItemFocused);
    return;
  }
  for (int index = 0; index < Count(); ++index)
    if (index != target && (Items[index].State & ItemSelected))
      ChangeState(index, Items[index].State & ~ItemSelected);
  if (target < 0) return;
  uint32_t before = Items[target].State;
  if (!ChangeState(target, before | ItemSelected | ItemFocused, false, false)) return;
  if (focused >= 0 && focused != target)
    ChangeState(focused, Items[focused].State & ~ItemFocused, true);
  NotifySelection(target, before);
}

}  // namespace tgl::test
