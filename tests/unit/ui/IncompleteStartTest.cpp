// A creation that stopped early leaves the hub, the cards or the games missing: every
// command, key, drop, tray item and hand-over must then be disabled or refused with a
// message, and never reach for what is missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "MainFormTestSupport.h"
#include "config/IniFile.h"
#include "ui/MainTexts.h"

namespace tgl::test {
namespace {

class IncompleteStart : public TMainFormTest,
                        public ::testing::WithParamInterface<std::pair<const char*, int>> {
protected:
  // The window's event loop shows what a handler raises and passes over the silent abort.
  void AsTheWindowRunsIt(const std::function<void()>& handler) {
    try {
      handler();
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
      Messages.ShowMessage(error.what(), TMessageKind::mkError);
    }
  }

  // The stops that leave most missing: creation ends before the hub (settings unreadable)
  // or before the cards and games (Windows not supported).
  void StopCreation(int stop) {
    if (stop == 0) {
      Startup().WindowsVersion = wvUnsupported;
    } else {
      // Over the size Games.CFG may have, so its settings cannot be read.
      std::string path = Folder.Path() + "Games.CFG";
      ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(TIniFile::MaxFileSize + 1)), 0);
    }
  }
};

TEST_P(IncompleteStart, EveryCommandIsDisabledOrRefusedWithAMessage) {
  StopCreation(GetParam().second);
  Create();
  ASSERT_EQ(Messages.Shown.size(), 1u) << "the reason creation stopped";
  ASSERT_EQ(Form.Programs(), nullptr);
  Messages.Shown.clear();

  for (const TActionDefinition& definition : MainActions)
    EXPECT_EQ(View.Actions[static_cast<size_t>(definition.Action)].Enabled,
              definition.Action == TMainAction::maAbout)
        << definition.Name;

  Folder.Write("Quake.tgp", "[TesmoraGL Profile]\r\nTitle=Quake\r\nPath=C:\\q.exe\r\n");
  const std::string profileFile = Folder.Path() + "Quake.tgp";
  const std::string gamesBefore = ReadBytes(Folder.Path() + "Games.CFG").substr(0, 4096);
  const std::vector<std::pair<const char*, std::function<void()>>> commands = {
      {"New", [&] { Form.ExecuteAction(TMainAction::maNew); }},
      {"Run", [&] { Form.ExecuteAction(TMainAction::maExecute); }},
      {"Default", [&] { Form.ExecuteAction(TMainAction::maDefault); }},
      {"Registry", [&] { Form.ExecuteAction(TMainAction::maRegistry); }},
      {"Edit", [&] { Form.ExecuteAction(TMainAction::maEdit); }},
      {"Delete", [&] { Form.ExecuteAction(TMainAction::maDelete); }},
      {"Options", [&] { Form.ExecuteAction(TMainAction::maOptions); }},
      {"Enter", [&] { Form.GamesListKeyDown(vkReturn, {}); }},
      {"Insert", [&] { Form.GamesListKeyDown(vkInsert, {}); }},
      {"Delete key", [&] { Form.GamesListKeyDown(vkDelete, {}); }},
      {"F2", [&] { Form.GamesListKeyDown(vkF2, {}); }},
      {"double click", [&] { Form.GamesListDblClick(); }},
      {"game list menu", [&] { Form.GameListPopupPopup(); }},
      {"Export profile", [&] { Form.ExportProfile1Click(); }},
      {"Create desktop shortcut", [&] { Form.DesktopShortcut1Click(); }},
      {"Show as icons", [&] { Form.List1Click(vsIcon); }},
      {"dropped program", [&] { Form.FilesDropped("C:\\Games\\new.exe"); }},
      {"card box", [&] { Form.DevicesComboChange(); }},
      {"Ctrl+Alt+I", [&] { Form.DevicesComboKeyDown(vkI, {false, true, true}); }},
      {"tray game", [&] { Form.TrayGameClick(0); }},
      {"tray show", [&] { Form.ShowApplicationClick(); }},
      {"watched game", [&] { Form.WatchedGameEvent(); }},
  };
  for (const auto& [name, command] : commands) {
    SCOPED_TRACE(name);
    AsTheWindowRunsIt(command);
    EXPECT_TRUE(Messages.Shown.empty()) << Messages.Shown.front().Text;
    Messages.Shown.clear();
  }

  // What comes from outside cannot be disabled: it is refused with the reason.
  const std::vector<std::pair<const char*, std::function<void()>>> requests = {
      {"Import profile", [&] { Form.ImportProfile1Click(); }},
      {"dropped profile file", [&] { Form.FilesDropped(profileFile); }},
      {"handed-over /run", [&] { Form.LaunchRequested({TLaunchAction::laRun, "Quake"}); }},
      {"handed-over /apply", [&] { Form.LaunchRequested({TLaunchAction::laApply, "Default"}); }},
  };
  for (const auto& [name, request] : requests) {
    SCOPED_TRACE(name);
    AsTheWindowRunsIt(request);
    EXPECT_EQ(Messages.Shown, (std::vector<TShownMessage>{{IncompleteStartText,
                                                           TMessageKind::mkError}}));
    Messages.Shown.clear();
  }
  EXPECT_TRUE(FileChooser.Asked.empty());
  EXPECT_TRUE(ShellCalls.Executed.empty());
  EXPECT_EQ(ReadBytes(Folder.Path() + "Games.CFG").substr(0, 4096), gamesBefore);

  EXPECT_TRUE(Form.FormCloseQuery());
  Form.FormDestroy();
  EXPECT_TRUE(Messages.Shown.empty());
}

INSTANTIATE_TEST_SUITE_P(CreationStops, IncompleteStart,
                         ::testing::Values(std::pair{"UnsupportedWindows", 0},
                                           std::pair{"SettingsUnreadable", 1}),
                         [](const auto& info) { return std::string(info.param.first); });

// Settings that could not be read are not written back at the end: the defaults would
// replace what the user set.
using UnreadableSettings = TMainFormTest;

TEST_F(UnreadableSettings, AreNotSavedAtTheEnd) {
  std::string path = Folder.Path() + "Games.CFG";
  ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(TIniFile::MaxFileSize + 1)), 0);
  Create();
  Messages.Shown.clear();
  Form.FormDestroy();
  EXPECT_TRUE(Messages.Shown.empty()) << Messages.Shown.front().Text;
  EXPECT_EQ(ReadBytes(path).substr(0, GamesFixture.size()), GamesFixture);
}

// A /run of the command line after such a start ends the program with exit code 1.
TEST_P(IncompleteStart, ACommandLineRequestEndsTheProgramWithExitCode1) {
  StopCreation(GetParam().second);
  Create({"/run:Quake"});
  Form.FormStarted();
  EXPECT_EQ(Form.ExitCode(), 1);
  EXPECT_TRUE(View.Terminated);
  EXPECT_TRUE(ShellCalls.Executed.empty());
}

}  // namespace
}  // namespace tgl::test
