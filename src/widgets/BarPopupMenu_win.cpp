#include "widgets/BarPopupMenu_win.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "base/Errors.h"
#include "platform/win32/WindowClass_win.h"
#include "platform/win32/WindowHandle_win.h"
#include "widgets/BarMenuLayout.h"
#include "widgets/GdiObjects_win.h"
#include "widgets/Guarded_win.h"

namespace tgl {
namespace {

using M = TBarMenuMetrics;

// The bar's colours, top and bottom: the title bar blues of Windows 98.
const COLORREF BarTop = RGB(16, 132, 208);
const COLORREF BarBottom = RGB(0, 0, 128);
const int BarFontHeight = -16;

class TMenuHandle {
public:
  TMenuHandle() : FMenu(::CreatePopupMenu()) {
    if (!FMenu) throw EError("Cannot create a menu");
  }
  ~TMenuHandle() { ::DestroyMenu(FMenu); }
  TMenuHandle(const TMenuHandle&) = delete;
  TMenuHandle& operator=(const TMenuHandle&) = delete;
  HMENU Get() const { return FMenu; }

private:
  HMENU FMenu;
};

struct TMenuEntry {
  TBarMenuItem Item;
  int Image = -1;
  std::string Hint;
  std::function<void()> OnClick;
};

// The font of menus as the user set it in the display properties.
LOGFONTA MenuLogFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;  // the Windows 95 record: WINVER keeps later fields out
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return metrics.lfMenuFont;
  LOGFONTA font{};
  ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return font;
}

class TScreenMenuFonts : public TMenuFonts {
public:
  TScreenMenuFonts(HFONT normal, HFONT bold) : FNormal(normal), FBold(bold) {}
  TTextExtent Caption(const std::string& caption, bool bold) const override {
    TScreenDc screen;
    TSelection font(screen.Get(), bold ? FBold : FNormal);
    RECT bounds{0, 0, 0, 0};
    ::DrawTextA(screen.Get(), caption.c_str(), -1, &bounds, DT_CALCRECT | DT_SINGLELINE);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
  }
  int CheckMarkWidth() const override { return ::GetSystemMetrics(SM_CXMENUCHECK); }

private:
  HFONT FNormal;
  HFONT FBold;
};

COLORREF Mix(COLORREF from, COLORREF to, int step, int steps) {
  auto channel = [&](int a, int b) { return a + (b - a) * step / std::max(1, steps); };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}

RECT RectOf(const TItemBox& box) { return {box.Left, box.Top, box.Right(), box.Bottom()}; }

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  TBrush brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &rect, brush.Get());
}

}  // namespace

struct TBarPopupMenu::TState {
  std::string BarCaption;
  std::vector<TMenuEntry> Entries;
  HIMAGELIST Images = nullptr;
  bool ShowImages = false;
  bool Open = false;
  std::function<void()> OnPopup;
  std::function<void(const std::string&)> OnHint;
  TWindowHandle Host;

  // Made for each opening, as the user may change the menu font in between.
  TFont NormalFont;
  TFont BoldFont;
  TFont BarFont;
  std::vector<int> Tops;  // each item's top, from the top of the first
  int Height = 0;

  std::vector<TBarMenuItem> Items() const {
    std::vector<TBarMenuItem> items;
    for (const TMenuEntry& entry : Entries) items.push_back(entry.Item);
    return items;
  }

  void PrepareFonts() {
    LOGFONTA font = MenuLogFont();
    NormalFont.Reset(::CreateFontIndirectA(&font));
    font.lfWeight = FW_BOLD;
    BoldFont.Reset(::CreateFontIndirectA(&font));
    LOGFONTA bar{};
    bar.lfHeight = BarFontHeight;
    bar.lfEscapement = bar.lfOrientation = 900;  // written bottom to top
    bar.lfWeight = FW_BOLD;
    bar.lfItalic = TRUE;
    bar.lfCharSet = DEFAULT_CHARSET;
    // Only an outline font turns; without Tahoma (Windows 95) the mapper takes another one.
    bar.lfOutPrecision = OUT_TT_PRECIS;
    std::memcpy(bar.lfFaceName, "Tahoma", sizeof "Tahoma");
    BarFont.Reset(::CreateFontIndirectA(&bar));
    TScreenMenuFonts fonts(NormalFont.Get(), BoldFont.Get());
    Tops.clear();
    Height = 0;
    for (const TMenuEntry& entry : Entries) {
      Tops.push_back(Height);
      Height += MeasureBarMenuItem(entry.Item, fonts, ShowImages).Height;
    }
  }

