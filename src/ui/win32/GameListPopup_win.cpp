#include "ui/win32/GameListPopup_win.h"

#include <utility>

#include "base/Errors.h"
#include "ui/MainKeys.h"
#include "ui/MainTexts.h"
#include "ui/win32/MainToolbars_win.h"
#include "widgets/GdiObjects_win.h"

namespace tgl {
namespace {

const int ImageSize = 16;
const int ImageMargin = 3;
const int TextGap = 4;
const int RightMargin = 16;
const int KeyGap = 16;
const int TextPadding = 3;

// The menu's mnemonics are ASCII letters.
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// An item's caption and the key written after its tab.
std::pair<std::string, std::string> SplitAtTab(const std::string& text) {
  size_t tab = text.find('\t');
  if (tab == std::string::npos) return {text, std::string()};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

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
      Items{{{TMainAction::maExecute, MenuItemText(TMainAction::maExecute, "Run"),
              DefinitionOf(TMainAction::maExecute).ImageIndex, true},
             {TMainAction::maNew, MenuItemText(TMainAction::maNew, "New"),
              DefinitionOf(TMainAction::maNew).ImageIndex, false},
             {TMainAction::maEdit, MenuItemText(TMainAction::maEdit, "Edit..."),
              DefinitionOf(TMainAction::maEdit).ImageIndex, false},
             {TMainAction::maDelete, MenuItemText(TMainAction::maDelete, "Delete"),
              DefinitionOf(TMainAction::maDelete).ImageIndex, false}}} {
  if (!Menu || !ShowAs) {
    if (Menu) ::DestroyMenu(Menu);
    if (ShowAs) ::DestroyMenu(ShowAs);
    throw EError("Cannot create the game list menu");
  }
  Append(Menu, MF_STRING, CommandOf(TMainAction::maExecute), Items[0].Caption.c_str());
  Append(Menu, MF_SEPARATOR, 0, nullptr);
  Append(Menu, MF_STRING, CommandOf(TMainAction::maNew), Items[1].Caption.c_str());
  Append(Menu, MF_STRING, CommandOf(TMainAction::maEdit), Items[2].Caption.c_str());
  Append(Menu, MF_STRING, CommandOf(TMainAction::maDelete), Items[3].Caption.c_str());
  Append(Menu, MF_SEPARATOR, 0, nullptr);
  Append(Menu, MF_STRING, ExportProfileCommand, ExportProfileCaption);
  Append(Menu, MF_STRING, ImportProfileCommand, ImportProfileCaption);
  Append(Menu, MF_STRING, DesktopShortcutCommand, "Create desktop &shortcut");
  Append(Menu, MF_SEPARATOR, 0, nullptr);
  Append(ShowAs, MF_STRING, ViewStyleCommand + 0, "&Large icons");
  Append(ShowAs, MF_STRING, ViewStyleCommand + 2, "&List");
  // The submenu belongs to the menu from here on and goes with it.
  Append(Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(ShowAs), "Sho&w as");
  ::SetMenuDefaultItem(Menu, CommandOf(TMainAction::maExecute), FALSE);
  CheckViewStyle(0);
}

TGameListPopup::~TGameListPopup() { ::DestroyMenu(Menu); }

TGameListPopup::TItem* TGameListPopup::ItemOf(TMainAction action) {
  return const_cast<TItem*>(std::as_const(*this).ItemOf(action));
}

const TGameListPopup::TItem* TGameListPopup::ItemOf(TMainAction action) const {
  for (const TItem& item : Items)
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
  item->Caption = MenuItemText(action, state.Caption);
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
  auto [caption, key] = SplitAtTab(item->Caption);
  RECT text{};
  ::DrawTextA(screen.Get(), caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
  RECT keyText{};
  if (!key.empty())
    ::DrawTextA(screen.Get(), key.c_str(), -1, &keyText, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  int keyWidth = key.empty() ? 0 : KeyGap + keyText.right;
  measure.itemWidth =
      ImageMargin + ImageSize + ImageMargin + TextGap + text.right + keyWidth + RightMargin;
  int imageHeight = ImageSize + 2 * ImageMargin;
  int textHeight = text.bottom + 2 * TextPadding;
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
  auto [caption, key] = SplitAtTab(item->Caption);
  ::DrawTextA(context, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
  text.right -= RightMargin;
  if (!key.empty())
    ::DrawTextA(context, key.c_str(), -1, &text,
                DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  return true;
}

// Drawn items leave their mnemonics to the owner: the key of an item's "&" letter chooses
// it, as it would a text item.
bool TGameListPopup::MenuChar(char key, HMENU menu, LRESULT& result) const {
  if (menu != Menu) return false;
  int count = ::GetMenuItemCount(Menu);
  for (int position = 0; position < count; ++position) {
    UINT command = ::GetMenuItemID(Menu, position);
    const TItem* item = IsActionCommand(static_cast<int>(command))
                            ? ItemOf(ActionOfCommand(static_cast<int>(command)))
                            : nullptr;
    if (!item) continue;
    size_t mark = item->Caption.find('&');
    if (mark == std::string::npos || mark + 1 >= item->Caption.size()) continue;
    if (AsciiUpper(item->Caption[mark + 1]) != AsciiUpper(key)) continue;
    if (::GetMenuState(Menu, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) return false;
    result = MAKELRESULT(position, MNC_EXECUTE);
    return true;
  }
  return false;
}

}  // namespace tgl
