#pragma once
// The game list as the window logic sees it: a list view whose items carry a caption, a
// data pointer and an image index and stay sorted by caption, with the selection-change
// veto OnChanging2. The Win32 layer implements it over the list view control (TrlListView),
// the tests over plain data.
//
// The events are raised by the control, also while an operation of this interface runs
// (selecting an item raises the changing and the selection events). Like every event of a
// window they end at their edge: a silent abort ends there, an error is shown there.
#include <cstdint>
#include <functional>
#include <string>

namespace tgl {

// The state bits of a list item, with the values of the list view control.
inline constexpr uint32_t ItemFocused = 0x0001;   // LVIS_FOCUSED
inline constexpr uint32_t ItemSelected = 0x0002;  // LVIS_SELECTED

// The changed part of an item that OnChanging2 reports.
enum class TItemChange { ctText, ctImage, ctState };

// The view styles; the game list uses large icons and list, the Tags of its menu items.
enum TViewStyle : int { vsIcon = 0, vsSmallIcon = 1, vsList = 2, vsReport = 3 };

// Keys, with the values of the virtual-key codes, and the modifier keys held with them.
enum TVirtualKey : int {
  vkReturn = 0x0D,
  vkInsert = 0x2D,
  vkDelete = 0x2E,
  vkI = 0x49,
  vkF2 = 0x71,
};
struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

class TListViewControl {
public:
  // An item's image index that the control asks OnGetImageIndex for when it first needs
  // it, so a long list looks up only the icons it shows.
  static constexpr int ImageOnDemand = -1;

  TListViewControl() = default;
  virtual ~TListViewControl() = default;
  TListViewControl(const TListViewControl&) = delete;
  TListViewControl& operator=(const TListViewControl&) = delete;

  virtual int Count() const = 0;
  // Many items change at once between these two: the control neither draws nor arranges
  // itself in between. Calls nest.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
  // Inserts the item where its caption sorts (captions compared as lstrcmpA compares
  // them); its index.
  virtual int AddItem(const std::string& caption, void* data, int imageIndex) = 0;
  virtual void DeleteItem(int index) = 0;
  virtual void Clear() = 0;

  virtual std::string Caption(int index) const = 0;
  // The item moves to where its new caption sorts.
  virtual void SetCaption(int index, const std::string& caption) = 0;
  virtual void* Data(int index) const = 0;
  // The image index; for an item added with ImageOnDemand, the one OnGetImageIndex gives.
  virtual int ImageIndex(int index) const = 0;
  virtual void SetImageIndex(int index, int imageIndex) = 0;
  // The index of the item holding `data`, or -1.
  int IndexOfData(const void* data) const;

  // The selected item, or -1.
  virtual int ItemIndex() const = 0;
  // Selects and focuses the item, as a click on it would; -1 selects none.
  virtual void SetItemIndex(int index) = 0;
  // Scrolls the item fully into view.
  virtual void MakeVisible(int index) = 0;

  virtual TViewStyle ViewStyle() const = 0;
  virtual void SetViewStyle(TViewStyle style) = 0;

  // Before the control changes an item: the item's index, its state bits before and after,
  // the changed part and whether to allow it (true on entry). Raised only for a change of
  // exactly the text, the image or the state.
  std::function<void(int item, uint32_t oldState, uint32_t newState, TItemChange change,
                     bool& allowChange)>
      OnChanging2;
  // After an item was selected (true) or lost the selection (false).
  std::function<void(int item, bool selected)> OnSelectItem;
  // The image index of an item that was added with ImageOnDemand; the control keeps it.
  std::function<int(int item)> OnGetImageIndex;

protected:
  // Raises an event as a window's message loop does: the silent abort ends it quietly,
  // an error is shown.
  static void RaiseEvent(const std::function<void()>& event);
  void Changing2(int item, uint32_t oldState, uint32_t newState, TItemChange change,
                 bool& allowChange);
  void SelectItem(int item, bool selected);
  // 0 when the event fails or is not set.
  int GetImageIndex(int item);
};

// BeginUpdate and EndUpdate of a list for as long as it lives.
class TListUpdate {
public:
  explicit TListUpdate(TListViewControl& list) : List(list) { List.BeginUpdate(); }
  ~TListUpdate() { List.EndUpdate(); }
  TListUpdate(const TListUpdate&) = delete;
  TListUpdate& operator=(const TListUpdate&) = delete;

private:
  TListViewControl& List;
};

}  // namespace tgl
