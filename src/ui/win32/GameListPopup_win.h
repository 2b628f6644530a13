#pragma once
// GameListPopup, the game list's context menu: Run (the default item), New, "Edit...",
// Delete, "Export profile file...", "Import profile file...", "Create desktop shortcut",
// and "Show as" with the radio items "Large icons" (Tag 0) and "List" (Tag 2). Each item has a mnemonic,
// and the action items show the game list's key for them. The action items send their
// actions' commands, the other items theirs, the view-style items ViewStyleCommand + Tag.
// With images on, the action items show their actions' images: they are then drawn by the
// menu itself, through the owner window's WM_MEASUREITEM and WM_DRAWITEM.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <utility>

#include "ui/MainActions.h"

namespace tgl {

inline constexpr int ViewStyleCommand = 200;
inline constexpr int ExportProfileCommand = 210;
inline constexpr int ImportProfileCommand = 211;
inline constexpr int DesktopShortcutCommand = 212;

class TGameListPopup {
public:
  // The images and the fonts (normal, and bold for the default item) are not owned.
  TGameListPopup(HIMAGELIST images, HFONT font, HFONT boldFont);
  ~TGameListPopup();
  TGameListPopup(const TGameListPopup&) = delete;
  TGameListPopup& operator=(const TGameListPopup&) = delete;

  // The item of an action follows it: enabled state, Run's caption and image.
  void ShowAction(TMainAction action, const TActionState& state);
  // Run1, Properties1 and Delete1, as the popup handler sets them.
  void SetGameItemsEnabled(bool enabled);
  void CheckViewStyle(int tag);
  void SetShowImages(bool show);
  // Opens the menu at `point` (screen coordinates); its commands go to `owner`.
  void Track(HWND owner, POINT point) const;

  // The owner window's WM_MEASUREITEM and WM_DRAWITEM; false for an item of another menu.
  bool Measure(MEASUREITEMSTRUCT& measure) const;
  bool Draw(const DRAWITEMSTRUCT& draw) const;
  // The owner window's WM_MENUCHAR: true, with the result to return, when the key is the
  // mnemonic of a drawn item of this menu.
  bool MenuChar(char key, HMENU menu, LRESULT& result) const;

private:
  struct TItem {
    TMainAction Action;
    std::string Caption;
    int Image;
    bool Default;
  };
  TItem* ItemOf(TMainAction action);
  const TItem* ItemOf(TMainAction action) const;
  const TItem* ItemOf(ULONG_PTR data) const;
  void Rebuild(const TItem& item);

  HMENU Menu;
  HMENU ShowAs;
  HIMAGELIST Images;
  HFONT Font;
  HFONT BoldFont;
  bool ShowImages = false;
  std::array<TItem, 4> Items;
};

}  // namespace tgl
