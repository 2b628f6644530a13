#pragma once
// GameListPopup, the game list's context menu: Run (the default item), New, "Edit...",
// Delete, and "Show as" with the radio items "Large icons" (Tag 0) and "List" (Tag 2). The
// action items send their actions' commands, the view-style items ViewStyleCommand + Tag.
#include <windows.h>

#include <string>

#include "ui/MainActions.h"

namespace tgl {

inline constexpr int ViewStyleCommand = 200;

class TGameListPopup {
public:
  TGameListPopup();
  ~TGameListPopup();
  TGameListPopup(const TGameListPopup&) = delete;
  TGameListPopup& operator=(const TGameListPopup&) = delete;

  // The item of an action follows it: enabled state, and Run's caption.
  void ShowAction(TMainAction action, const TActionState& state);
  // Run1, Properties1 and Delete1, as the popup handler sets them.
  void SetGameItemsEnabled(bool enabled);
  void CheckViewStyle(int tag);
  // Opens the menu at `point` (screen coordinates); its commands go to `owner`.
  void Track(HWND owner, POINT point) const;

private:
  HMENU Menu;
  HMENU ShowAs;
};

}  // namespace tgl
