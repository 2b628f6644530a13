#pragma once
// The main window `TTesmoraGLxForm`: the real windows of the TMainView seam. It lays its
// controls out from MainLayout, shows what its logic (TTesmoraGLxForm in the core) tells it
// and forwards every event of its windows to the logic's handler of that name; it decides
// nothing. A second instance finds it by its class name; it gives up the instance mutex
// when it is destroyed, whatever happened before.
#include <windows.h>
#include <shellapi.h>

#include <deque>
#include <memory>
#include <string>

#include "base/StringList.h"
#include "panels/win32/PanelWindow_win.h"
#include "panels/win32/Win32FramePanel_win.h"
#include "ui/MainForm.h"
#include "ui/MainView.h"
#include "ui/win32/GameListPopup_win.h"
#include "ui/win32/MainFonts_win.h"
#include "ui/win32/MainToolbars_win.h"
#include "ui/win32/MainTray_win.h"
#include "ui/win32/MainWindowControls_win.h"
#include "ui/win32/NoticeLabel_win.h"
#include "ui/win32/WindowGameProcesses_win.h"
#include "ui/win32/rlListView_win.h"
#include "widgets/AnimatedGif_win.h"
#include "widgets/GdiObjects_win.h"
#include "widgets/ImageList_win.h"

namespace tgl {

class TInstanceMutex;
class TFrameRegistry;

class TMainWindow : public TMainView {
public:
  // Creates the window and its controls, hidden.
  TMainWindow(HINSTANCE instance, TInstanceMutex& mutex, const TFrameRegistry& frames);
  ~TMainWindow() override;
  TMainWindow(const TMainWindow&) = delete;
  TMainWindow& operator=(const TMainWindow&) = delete;

  HWND Handle() const { return Window; }
  // Runs FormCreate with the program's arguments and shows the window unless the logic
  // says otherwise; then the message loop until the program ends. The exit code.
  int Run(const TStrings& arguments);

  TFramePanel& DetailsPanel() override { return *FramePanel; }
  TListViewControl& GamesList() override { return *Games; }
  void SetCaption(const std::string& caption) override;
  void SetGameTitle(const std::string& title) override;
  void SetStatusText(int panel, const std::string& text) override;
  bool StatusTextFits(const std::string& text) const override;
  void SetCardItems(const TStrings& items) override;
  int CardIndex() const override;
  void SetCardIndex(int index) override;
  void SetCardDropDownCount(int rows) override;
  void ShowAction(TMainAction action, const TActionState& state) override;
  void SetGamePopupItemsEnabled(bool enabled) override;
  void CheckViewStyleItem(int tag) override;
  void ArrangeToolbars(bool generic, int toolbarPanelHeight) override;
  void SetMenuImages(bool visible) override;
  void AcceptDroppedFiles() override;
  bool IsApplicationVisible() const override;
  bool IsFormVisible() const override { return FormShown; }
  void ShowForm() override;
  void RestoreApplication() override;
  void MinimizeApplication() override;
  void BringApplicationToFront() override;
  void FocusForm() override;
  void CloseForm() override;
  void TerminateApplication() override;
  void SetTrayMenu(bool present) override;
  bool IsLogoAnimating() const override;
  void StartLogoAnimation() override;
  void StopLogoAnimation() override;
  void ShowAboutBox() override;
  std::unique_ptr<TGamePropView> CreateGamePropView() override;
  std::unique_ptr<TOptionsView> CreateOptionsView() override;
  void SetTrayGames(const TStrings& captions, bool more) override;
  void SetTrayTip(const std::string& tip) override;
  TGameProcesses& GameProcesses() override { return *Processes; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CardBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void CreateWidgets();
  HWND CreateChild(const char* className, const char* text, DWORD style, int left, int top,
                   int width, int height, int id = 0);
  void OnCommand(int id, int code);
  LRESULT OnNotify(const NMHDR& header);
  LRESULT OnColorStatic(HDC context, HWND control);
  void OnContextMenu(HWND window, LPARAM position);
  LRESULT OnMeasureItem(MEASUREITEMSTRUCT& measure);
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& draw);
  void OnDropFiles(HDROP drop);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  void OnMinimized();
  // The window keeps the control that had the focus when it was left (for a message box,
  // a dialog or another program) and gives the focus back to it, or to the game list,
  // when it is activated again, as a dialog does: the frame itself takes no keys.
  void OnActivate(UINT state, bool minimized);
  void RestoreFocus();
  void OnDestroy();
  // A /run or /apply that a second start handed over (WM_COPYDATA): taken at once, carried
  // out from the message loop, where no question of the window is open.
  bool OnCopyData(const COPYDATASTRUCT& data);
  void TakeHandedOverRequests();
  // The message loop; it also waits for the end of a running game.
  void RunMessageLoop();
  // True when the key message was the Ctrl key of a command, which then ran, or F1.
  bool TakeShortcut(const MSG& message);
  // The hint of the window under the mouse, for the status bar.
  void TrackHint(HWND window, POINT point);
  void ShowHint(const std::string& hint);

  TInstanceMutex& Mutex;
  const TFrameRegistry& Frames;
  HWND Window = nullptr;
  TMainWindowControls Controls;
  TMainFonts Fonts;
  // ImageListStandart, ImageListIdle, ImageListHigh and the band's tile.
  TImageList StandardImages;
  TImageList IdleImages;
  TImageList HotImages;
  TGdiObject<HBITMAP> BandBitmap;
  HWND CardBox = nullptr;
  WNDPROC CardBoxBase = nullptr;
  HWND TitleLabel = nullptr;
  HWND StatusBar = nullptr;
  std::unique_ptr<TMainToolbars> Toolbars;
  std::unique_ptr<TrlListView> Games;
  std::unique_ptr<TPanelWindow> Details;
  std::unique_ptr<TNoticeLabel> Notice;
  std::unique_ptr<TWin32FramePanel> FramePanel;
  std::unique_ptr<TGameListPopup> GamePopup;
  std::unique_ptr<TAnimatedGif> Logo;
  std::unique_ptr<TMainTray> Tray;
  std::string Hint;
  // The control that had the focus when the window was last left.
  HWND LastFocus = nullptr;
  bool FormShown = false;
  bool Terminating = false;
  std::deque<TLaunchRequest> HandedOverRequests;
  // Before the form: the form's game session releases its process on the way out.
  std::unique_ptr<TWindowGameProcesses> Processes;
  // Last, so it goes first: its hub's frame lives in the details panel.
  std::unique_ptr<TTesmoraGLxForm> Form;
};

}  // namespace tgl
