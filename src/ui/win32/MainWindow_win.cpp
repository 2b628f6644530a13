// The main window's controls and the view that its logic sees.
#include "ui/win32/MainWindow_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "ResourceIds.h"
#include "base/Errors.h"
#include "base/StartupState.h"
#include "panels/win32/Win32ComboBox_win.h"
#include "platform/Platform.h"
#include "platform/win32/WindowClass_win.h"
#include "widgets/Guarded_win.h"
#include "ui/MainLayout.h"
#include "ui/UserGuide.h"
#include "ui/win32/AboutBox_win.h"
#include "ui/win32/GamePropWindow_win.h"
#include "ui/win32/OptionsWindow_win.h"

namespace tgl {
namespace {

const int CardBoxId = 10;
const int GamesListId = 11;
const int StatusBarId = 12;
const int TitleLabelId = 13;
const int DetailsPanelId = 14;
const char* const MainWindowProperty = "TglMainWindow";
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Fuchsia = RGB(255, 0, 255);
const char* const UnsupportedCardText = "Your videocard isn't supported by \rTesmora Game Launcher";
const char* const SupportedCardsText =
    "Supported cards: 3dfx Voodoo3, Voodoo4 and Voodoo5, ATI Rage Pro and Radeon, nVidia "
    "TNT and GeForce. Run still starts the game, without changing the driver's settings.";
// The hand over a game under the mouse, from the program's resources.
const char* const HandCursorResource = "HANDCURSOR";

// Single fixed border, system menu and minimise box only. Not clipping its children: a
// group box of a tuning panel leaves its inside to be painted by what lies beneath it.
const DWORD MainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

RECT Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

}  // namespace

TMainWindow::TMainWindow(HINSTANCE instance, TInstanceMutex& mutex, const TFrameRegistry& frames)
    : Mutex(mutex),
      Frames(frames),
      Controls(InitializeMainWindowControls()),
      StandardImages(TImageList::FromBitmap(StandardImagesResource, StandardImageWidth)),
      IdleImages(TImageList::FromBitmap(IdleImagesResource, ToolbarImageWidth)),
      HotImages(TImageList::FromBitmap(HotImagesResource, ToolbarImageWidth)),
      BandBitmap(static_cast<HBITMAP>(::LoadImageA(instance, BandBitmapResource, IMAGE_BITMAP,
                                                   0, 0, LR_DEFAULTCOLOR))) {
  RegisterWindowClass({.Name = MainWindowClass,
                       .Procedure = &TMainWindow::WindowProc,
                       .RefusedText = "Cannot register the main window class",
                       .Background = ButtonFaceBrush(),
                       .Icon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM))});
  RECT outer{0, 0, MainLayout::ClientWidth, MainLayout::ClientHeight};
  ::AdjustWindowRectEx(&outer, MainWindowStyle, FALSE, 0);
  Window = ::CreateWindowExA(0, MainWindowClass, ProgramTitle,
                             MainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                             outer.right - outer.left, outer.bottom - outer.top, nullptr,
                             nullptr, instance, this);
  if (!Window) throw EError("Cannot create the main window");
  CreateControls();
  CreateWidgets();
  Processes = std::make_unique<TWindowGameProcesses>(Window);
  Form = std::make_unique<TTesmoraGLxForm>(*this, Frames);
  Games->OnMouseDown = [this] { Form->GamesListMouseDown(); };
  Games->OnKeyDown = [this](int key, TShiftState shift) {
    return Form->GamesListKeyDown(key, shift);
  };
  Games->OnDblClick = [this] { Form->GamesListDblClick(); };
}

TMainWindow::~TMainWindow() {
  if (Window) ::DestroyWindow(Window);
}

HWND TMainWindow::CreateChild(const char* className, const char* text, DWORD style, int left,
                              int top, int width, int height, int id) {
  HWND child = ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, left, top,
                                 width, height, Window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
  if (!child) throw EError("Cannot create the main window's controls");
  ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts.Normal.Get()), FALSE);
  return child;
}

