#pragma once
// The main window as plain fields, for the tests of its logic: what the logic showed, and
// the headless game list and details panel. ShowForm raises FormShow the first time, as
// the window does, through OnFormShow; the logo's cycles end when a test says so.
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/GameProcesses.h"
#include "support/FakeDialogViews.h"
#include "support/HeadlessControls.h"
#include "support/HeadlessListView.h"
#include "ui/MainView.h"

namespace tgl::test {

// Started games as a script: each start gives a live process unless told otherwise; a test
// ends it and raises the window's WatchedGameEvent itself.
class TFakeGameProcesses : public TGameProcesses {
public:
  TStartedProgram Start(const std::string& path, const std::string& parameters,
                        const std::string& folder) override {
    Started.push_back({path, parameters, folder});
    if (!StartSucceeds) return {};
    Alive[++LastToken] = true;
    return {true, LastToken};
  }
  bool HasEnded(TProcessToken process) override { return !Alive.at(process); }
  void Release(TProcessToken process) override { Alive.erase(process); }
  TStrings RunningProgramNames() override { return {}; }
  uint32_t TickCount() override { return 1000; }
  void Watch(std::optional<TProcessToken> process, bool poll) override {
    Watching = true;
    WatchedProcess = process;
    Polling = poll;
  }
  void StopWatching() override { Watching = false; }
  void EndLastProcess() { Alive.at(LastToken) = false; }

  struct TStart {
    std::string Path, Parameters, Folder;
  };
  std::vector<TStart> Started;
  bool StartSucceeds = true;
  TProcessToken LastToken = 0;
  std::map<TProcessToken, bool> Alive;
  bool Watching = false;
  std::optional<TProcessToken> WatchedProcess;
  bool Polling = false;
};

class TFakeMainView : public TMainView {
public:
  TFramePanel& DetailsPanel() override { return Panel; }
  TListViewControl& GamesList() override { return Games; }

  void SetCaption(const std::string& caption) override { Caption = caption; }
  void SetGameTitle(const std::string& title) override { GameTitle = title; }
  void SetStatusText(int panel, const std::string& text) override { StatusTexts.at(panel) = text; }
  // As a pane of StatusPaneChars characters would show it.
  bool StatusTextFits(const std::string& text) const override {
    return text.size() <= StatusPaneChars;
  }

  void SetCardItems(const TStrings& items) override {
    CardItems = items;
    CardIndexShown = -1;
  }
  int CardIndex() const override { return CardIndexShown; }
  void SetCardIndex(int index) override {
    CardIndexShown = index >= 0 && index < static_cast<int>(CardItems.size()) ? index : -1;
  }
  void SetCardDropDownCount(int rows) override { CardDropDownRows = rows; }

  void ShowAction(TMainAction action, const TActionState& state) override {
    Actions.at(static_cast<size_t>(action)) = state;
  }
  void SetGamePopupItemsEnabled(bool enabled) override { GamePopupItemsEnabled = enabled; }
  void CheckViewStyleItem(int tag) override { CheckedViewStyleTag = tag; }
  void ArrangeToolbars(bool generic, int height) override {
    GenericToolbarShown = generic;
    ToolbarPanelHeight = height;
  }
  void SetMenuImages(bool visible) override { MenuImages = visible; }
  void AcceptDroppedFiles() override { AcceptsFiles = true; }

  bool IsApplicationVisible() const override { return FormVisible && !Minimized; }
  bool IsFormVisible() const override { return FormVisible; }
  void ShowForm() override;
  void RestoreApplication() override { Minimized = false; }
  void MinimizeApplication() override { Minimized = true; }
  void BringApplicationToFront() override { ++BroughtToFront; }
  void FocusForm() override { ++Focused; }
  void CloseForm() override { CloseRequested = true; }
  void TerminateApplication() override { Terminated = true; }

  void SetTrayMenu(bool present) override { TrayMenu = present; }
  void SetTrayTip(const std::string& tip) override { TrayTip = tip; }
  void SetTrayGames(const TStrings& captions, bool more) override {
    TrayGames = captions;
    TrayMore = more;
  }
  bool IsLogoAnimating() const override { return LogoAnimating; }
  void StartLogoAnimation() override {
    LogoAnimating = true;
    ++LogoStarts;
  }
  void StopLogoAnimation() override { LogoAnimating = false; }
  void ShowAboutBox() override;
  std::unique_ptr<TGamePropView> CreateGamePropView() override {
    return std::make_unique<TFakeGamePropView>(GameProp);
  }
  std::unique_ptr<TOptionsView> CreateOptionsView() override {
    return std::make_unique<TFakeOptionsView>(Options);
  }
  TGameProcesses& GameProcesses() override { return Processes; }

  THeadlessPanel Panel;
  TGamePropScript GameProp;
  TOptionsScript Options;
  THeadlessListView Games;
  TFakeGameProcesses Processes;
  std::function<void()> OnFormShow;
  // Runs while the about box is open.
  std::function<void()> WhileAboutBoxOpen;

  std::string Caption;
  std::string GameTitle;
  std::array<std::string, 2> StatusTexts;
  size_t StatusPaneChars = 80;
  std::string TrayTip = "Tesmora Game Launcher";
  TStrings CardItems;
  int CardIndexShown = -1;
  int CardDropDownRows = 8;
  std::array<TActionState, MainActionCount> Actions;
  bool GamePopupItemsEnabled = true;
  int CheckedViewStyleTag = 0;
  bool GenericToolbarShown = false;
  int ToolbarPanelHeight = 0;
  bool MenuImages = false;
  bool AcceptsFiles = false;
  bool FormVisible = false;
  bool Minimized = false;
  int BroughtToFront = 0;
  int Focused = 0;
  bool CloseRequested = false;
  bool Terminated = false;
  bool TrayMenu = true;
  TStrings TrayGames;
  bool TrayMore = false;
  bool LogoAnimating = false;
  int LogoStarts = 0;
  int AboutBoxesShown = 0;
};

}  // namespace tgl::test
