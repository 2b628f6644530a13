#include "ui/win32/rlListView_win.h"

#include <shellapi.h>

#include <algorithm>

#include "base/Errors.h"

namespace tgl {
namespace {

// LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT: the hand over a game and its underlined
// title, as hot tracking shows them.
const DWORD HotTrackStyles = 0x00000040 | 0x00000800;

// The shell's system image list, small or large: the one every file's icon index is in.
HIMAGELIST SystemImageList(bool large) {
  SHFILEINFOA info{};
  UINT flags = SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON);
  return reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA("C:\\", 0, &info, sizeof info, flags));
}

TItemChange ChangeOf(UINT changed, bool& known) {
  known = true;
  switch (changed) {
    case LVIF_TEXT: return TItemChange::ctText;
    case LVIF_IMAGE: return TItemChange::ctImage;
    case LVIF_STATE: return TItemChange::ctState;
    default: known = false; return TItemChange::ctState;
  }
}

TShiftState CurrentShiftState() {
  auto held = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
  return {held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU)};
}

}  // namespace

TrlListView::TrlListView(HWND parent, const RECT& bounds, int id, bool extendedStyles) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_ICON | LVS_SINGLESEL |
                LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE;
  Window = TWindowHandle(::CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, bounds.left, bounds.top,
      bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr));
  if (!Window.Get()) throw EError("Cannot create the game list");
  HWND list = Window.Get();
  if (extendedStyles)
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, HotTrackStyles, HotTrackStyles);
  // The window's user data, not a property: the list hears every message through this,
  // and a property is looked up by name each time (under Wine in the server).
  ::SetWindowLongPtrA(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  BaseProcedure = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

// The items go first, while the control can still tell about them; then the window.
TrlListView::~TrlListView() {
  HWND list = Window.Get();
  if (!::IsWindow(list)) return;
  ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  ::SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BaseProcedure));
  ::SetWindowLongPtrA(list, GWLP_USERDATA, 0);
}

TrlListView::TItem* TrlListView::ItemAt(int index) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!::SendMessageA(Window.Get(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    throw EError("List index out of bounds (" + std::to_string(index) + ")");
  return reinterpret_cast<TItem*>(item.lParam);
}

void TrlListView::AttachSystemImageLists() {
  if (ImageListsAttached) return;
  ImageListsAttached = true;
  HWND list = Window.Get();
  ::SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(SystemImageList(false)));
  ::SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(SystemImageList(true)));
}

// Arranging the icons after every insertion costs the square of the items' number.
void TrlListView::BeginUpdate() {
  if (Updating++ > 0) return;
  HWND list = Window.Get();
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  StyleBeforeUpdate = ::GetWindowLongA(list, GWL_STYLE);
  ::SetWindowLongA(list, GWL_STYLE, StyleBeforeUpdate & ~LVS_AUTOARRANGE);
}