void TMainWindow::CreateControls() {
  using namespace MainLayout;
  const int toolbarsWidth = ClientWidth - LogoPanelWidth;
  CreateChild("STATIC", "Card:", SS_LEFT | SS_NOPREFIX, CardLabelLeft, CardLabelTop,
              DevicesComboLeft - CardLabelLeft, 13);
  CardBox = CreateChild("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                        DevicesComboLeft, DevicesComboTop, DevicesComboWidth, 200, CardBoxId);
  ::SetPropA(CardBox, MainWindowProperty, static_cast<HANDLE>(this));
  CardBoxBase = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(CardBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CardBoxProc)));
  SetDropDownRows(CardBox, 8);
  CreateChild("STATIC", "Game title:", SS_LEFT | SS_NOPREFIX, GameTitleCaptionLeft, CardLabelTop,
              GameTitleLabelLeft - GameTitleCaptionLeft, 13);
  TitleLabel = CreateChild("STATIC", "Game Title", SS_LEFT | SS_NOPREFIX | SS_LEFTNOWORDWRAP,
                           GameTitleLabelLeft, CardLabelTop,
                           toolbarsWidth - GameTitleLabelLeft - 4, 13, TitleLabelId);
  ::SendMessageA(TitleLabel, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts.Bold.Get()), FALSE);

  TToolbarImages images{StandardImages.Get(), IdleImages.Get(), HotImages.Get(),
                        BandBitmap.Get()};
  Toolbars = std::make_unique<TMainToolbars>(Window, Panel3Height, toolbarsWidth, Controls,
                                             images, Fonts.Normal.Get());

  const int panelsHeight = ClientHeight - ToolbarPanelHeight - StatusBarHeight;
  Games = std::make_unique<TrlListView>(
      Window,
      Bounds(GamesPanelBorder, ToolbarPanelHeight + GamesPanelBorder,
             GamesPanelWidth - 2 * GamesPanelBorder, panelsHeight - 2 * GamesPanelBorder),
      GamesListId, Controls.HasFlatToolbars);
  ::SendMessageA(Games->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Fonts.Normal.Get()), FALSE);
  if (Controls.HasHotCursor)
    ::SendMessageA(Games->Handle(), LVM_SETHOTCURSOR, 0,
                   reinterpret_cast<LPARAM>(::LoadCursorA(::GetModuleHandleA(nullptr),
                                                          HandCursorResource)));
  Details = std::make_unique<TPanelWindow>(
      Window,
      Bounds(GamesPanelWidth, ToolbarPanelHeight, ClientWidth - GamesPanelWidth, panelsHeight),
      DetailsPanelId);
  Notice = std::make_unique<TNoticeLabel>(
      Details->Handle(), TNoticeTexts{UnsupportedCardText, Fonts.Notice.Get(), Fuchsia,
                                      SupportedCardsText, Fonts.Normal.Get()});
  FramePanel = std::make_unique<TWin32FramePanel>(Details->Handle());

  StatusBar = CreateChild(STATUSCLASSNAMEA, "", 0, 0, ClientHeight - StatusBarHeight,
                          ClientWidth, StatusBarHeight, StatusBarId);
  int parts[] = {StatusVersionPanelWidth, -1};
  ::SendMessageA(StatusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  GamePopup = std::make_unique<TGameListPopup>(StandardImages.Get(), Fonts.Normal.Get(),
                                               Fonts.Bold.Get());
  ::SetFocus(Games->Handle());
}

// The logo at the right of the top strip, and the tray icon: their events go to the logic
// once it exists.
void TMainWindow::CreateWidgets() {
  using namespace MainLayout;
  Logo = std::make_unique<TAnimatedGif>(
      Window,
      Bounds(ClientWidth - LogoPanelWidth + (LogoPanelWidth - LogoSize) / 2,
             (ToolbarPanelHeight - LogoSize) / 2, LogoSize, LogoSize));
  Logo->SetSpeed(75);
  Logo->LoadFromResource(LogoResource);
  Logo->SetOnWrapAnimation([this] {
    if (Form) Form->GIFLogoImageWrapAnimation();
  });
  Logo->SetOnClick([this] {
    if (Form) Form->GIFLogoImageClick();
  });
  TTrayHandlers handlers;
  handlers.ShowApplication = [this] { Form->ShowApplicationClick(); };
  handlers.Execute = [this](TMainAction action) { Form->ExecuteAction(action); };
  handlers.Exit = [this] { Form->Exit1Click(); };
  handlers.Help = [] { CallGuarded([] { OpenUserGuide(); }); };
  handlers.Hint = [this](const std::string& hint) { ShowHint(hint); };
  handlers.RunGame = [this](int index) { Form->TrayGameClick(index); };
  Tray = std::make_unique<TMainTray>(Window, StandardImages.Get(), std::move(handlers));
}

void TMainWindow::SetCaption(const std::string& caption) {
  ::SetWindowTextA(Window, caption.c_str());
}

void TMainWindow::SetGameTitle(const std::string& title) {
  ::SetWindowTextA(TitleLabel, title.c_str());
}

