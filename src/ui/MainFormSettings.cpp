// The program settings of the main window and the toolbar style they choose.
#include "base/StartupState.h"
#include "config/IniFile.h"
#include "config/IniSnapshot.h"
#include "profiles/GamesFile.h"
#include "ui/MainForm.h"
#include "ui/MainLayout.h"

namespace tgl {

void TTesmoraGLxForm::LoadSettings() {
  FSettings = TMainSettings{};
  TIniFile file(GamesFilePath());
  TIniSnapshot games(file.GetFileName(), file.Snapshot());
  TProgramSettings settings = ReadProgramSettings(games);
  FSettings = settings.Main;
  TViewStyle style = settings.GameListLargeIcons ? vsIcon : vsList;
  GamesList().SetViewStyle(style);
  // The check mark of "Show as" names the style the list shows.
  FView.CheckViewStyleItem(style);
  Startup().NotifyOnWrongValue = settings.NotifyOnWrongValue;
  Startup().ShowAllCards = settings.ShowAllCards;
}

void TTesmoraGLxForm::SaveSettings() {
  TProgramSettings settings;
  settings.Main = FSettings;
  settings.GameListLargeIcons = GamesList().ViewStyle() == vsIcon;
  settings.NotifyOnWrongValue = Startup().NotifyOnWrongValue;
  TIniFile(GamesFilePath()).Modify([&](TIniDocument& games) {
    WriteProgramSettings(games, settings);
  });
}

void TTesmoraGLxForm::ApplyToolbarStyle() {
  FView.ArrangeToolbars(FSettings.GenericToolbar, MainLayout::ToolbarPanelHeight);
  FView.SetMenuImages(FSettings.GenericToolbar);
}

}  // namespace tgl
