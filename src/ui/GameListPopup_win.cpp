#include "ui/GameListPopup_win.h"

#include "app/Errors.h"
#include "ui/MainToolbars_win.h"

namespace tgl {
namespace {

void Append(HMENU menu, UINT flags, UINT_PTR id, const char* caption) {
  if (!::AppendMenuA(menu, flags, id, caption)) throw EError("Cannot create the game list menu");
}

}  // namespace

TGameListPopup::TGameListPopup() : Menu(::CreatePopupMenu()), ShowAs(::CreatePopupMenu()) {
  if (!Menu || !ShowAs) {
    if (Menu) ::DestroyMenu(Menu);
    if (ShowAs) ::DestroyMenu(ShowAs);
    throw EError("Cannot create the game list menu");
  }
  Append(Menu, MF_STRING, CommandOf(TMainAction::maExecute), "Run");
  Append(Menu, MF_SEPARATOR, 0, nullptr);
  Append(Menu, MF_STRING, CommandOf(TMainAction::maNew), "New");
  Append(Menu, MF_STRING, CommandOf(TMainAction::maEdit), "Edit...");
  Append(Menu, MF_STRING, CommandOf(TMainAction::maDelete), "Delete");
  Append(Menu, MF_SEPARATOR, 0, nullptr);
  Append(ShowAs, MF_STRING, ViewStyleCommand + 0, "Large icons");
  Append(ShowAs, MF_STRING, ViewStyleCommand + 2, "List");
  // The submenu belongs to the menu from here on and goes with it.
  Append(Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(ShowAs), "Show as");
  ::SetMenuDefaultItem(Menu, CommandOf(TMainAction::maExecute), FALSE);
  CheckViewStyle(0);
}

TGameListPopup::~TGameListPopup() { ::DestroyMenu(Menu); }

void TGameListPopup::ShowAction(TMainAction action, const TActionState& state) {
  UINT command = CommandOf(action);
  if (action == TMainAction::maExecute)
    ::ModifyMenuA(Menu, command, MF_BYCOMMAND | MF_STRING, command, state.Caption.c_str());
  if (action == TMainAction::maExecute || action == TMainAction::maNew ||
      action == TMainAction::maEdit || action == TMainAction::maDelete)
    ::EnableMenuItem(Menu, command, MF_BYCOMMAND | (state.Enabled ? MF_ENABLED : MF_GRAYED));
}

void TGameListPopup::SetGameItemsEnabled(bool enabled) {
  UINT flags = MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED);
  for (TMainAction action : {TMainAction::maExecute, TMainAction::maEdit, TMainAction::maDelete})
    ::EnableMenuItem(Menu, CommandOf(action), flags);
}

void TGameListPopup::CheckViewStyle(int tag) {
  ::CheckMenuRadioItem(ShowAs, ViewStyleCommand, ViewStyleCommand + 2, ViewStyleCommand + tag,
                       MF_BYCOMMAND);
}

void TGameListPopup::Track(HWND owner, POINT point) const {
  ::TrackPopupMenu(Menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, owner, nullptr);
}

}  // namespace tgl