  void ReleaseFonts() {
    NormalFont.Reset();
    BoldFont.Reset();
    BarFont.Reset();
  }

  void Measure(MEASUREITEMSTRUCT& measure) const {
    if (measure.itemData >= Entries.size()) return;
    TScreenMenuFonts fonts(NormalFont.Get(), BoldFont.Get());
    TTextExtent size = MeasureBarMenuItem(Entries[measure.itemData].Item, fonts, ShowImages);
    measure.itemWidth = static_cast<UINT>(size.Width);
    measure.itemHeight = static_cast<UINT>(size.Height);
  }

  // The item's slice of the bar: its part of the gradient over the whole menu, and its part
  // of the caption, which stands at the bottom of the menu.
  void DrawBar(HDC dc, const TItemBox& slice, int menuTop) const {
    for (int y = slice.Top; y < slice.Bottom(); ++y)
      FillSolid(dc, RECT{slice.Left, y, slice.Right(), y + 1}, Mix(BarTop, BarBottom, y - menuTop, Height));
    TSelection font(dc, BarFont.Get());
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    TBarTextOrigin origin = BarTextOrigin(Height, metrics.tmHeight);
    RECT clip = RectOf(slice);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::ExtTextOutA(dc, slice.Left + origin.X, menuTop + origin.Y, ETO_CLIPPED, &clip, BarCaption.c_str(),
                  static_cast<UINT>(BarCaption.size()), nullptr);
  }

  void Draw(const DRAWITEMSTRUCT& draw) const {
    if (draw.itemData >= Entries.size() || draw.itemData >= Tops.size()) return;
    const TMenuEntry& entry = Entries[draw.itemData];
    HDC dc = draw.hDC;
    const RECT& r = draw.rcItem;
    const TItemBox box{r.left, r.top, r.right - r.left, r.bottom - r.top};
    const TBarMenuItemParts parts = ArrangeBarMenuItem(box, entry.Item.Separator, ShowImages);
    DrawBar(dc, parts.Bar, r.top - Tops[draw.itemData]);

    if (entry.Item.Separator) {
      RECT rest{parts.Bar.Right(), r.top, r.right, r.bottom};
      ::FillRect(dc, &rest, ::GetSysColorBrush(COLOR_MENU));
      RECT dark{parts.Bar.Right() + 2, parts.SeparatorY, r.right - 2, parts.SeparatorY + 1};
      ::FillRect(dc, &dark, ::GetSysColorBrush(COLOR_3DSHADOW));
      RECT light{dark.left, dark.top + 1, dark.right, dark.bottom + 1};
      ::FillRect(dc, &light, ::GetSysColorBrush(COLOR_3DHILIGHT));
      return;
    }

    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0 || !entry.Item.Enabled;
    RECT highlight = RectOf(parts.Highlight);
    ::FillRect(dc, &highlight, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (ShowImages && Images && entry.Image >= 0)
      ::ImageList_Draw(Images, entry.Image, dc, parts.Image.Left, parts.Image.Top,
                       ILD_TRANSPARENT | (grayed ? ILD_BLEND50 : 0));

    TSelection font(dc, entry.Item.Default ? BoldFont.Get() : NormalFont.Get());
    ::SetBkMode(dc, TRANSPARENT);
    // Windows 2000 hides the mnemonic underlines until the keyboard is used.
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT | ((draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    RECT text = RectOf(parts.Text);
    if (grayed && !selected) {
      // Engraved, as Windows 98 draws a disabled item.
      RECT raised{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
      ::SetTextColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
      ::DrawTextA(dc, entry.Item.Caption.c_str(), -1, &raised, format);
    }
    ::SetTextColor(dc, ::GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    ::DrawTextA(dc, entry.Item.Caption.c_str(), -1, &text, format);
  }

  LRESULT MenuChar(char key, HMENU menu) const {
    int selected = -1;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
      if (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) selected = position;
    TMnemonicChoice choice = ChooseByMnemonic(Items(), key, selected);
    if (choice.Item < 0) return MAKELRESULT(0, MNC_IGNORE);
    return MAKELRESULT(choice.Item, choice.Execute ? MNC_EXECUTE : MNC_SELECT);
  }

  void MenuSelect(UINT command, UINT flags, HMENU menu) const {
    auto handler = OnHint;
    if (!handler) return;
    const bool closed = flags == 0xFFFF && !menu;
    const bool item = !closed && !(flags & (MF_SEPARATOR | MF_POPUP)) && command >= 1 && command <= Entries.size();
    handler(item ? Entries[command - 1].Hint : std::string());
  }

  static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      ::SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TState*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
      case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType != ODT_MENU) break;
        CallGuarded([&] { self->Measure(measure); });
        return TRUE;
      }
      case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw.CtlType != ODT_MENU) break;
        CallGuarded([&] { self->Draw(draw); });
        return TRUE;
      }
      case WM_MENUCHAR: {
        LRESULT result = MAKELRESULT(0, MNC_IGNORE);
        CallGuarded([&] { result = self->MenuChar(static_cast<char>(LOWORD(wParam)), reinterpret_cast<HMENU>(lParam)); });
        return result;
      }
      case WM_MENUSELECT:
        CallGuarded([&] { self->MenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); });
        return 0;
      default:
        break;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
};