void TrlListView::EndUpdate() {
  if (Updating == 0 || --Updating > 0) return;
  HWND list = Window.Get();
  LONG style = ::GetWindowLongA(list, GWL_STYLE);
  ::SetWindowLongA(list, GWL_STYLE, style | (StyleBeforeUpdate & LVS_AUTOARRANGE));
  ::SendMessageA(list, LVM_ARRANGE, LVA_DEFAULT, 0);
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

int TrlListView::Count() const {
  return static_cast<int>(::SendMessageA(Window.Get(), LVM_GETITEMCOUNT, 0, 0));
}

int TrlListView::SortedPosition(const std::string& caption) const {
  int low = 0;
  int high = Count();
  while (low < high) {
    int middle = (low + high) / 2;
    if (::lstrcmpA(ItemAt(middle)->Caption.c_str(), caption.c_str()) <= 0)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

int TrlListView::AddItem(const std::string& caption, void* data, int imageIndex) {
  auto record = std::make_unique<TItem>(TItem{caption, data});
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = SortedPosition(caption);
  item.pszText = const_cast<char*>(record->Caption.c_str());
  item.iImage = imageIndex == ImageOnDemand ? I_IMAGECALLBACK : imageIndex;
  item.lParam = reinterpret_cast<LPARAM>(record.get());
  int index = static_cast<int>(
      ::SendMessageA(Window.Get(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (index < 0) throw EError("Cannot add an item to the game list");
  Items.push_back(std::move(record));
  return index;
}

void TrlListView::DeleteItem(int index) {
  ::SendMessageA(Window.Get(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void TrlListView::Clear() { ::SendMessageA(Window.Get(), LVM_DELETEALLITEMS, 0, 0); }

std::string TrlListView::Caption(int index) const { return ItemAt(index)->Caption; }

void TrlListView::SetCaption(int index, const std::string& caption) {
  TItem* record = ItemAt(index);
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = const_cast<char*>(caption.c_str());
  if (!::SendMessageA(Window.Get(), LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item)))
    return;
  record->Caption = caption;
  ::SendMessageA(Window.Get(), LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&CompareItems));
}

int CALLBACK TrlListView::CompareItems(LPARAM first, LPARAM second, LPARAM) {
  return ::lstrcmpA(reinterpret_cast<TItem*>(first)->Caption.c_str(),
                    reinterpret_cast<TItem*>(second)->Caption.c_str());
}

void* TrlListView::Data(int index) const { return ItemAt(index)->Data; }

int TrlListView::ImageIndex(int index) const {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  ::SendMessageA(Window.Get(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  if (item.iImage != I_IMAGECALLBACK) return item.iImage;
  auto& self = const_cast<TrlListView&>(*this);
  int image = self.GetImageIndex(index);
  self.SetImageIndex(index, image);
  return image;
}

void TrlListView::SetImageIndex(int index, int imageIndex) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  item.iImage = imageIndex;
  ::SendMessageA(Window.Get(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int TrlListView::ItemIndex() const {
  return static_cast<int>(
      ::SendMessageA(Window.Get(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TrlListView::SetItemIndex(int index) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = index < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
  if (index < 0) item.stateMask = LVIS_SELECTED;
  ::SendMessageA(Window.Get(), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void TrlListView::MakeVisible(int index) {
  ::SendMessageA(Window.Get(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

TViewStyle TrlListView::ViewStyle() const {
  switch (::GetWindowLongA(Window.Get(), GWL_STYLE) & LVS_TYPEMASK) {
    case LVS_SMALLICON: return vsSmallIcon;
    case LVS_LIST: return vsList;
    case LVS_REPORT: return vsReport;
    default: return vsIcon;
  }
}

void TrlListView::SetViewStyle(TViewStyle style) {
  LONG type = style == vsSmallIcon ? LVS_SMALLICON
              : style == vsList    ? LVS_LIST
              : style == vsReport  ? LVS_REPORT
                                   : LVS_ICON;
  LONG current = ::GetWindowLongA(Window.Get(), GWL_STYLE);
  if ((current & LVS_TYPEMASK) == type) return;
  ::SetWindowLongA(Window.Get(), GWL_STYLE, (current & ~LVS_TYPEMASK) | type);
  ::SendMessageA(Window.Get(), LVM_ARRANGE, LVA_DEFAULT, 0);
}

LRESULT TrlListView::OnNotify(const NMHDR& header) {
  switch (header.code) {
    case LVN_ITEMCHANGING: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      bool known = false;
      TItemChange part = ChangeOf(change.uChanged, known);
      if (!known) return FALSE;
      bool allow = true;
      Changing2(change.iItem, change.uOldState, change.uNewState, part, allow);
      if (!allow) Refused = true;
      return allow ? FALSE : TRUE;
    }
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) &&
          ((change.uOldState ^ change.uNewState) & LVIS_SELECTED))
        SelectItem(change.iItem, (change.uNewState & LVIS_SELECTED) != 0);
      return 0;
    }
    case LVN_DELETEITEM: {
      auto* record = reinterpret_cast<TItem*>(reinterpret_cast<const NMLISTVIEW&>(header).lParam);
      std::erase_if(Items, [&](const std::unique_ptr<TItem>& item) { return item.get() == record; });
      return 0;
    }
    case LVN_DELETEALLITEMS:
      // FALSE: a LVN_DELETEITEM for each item follows.
      return FALSE;
    case LVN_GETDISPINFOA: {
      // The item keeps what it is given here, and is not asked again.
      auto& info = const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header));
      if (info.item.mask & LVIF_IMAGE) {
        info.item.iImage = GetImageIndex(info.item.iItem);
        info.item.mask |= LVIF_DI_SETITEM;
      }
      return 0;
    }
    case NM_DBLCLK:
      if (OnDblClick) RaiseEvent(OnDblClick);
      return 0;
    default:
      return 0;
  }
}

void TrlListView::KeepSelection() {
  if (!Refused) return;
  Refused = false;
  int focused = static_cast<int>(
      ::SendMessageA(Window.Get(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  if (ItemIndex() < 0 && focused >= 0) SetItemIndex(focused);
}

LRESULT CALLBACK TrlListView::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = reinterpret_cast<TrlListView*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT TrlListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND list = Window.Get();
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (OnMouseDown) RaiseEvent(OnMouseDown);
      Refused = false;
      LRESULT result = ::CallWindowProcA(BaseProcedure, list, message, wParam, lParam);
      KeepSelection();
      return result;
    }
    case WM_KEYDOWN: {
      bool used = false;
      int key = static_cast<int>(wParam);
      if (OnKeyDown) RaiseEvent([&] { used = OnKeyDown(key, CurrentShiftState()); });
      if (used) return 0;
      Refused = false;
      LRESULT result = ::CallWindowProcA(BaseProcedure, list, message, wParam, lParam);
      KeepSelection();
      return result;
    }
    case WM_PAINT:
      AttachSystemImageLists();
      return ::CallWindowProcA(BaseProcedure, list, message, wParam, lParam);
    case WM_GETDLGCODE: {
      // Enter is the list's own key (Run), not the dialog's default button.
      LRESULT code = ::CallWindowProcA(BaseProcedure, list, message, wParam, lParam);
      const MSG* pending = reinterpret_cast<const MSG*>(lParam);
      if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN)
        code |= DLGC_WANTALLKEYS;
      return code;
    }
    default:
      return ::CallWindowProcA(BaseProcedure, list, message, wParam, lParam);
  }
}

}  // namespace tgl
