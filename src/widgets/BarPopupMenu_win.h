#pragma once
// A popup menu drawn beside a vertical side bar that carries a caption written bottom to
// top, as the tray menus of the period were:
//
//   TBarPopupMenu menu("Tesmora GL");
//   menu.AddItem("Show Game Launcher", [&] { ShowApplication(); }, -1, /*isDefault*/ true);
//   menu.AddSeparator();
//   menu.AddItem("&New", [&] { NewGame(); }, 0);
//   menu.SetImages(standardImages);  menu.SetShowImages(true);
//   menu.Popup(cursor);                // opens upwards from the cursor
//
// Every item is drawn by the menu itself (owner-drawn): its slice of the bar, its image when
// images are on and it has one, and its caption, in bold for the default item. Arrows, Enter
// and Esc work as in any menu; a typed mnemonic letter ("&New") picks its item. The chosen
// item's handler runs after the menu has closed. The menu knows nothing of the application:
// its items are whatever the caller adds, and may change between two Popup calls.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

namespace tgl {

inline constexpr const char* BarMenuHostClass = "TglBarMenuHost";

class TBarPopupMenu {
public:
  explicit TBarPopupMenu(const std::string& barCaption);
  ~TBarPopupMenu();
  TBarPopupMenu(TBarPopupMenu&&) noexcept;
  TBarPopupMenu& operator=(TBarPopupMenu&&) noexcept;
  TBarPopupMenu(const TBarPopupMenu&) = delete;
  TBarPopupMenu& operator=(const TBarPopupMenu&) = delete;

  // Adds an item at the end; its position. `image` indexes the image list, -1 for none.
  int AddItem(const std::string& caption, std::function<void()> onClick, int image = -1,
              bool isDefault = false);
  void AddSeparator();
  void Clear();
  int Count() const;
  void SetEnabled(int item, bool enabled);
  // The text the OnHint event gives while the item is highlighted.
  void SetHint(int item, const std::string& hint);

  // The images of the items (not owned; 16 × 16); shown only while ShowImages is on.
  void SetImages(HIMAGELIST images);
  void SetShowImages(bool show);
  bool ShowImages() const;

  // Opens the menu with its bottom left corner at `point` (screen coordinates), or as near
  // as the screen allows, and waits until it closes; then runs the chosen item's handler.
  // The chosen item's position, or -1 when the menu was closed without a choice.
  int Popup(POINT point);

  // Raised just before the menu opens.
  void SetOnPopup(std::function<void()> handler);
  // Raised with the hint of the item the mouse or the keyboard highlights, and with the
  // empty text when none is and when the menu closes.
  void SetOnHint(std::function<void(const std::string&)> handler);

  // The hidden window that owns the menu while it is open.
  HWND HostWindow() const;

private:
  struct TState;
  std::unique_ptr<TState> FState;
};

}  // namespace tgl