void TMainWindow::SetStatusText(int panel, const std::string& text) {
  ::SendMessageA(StatusBar, SB_SETTEXTA, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

// Measured in the status bar's own font against panel 1 less its borders, as the bar
// draws it.
bool TMainWindow::StatusTextFits(const std::string& text) const {
  RECT pane{};
  ::SendMessageA(StatusBar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&pane));
  int borders[3] = {};
  ::SendMessageA(StatusBar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  TScreenDc screen;
  if (!screen.Get()) return true;
  TSelection font(screen.Get(),
                  reinterpret_cast<HGDIOBJ>(::SendMessageA(StatusBar, WM_GETFONT, 0, 0)));
  SIZE extent{};
  ::GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  // The bar leaves a few pixels inside each side of the pane's border.
  const int margins = 2 * borders[0] + 6;
  return extent.cx <= pane.right - pane.left - margins;
}

void TMainWindow::SetCardItems(const TStrings& items) {
  ::SendMessageA(CardBox, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    ::SendMessageA(CardBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TMainWindow::CardIndex() const {
  return static_cast<int>(::SendMessageA(CardBox, CB_GETCURSEL, 0, 0));
}

void TMainWindow::SetCardIndex(int index) {
  ::SendMessageA(CardBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TMainWindow::SetCardDropDownCount(int rows) { SetDropDownRows(CardBox, rows); }

void TMainWindow::ShowAction(TMainAction action, const TActionState& state) {
  Toolbars->ShowAction(action, state);
  GamePopup->ShowAction(action, state);
  Tray->ShowAction(action, state);
}

void TMainWindow::SetGamePopupItemsEnabled(bool enabled) {
  GamePopup->SetGameItemsEnabled(enabled);
}

void TMainWindow::CheckViewStyleItem(int tag) { GamePopup->CheckViewStyle(tag); }

void TMainWindow::ArrangeToolbars(bool generic, int toolbarPanelHeight) {
  using namespace MainLayout;
  Toolbars->Arrange(generic);
  const int panelsHeight = ClientHeight - toolbarPanelHeight - StatusBarHeight;
  ::MoveWindow(Games->Handle(), GamesPanelBorder, toolbarPanelHeight + GamesPanelBorder,
               GamesPanelWidth - 2 * GamesPanelBorder, panelsHeight - 2 * GamesPanelBorder, TRUE);
  ::MoveWindow(Details->Handle(), GamesPanelWidth, toolbarPanelHeight,
               ClientWidth - GamesPanelWidth, panelsHeight, TRUE);
}

void TMainWindow::SetMenuImages(bool visible) {
  GamePopup->SetShowImages(visible);
  Tray->SetShowImages(visible);
}

void TMainWindow::AcceptDroppedFiles() { ::DragAcceptFiles(Window, TRUE); }

bool TMainWindow::IsApplicationVisible() const {
  return ::IsWindowVisible(Window) && !::IsIconic(Window);
}

void TMainWindow::ShowForm() {
  if (FormShown) {
    ::ShowWindow(Window, SW_SHOW);
    return;
  }
  FormShown = true;
  ::ShowWindow(Window, SW_SHOWNORMAL);
  ::UpdateWindow(Window);
  Form->FormShow();
}

void TMainWindow::RestoreApplication() { ::ShowWindow(Window, SW_RESTORE); }

// The window leaves the taskbar while minimised (see OnMinimized).
void TMainWindow::MinimizeApplication() { ::ShowWindow(Window, SW_MINIMIZE); }

void TMainWindow::BringApplicationToFront() { ::SetForegroundWindow(Window); }

void TMainWindow::FocusForm() {
  ::SetForegroundWindow(Window);
  ::SetFocus(Games->Handle());
}

void TMainWindow::CloseForm() { ::PostMessageA(Window, WM_CLOSE, 0, 0); }

// The loop ends; the window is destroyed as the program ends, which runs FormDestroy.
void TMainWindow::TerminateApplication() {
  Terminating = true;
  ::PostQuitMessage(0);
}

void TMainWindow::SetTrayMenu(bool present) { Tray->SetMenuPresent(present); }

void TMainWindow::SetTrayGames(const TStrings& captions, bool more) {
  Tray->SetGames(captions, more);
}

void TMainWindow::SetTrayTip(const std::string& tip) { Tray->SetTip(tip); }

bool TMainWindow::IsLogoAnimating() const { return Logo->IsAnimating(); }

void TMainWindow::StartLogoAnimation() { Logo->Start(); }

void TMainWindow::StopLogoAnimation() { Logo->Stop(); }

void TMainWindow::ShowAboutBox() { TAboutBox::Execute(Window); }

// Both dialogs are modal to the main window, which is disabled while they are open.
std::unique_ptr<TGamePropView> TMainWindow::CreateGamePropView() {
  return std::make_unique<TGamePropWindow>(Window);
}

std::unique_ptr<TOptionsView> TMainWindow::CreateOptionsView() {
  return std::make_unique<TOptionsWindow>(Window);
}

}  // namespace tgl