TBarPopupMenu::TBarPopupMenu(const std::string& barCaption) : FState(std::make_unique<TState>()) {
  FState->BarCaption = barCaption;
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterWindowClass({.Name = BarMenuHostClass,
                       .Procedure = &TState::HostProc,
                       .RefusedText = "Cannot register the menu window class",
                       .ArrowCursor = false});
  // A hidden top-level window: a menu opened from the tray needs its owner in the foreground.
  FState->Host = TWindowHandle(::CreateWindowExA(0, BarMenuHostClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                                 instance, FState.get()));
  if (!FState->Host.Get()) throw EError("Cannot create the menu window");
}

TBarPopupMenu::~TBarPopupMenu() = default;
TBarPopupMenu::TBarPopupMenu(TBarPopupMenu&&) noexcept = default;
TBarPopupMenu& TBarPopupMenu::operator=(TBarPopupMenu&&) noexcept = default;

int TBarPopupMenu::AddItem(const std::string& caption, std::function<void()> onClick, int image, bool isDefault) {
  TMenuEntry entry;
  entry.Item.Caption = caption;
  entry.Item.Default = isDefault;
  entry.Image = image;
  entry.OnClick = std::move(onClick);
  FState->Entries.push_back(std::move(entry));
  return Count() - 1;
}

void TBarPopupMenu::AddSeparator() {
  TMenuEntry entry;
  entry.Item.Separator = true;
  FState->Entries.push_back(std::move(entry));
}

void TBarPopupMenu::Clear() { FState->Entries.clear(); }

int TBarPopupMenu::Count() const { return static_cast<int>(FState->Entries.size()); }

void TBarPopupMenu::SetEnabled(int item, bool enabled) { FState->Entries.at(item).Item.Enabled = enabled; }

void TBarPopupMenu::SetHint(int item, const std::string& hint) { FState->Entries.at(item).Hint = hint; }

void TBarPopupMenu::SetImages(HIMAGELIST images) { FState->Images = images; }

void TBarPopupMenu::SetShowImages(bool show) { FState->ShowImages = show; }

bool TBarPopupMenu::ShowImages() const { return FState->ShowImages; }

void TBarPopupMenu::SetOnPopup(std::function<void()> handler) { FState->OnPopup = std::move(handler); }

void TBarPopupMenu::SetOnHint(std::function<void(const std::string&)> handler) {
  FState->OnHint = std::move(handler);
}

HWND TBarPopupMenu::HostWindow() const { return FState->Host.Get(); }

int TBarPopupMenu::Popup(POINT point) {
  TState& state = *FState;
  if (state.Open) return -1;
  if (auto handler = state.OnPopup) handler();
  if (state.Entries.empty()) return -1;

  TMenuHandle menu;
  for (size_t index = 0; index < state.Entries.size(); ++index) {
    const TBarMenuItem& item = state.Entries[index].Item;
    const auto data = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(index));
    UINT flags = MF_OWNERDRAW | (item.Separator ? MF_SEPARATOR : item.Enabled ? 0 : MF_GRAYED);
    if (!::AppendMenuA(menu.Get(), flags, item.Separator ? 0 : index + 1, data)) throw EError("Cannot create a menu");
  }
  state.PrepareFonts();
  state.Open = true;
  HWND host = state.Host.Get();
  // A menu whose owner is not in the foreground would not close on a click elsewhere; the
  // empty message afterwards lets a second click on the tray icon open it again.
  ::SetForegroundWindow(host);
  const int command = static_cast<int>(::TrackPopupMenu(
      menu.Get(), TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, 0, host, nullptr));
  ::PostMessageA(host, WM_NULL, 0, 0);
  state.Open = false;
  state.ReleaseFonts();
  if (command < 1 || command > Count()) return -1;
  const int chosen = command - 1;
  // A copy: the handler may change the menu's items.
  if (auto handler = state.Entries[chosen].OnClick) handler();
  return chosen;
}

}  // namespace tgl
