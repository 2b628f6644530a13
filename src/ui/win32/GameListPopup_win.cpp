#include "ui/win32/GameListPopup_win.h"

#include "base/Errors.h"
#include "ui/MainTexts.h"
#include "ui/win32/MainToolbars_win.h"
#include "widgets/GdiObjects_win.h"

namespace tgl {
namespace {

const int ImageSize = 16;
const int ImageMargin = 3;
const int TextGap = 4;
const int RightMargin = 16;
const int TextPadding = 3;

void Append(HMENU menu, UINT flags, UINT_PTR id, const char* caption) {
  if (!::AppendMenuA(menu, flags, id, caption)) throw EError("Cannot create the game list menu");
}

}  // namespace

TGameListPopup::TGameListPopup(HIMAGELIST images, HFONT font, HFONT boldFont)
    : Menu(::CreatePopupMenu()),
      ShowAs(::CreatePopupMenu()),
      Images(images),
      Font(font),
      BoldFont(boldFont),
      Items{{{TMainAction::maExecute, "Run", DefinitionOf(TMainAction::maExecute).ImageIndex, true},
             {TMainAction::maNew, "New", DefinitionOf(TMainAction::maNew).ImageIndex, false},
             {TMainAction::maEdit, "Edit...", DefinitionOf(TMainAction::maEdit).ImageIndex, false},
             {TMainAction::maDelete, "Delete", DefinitionOf(TMainAction::maDelete).ImageIndex,
              false}}} {
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
  Append(Menu, MF_STRING, ExportProfileCommand, ExportProfileCaption);
  Append(Menu, MF_STRING, ImportProfileCommand, ImportProfileCaption);
  Append(Menu, MF_STRING, DesktopShortcutCommand, "Create desktop shortcut");
  Append(Menu, MF_SEPARATOR, 0, nullptr);
  Append(ShowAs, MF_STRING, ViewStyleCommand + 0, "Large icons");
  Append(ShowAs, MF_STRING, ViewStyleCommand + 2, "List");
  // The submenu belongs to the menu from here on and goes with it.
  Append(Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(ShowAs), "Show as");
  ::SetMenuDefaultItem(Menu, CommandOf(TMainAction::maExecute), FALSE);
  CheckViewStyle(0);
}

TGameListPopup::~TGameListPopup() { ::DestroyMenu(Menu); }

TGameListPopup::TItem* TGameListPopup::ItemOf(TMainAction action) {
  for (TItem& item : Items)
    if (item.Action == action) return &item;
  return nullptr;
}

const TGameListPopup::TItem* TGameListPopup::ItemOf(ULONG_PTR data) const {
  for (const TItem& item : Items)
    if (reinterpret_cast<ULONG_PTR>(&item) == data) return &item;
  return nullptr;
}

// The item as text or drawn by the menu; its enabled state stays.
void TGameListPopup::Rebuild(const TItem& item) {
  UINT command = CommandOf(item.Action);
  UINT state = ::GetMenuState(Menu, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED);
  if (ShowImages)
    ::ModifyMenuA(Menu, command, MF_BYCOMMAND | MF_OWNERDRAW | state, command,
                  reinterpret_cast<LPCSTR>(&item));
  else
    ::ModifyMenuA(Menu, command, MF_BYCOMMAND | MF_STRING | state, command, item.Caption.c_str());
  if (item.Default) ::SetMenuDefaultItem(Menu, command, FALSE);
}

void TGameListPopup::ShowAction(TMainAction action, const TActionState& state) {
  TItem* item = ItemOf(action);
  if (!item) return;
  UINT command = CommandOf(action);
  ::EnableMenuItem(Menu, command, MF_BYCOMMAND | (state.Enabled ? MF_ENABLED : MF_GRAYED));
  if (action != TMainAction::maExecute) return;
  item->Caption = state.Caption;
  item->Image = state.ImageIndex;
  Rebuild(*item);
}

void TGameListPopup::SetGameItemsEnabled(bool enabled) {
  UINT flags = MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED);
  for (TMainAction action : {TMainAction::maExecute, TMainAction::maEdit, TMainAction::maDelete})
    ::EnableMenuItem(Menu, CommandOf(action), flags);
  ::EnableMenuItem(Menu, DesktopShortcutCommand, flags);
}

void TGameListPopup::CheckViewStyle(int tag) {
  ::CheckMenuRadioItem(ShowAs, ViewStyleCommand, ViewStyleCommand + 2, ViewStyleCommand + tag,
                       MF_BYCOMMAND);
}

void TGameListPopup::SetShowImages(bool show) {
  if (show == ShowImages || !Images) return;
  ShowImages = show;
  for (const TItem& item : Items) Rebuild(item);
}

void TGameListPopup::Track(HWND owner, POINT point) const {
  ::TrackPopupMenu(Menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, owner, nullptr);
}

bool TGameListPopup::Measure(MEASUREITEMSTRUCT& measure) const {
  const TItem* item = measure.CtlType == ODT_MENU ? ItemOf(measure.itemData) : nullptr;
  if (!item) return false;
  TScreenDc screen;
  TSelection font(screen.Get(), item->Default ? BoldFont : Font);
  SIZE text{};
  ::GetTextExtentPoint32A(screen.Get(), item->Caption.c_str(),
                          static_cast<int>(item->Caption.size()), &text);
  measure.itemWidth = ImageMargin + ImageSize + ImageMargin + TextGap + text.cx + RightMargin;
  int imageHeight = ImageSize + 2 * ImageMargin;
  int textHeight = text.cy + 2 * TextPadding;
  measure.itemHeight = imageHeight > textHeight ? imageHeight : textHeight;
  return true;
}

bool TGameListPopup::Draw(const DRAWITEMSTRUCT& draw) const {
  const TItem* item = draw.CtlType == ODT_MENU ? ItemOf(draw.itemData) : nullptr;
  if (!item) return false;
  bool selected = (draw.itemState & ODS_SELECTED) != 0;
  bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  HDC context = draw.hDC;
  RECT box = draw.rcItem;
  ::FillRect(context, &box, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  int imageTop = box.top + (box.bottom - box.top - ImageSize) / 2;
  if (!disabled)
    ::ImageList_Draw(Images, item->Image, context, box.left + ImageMargin, imageTop,
                     ILD_TRANSPARENT);
  RECT text = box;
  text.left += ImageMargin + ImageSize + ImageMargin + TextGap;
  TSelection font(context, item->Default ? BoldFont : Font);
  ::SetBkMode(context, TRANSPARENT);
  ::SetTextColor(context, ::GetSysColor(disabled   ? COLOR_GRAYTEXT
                                        : selected ? COLOR_HIGHLIGHTTEXT
                                                   : COLOR_MENUTEXT));
  ::DrawTextA(context, item->Caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  return true;
}

}  // namespace tgl
