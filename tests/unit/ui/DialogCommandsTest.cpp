// The commands New, Edit and Options with their dialogs, and the options dialog with the
// autorun entry.
#include <gtest/gtest.h>

#include "MainFormTestSupport.h"
#include "base/Errors.h"
#include "platform/posix/PosixFileSystem.h"
#include "ui/AutoRun.h"
#include "ui/OptionsDlg.h"

namespace tgl::test {
namespace {

const std::string RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The real file system, but one chosen write fails.
class TOneFailingWrite : public TPosixFileSystem {
public:
  explicit TOneFailingWrite(int failing) : Failing(failing) {}
  void WriteFile(const std::string& path, std::string_view bytes) override {
    if (++Writes == Failing) throw EError("Cannot create file " + path);
    TPosixFileSystem::WriteFile(path, bytes);
  }
  int Writes = 0;

private:
  int Failing;
};

class DialogCommands : public TMainFormTest {
protected:
  DialogCommands() {
    Startup().ProgramFile = "C:\\Program Files\\Tesmora\\TesmoraGL.exe";
    MemoryRegistry.CreateKey(TRootKey::rkLocalMachine, RunKey);
  }
  std::optional<std::string> AutoRunValue() const {
    return MemoryRegistry.StringValue(TRootKey::rkLocalMachine, RunKey, "TesmoraGL");
  }
  // The user presses OK on the game properties dialog, or Cancel.
  void UserPresses(TModalResult result) {
    View.GameProp.User = [result](TGamePropDlg&, TGamePropScript&) { return result; };
  }
};

TEST_F(DialogCommands, NewWithADroppedFileListsSelectsAndShowsTheGameWithDefaultValues) {
  Create();
  bool trayMenuWhileOpen = true;
  View.GameProp.User = [&](TGamePropDlg&, TGamePropScript&) {
    trayMenuWhileOpen = View.TrayMenu;
    return TModalResult::mrOK;
  };
  Form.FilesDropped("C:\\Doom\\doom2.exe");

  EXPECT_TRUE(FileChooser.Asked.empty());
  EXPECT_EQ(View.GameProp.Caption, "New program properties");
  EXPECT_FALSE(trayMenuWhileOpen);
  EXPECT_TRUE(View.TrayMenu);
  EXPECT_EQ(View.Games.Captions(),
            (std::vector<std::string>{" Default ", "Arena", "doom2", "Quake"}));
  EXPECT_EQ(SelectedGame(), "doom2");
  EXPECT_EQ(View.TrayGames, (TStrings{"Arena", "doom2", "Quake"})) << "the tray lists it";
  EXPECT_EQ(Form.Programs()->Count(), 4);
  EXPECT_EQ(StoredValue("doom2", "Path"), "C:\\Doom\\doom2.exe");
  EXPECT_EQ(StoredValue("%doom2_GeForce%", "GL Force Antialiasing"), "1");
  EXPECT_EQ(OptionValue("GL Force Antialiasing"), "1") << "the selection loaded the copies";
  EXPECT_EQ(View.GameTitle, "doom2");
  EXPECT_TRUE(Form.DroppedFile.empty());
}

TEST_F(DialogCommands, NewFromTheHiddenWindowShowsItOnlyWhenConfirmed) {
  for (TModalResult result : {TModalResult::mrCancel, TModalResult::mrOK}) {
    SCOPED_TRACE(result == TModalResult::mrOK ? "OK" : "Cancel");
    Folder.Write("Games.CFG", GamesFixture);
    TFakeMainView view;
    TTesmoraGLxForm form(view, Frames);
    form.FormCreate({"/minimized"});
    ASSERT_FALSE(view.FormVisible);
    FileChooser.Answers = {"C:\\Games\\Unreal\\Unreal.exe"};
    view.GameProp.User = [result](TGamePropDlg&, TGamePropScript&) { return result; };
    form.ExecuteAction(TMainAction::maNew);
    EXPECT_EQ(view.FormVisible, result == TModalResult::mrOK);
    EXPECT_TRUE(view.TrayMenu);
    EXPECT_EQ(view.Games.Count(), result == TModalResult::mrOK ? 4 : 3);
    if (result == TModalResult::mrCancel) {
      EXPECT_EQ(Folder.Read("Games.CFG"), GamesFixture);
    }
  }
}

TEST_F(DialogCommands, NewStopsAtTheSaveQuestionsCancelAndAtTheChoosersCancel) {
  Create();
  ClickGame(GameIndex("Quake"));
  EditValues();
  Messages.Answers = {TAnswer::anCancel};
  EXPECT_THROW(Form.ExecuteAction(TMainAction::maNew), EAbort);
  EXPECT_TRUE(View.TrayMenu);
  EXPECT_EQ(View.GameProp.DialogsShown, 0);
  EXPECT_TRUE(FileChooser.Asked.empty());

  Messages.Answers = {TAnswer::anNo};
  FileChooser.Answers = {std::nullopt};
  EXPECT_THROW(Form.ExecuteAction(TMainAction::maNew), EAbort);
  EXPECT_EQ(FileChooser.Asked.size(), 1u);
  EXPECT_EQ(View.GameProp.DialogsShown, 0);
  EXPECT_TRUE(View.TrayMenu);
  EXPECT_EQ(Folder.Read("Games.CFG"), GamesFixture);
  EXPECT_EQ(View.Games.Count(), 3);
}

// The game is written by the dialog, then its card sections by the command: when that
// fails, what was written of the game is erased again and nothing is listed.
TEST_F(DialogCommands, ANewGameThatCannotBeWrittenWholeIsDiscarded) {
  Create();
  UserPresses(TModalResult::mrOK);
  for (int failing : {1, 2}) {
    SCOPED_TRACE(failing);
    TOneFailingWrite files(failing);
    {
      TPlatformScope scope(PlatformWith(files));
      EXPECT_THROW(Form.FilesDropped("C:\\Doom\\doom2.exe"), EError);
    }
    EXPECT_EQ(Folder.Read("Games.CFG").find("doom2"), std::string::npos);
    EXPECT_EQ(View.Games.Count(), 3);
    EXPECT_EQ(Form.Programs()->Count(), 3);
    EXPECT_TRUE(View.TrayMenu);
  }
}

TEST_F(DialogCommands, EditRenamesTheItemAndReloadsTheGame) {
  Create();
  ClickGame(GameIndex("Quake"));
  View.GameProp.User = [](TGamePropDlg&, TGamePropScript& user) {
    user.Name = "Quake II";
    user.Filename = "C:\\Games\\Quake2\\quake2.exe";
    return TModalResult::mrOK;
  };
  ShellCalls.IconIndex = 9;
  Form.ExecuteAction(TMainAction::maEdit);
  EXPECT_EQ(View.Games.Captions(), (std::vector<std::string>{" Default ", "Arena", "Quake II"}));
  EXPECT_EQ(SelectedGame(), "Quake II");
  EXPECT_EQ(View.TrayGames, (TStrings{"Arena", "Quake II"})) << "the tray follows the title";
  EXPECT_EQ(View.Games.ImageIndex(GameIndex("Quake II")), 9);
  EXPECT_EQ(View.GameTitle, "Quake II");
  EXPECT_EQ(StoredValue("%Quake II_GeForce%", "GL Anisotropic filtering"), "2");
  EXPECT_EQ(StoredValue("Quake II", "Path"), "C:\\Games\\Quake2\\quake2.exe");
  EXPECT_TRUE(View.TrayMenu) << "Edit does not lock the tray menu";
}

TEST_F(DialogCommands, EditOnTheDefaultEntryOrCancelledChangesNothing) {
  Create();
  Form.OnActionEdit();
  EXPECT_EQ(View.GameProp.DialogsShown, 0);
  ClickGame(GameIndex("Arena"));
  UserPresses(TModalResult::mrCancel);
  Form.ExecuteAction(TMainAction::maEdit);
  EXPECT_EQ(View.GameProp.DialogsShown, 1);
  EXPECT_EQ(Folder.Read("Games.CFG"), GamesFixture);
}

TEST_F(DialogCommands, OptionsShowsTheDefaultsOfAFileWithoutSettings) {
  Create();
  Form.ExecuteAction(TMainAction::maOptions);
  TOptionsValues expected;
  expected.ConfirmDelete = expected.ConfirmDefault = expected.ConfirmRegistry = true;
  expected.ApplicationsIndex = 0;
  expected.SaveIndex = 1;
  expected.LaunchIndex = 1;
  expected.ToolbarIndex = 1;
  expected.AutoRun = false;
  expected.AutoRunEnabled = true;
  expected.WarnRegistry = true;
  EXPECT_EQ(View.Options.Shown, expected);
}

TEST_F(DialogCommands, OptionsTakesEveryControlBackOnOKAndSavesExactlyTheWrittenKeys) {
  Folder.Write("Games.CFG", GamesFixture + "[%%Configuration]\r\nOnRun=2\r\nShowAllCards=0\r\n");
  Create();
  bool trayMenuWhileOpen = true;
  View.Options.User = [&](TOptionsValues& values) {
    trayMenuWhileOpen = View.TrayMenu;
    EXPECT_EQ(values.LaunchIndex, 2) << "OnRun=2 shows Exit";
    values = {false, false, false, 1, 0, 0, 0, true, true, false};
    return TModalResult::mrOK;
  };
  Form.ExecuteAction(TMainAction::maOptions);

  EXPECT_FALSE(trayMenuWhileOpen);
  EXPECT_TRUE(View.TrayMenu);
  EXPECT_EQ(View.Games.ViewStyle(), vsList);
  EXPECT_EQ(View.CheckedViewStyleTag, vsList);
  EXPECT_TRUE(View.GenericToolbarShown) << "the toolbar style applied after OK";
  EXPECT_TRUE(View.MenuImages);
  EXPECT_FALSE(Startup().NotifyOnWrongValue);
  EXPECT_EQ(AutoRunValue(), "\"C:\\Program Files\\Tesmora\\TesmoraGL.exe\" /minimized");
  Form.FormDestroy();
  EXPECT_EQ(Folder.Read("Games.CFG"),
            GamesFixture +
                "[%%Configuration]\r\nOnRun=0\r\nShowAllCards=0\r\nConfirmSaving=0\r\n"
                "ConfirmDelete=0\r\nConfirmDefault=0\r\nConfirmRegistry=0\r\n"
                "GenericToolbar=1\r\nGameListStyle=0\r\nNotifyOnWrongValue=0\r\n");
}

TEST_F(DialogCommands, OptionsCancelledAfterChangingEveryControlChangesNothing) {
  MemoryRegistry.PutString(TRootKey::rkLocalMachine, RunKey, "TesmoraGL", "C:\\TGL.exe /minimized");
  Create();
  TMainSettings before = Form.Settings();
  View.Options.User = [](TOptionsValues& values) {
    values = {false, false, false, 1, 0, 0, 0, false, true, false};
    return TModalResult::mrCancel;
  };
  Form.ExecuteAction(TMainAction::maOptions);
  EXPECT_EQ(Form.Settings(), before);
  EXPECT_EQ(View.Games.ViewStyle(), vsIcon);
  EXPECT_FALSE(View.GenericToolbarShown);
  EXPECT_TRUE(Startup().NotifyOnWrongValue);
  EXPECT_EQ(AutoRunValue(), "C:\\TGL.exe /minimized");
  EXPECT_TRUE(View.TrayMenu);
}

// Our value written without quotation marks by an older version still counts as on; OK
// with the box cleared removes it, and with nothing there removing is no error.
TEST_F(DialogCommands, AutoRunReadsAnyValueAsOnAndOffRemovesIt) {
  MemoryRegistry.PutString(TRootKey::rkLocalMachine, RunKey, "TesmoraGL", "C:\\TGL.exe /minimized");
  Create();
  View.Options.User = [](TOptionsValues& values) {
    EXPECT_TRUE(values.AutoRun);
    values.AutoRun = false;
    return TModalResult::mrOK;
  };
  Form.ExecuteAction(TMainAction::maOptions);
  EXPECT_EQ(AutoRunValue(), std::nullopt);
  View.Options.User = [](TOptionsValues& values) {
    EXPECT_FALSE(values.AutoRun);
    return TModalResult::mrOK;
  };
  Form.ExecuteAction(TMainAction::maOptions);
  EXPECT_EQ(AutoRunValue(), std::nullopt);
  EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(DialogCommands, RestrictedModeDisablesAutoRunAndWritesNoRegistry) {
  MemoryRegistry.CreateKey(TRootKey::rkLocalMachine, "System\\CurrentControlSet\\Services");
  Startup().WindowsVersion = wvWindows2000;
  MemoryRegistry.WritesRefused = true;
  Create();
  MemoryRegistry.WritesRefused = false;
  Messages.Shown.clear();
  ASSERT_FALSE(Startup().HasAdminRights);
  View.Options.User = [](TOptionsValues& values) {
    EXPECT_FALSE(values.AutoRunEnabled);
    values.AutoRun = true;
    values.ConfirmDelete = false;
    return TModalResult::mrOK;
  };
  Form.ExecuteAction(TMainAction::maOptions);
  EXPECT_FALSE(Form.Settings().ConfirmDelete) << "the other settings are taken back";
  EXPECT_EQ(AutoRunValue(), std::nullopt);
}

TEST_F(DialogCommands, ALaunchBehaviourWithoutAChoiceChecksNoneAndStays) {
  Folder.Write("Games.CFG", GamesFixture + "[%%Configuration]\r\nOnRun=3\r\n");
  Create();
  View.Options.User = [](TOptionsValues& values) {
    EXPECT_EQ(values.LaunchIndex, -1);
    return TModalResult::mrOK;
  };
  Form.ExecuteAction(TMainAction::maOptions);
  EXPECT_EQ(Form.Settings().OnRun, 3);
}

// The restore setting is written only while it is on: a file without it stays as it was.
TEST_F(DialogCommands, RestoreDriverSettingsIsShownTakenBackAndWrittenOnlyWhileOn) {
  Create();
  View.Options.User = [](TOptionsValues& values) {
    EXPECT_FALSE(values.RestoreDriverSettings);
    values.RestoreDriverSettings = true;
    return TModalResult::mrOK;
  };
  Form.ExecuteAction(TMainAction::maOptions);
  EXPECT_TRUE(Form.Settings().RestoreDriverSettings);
  View.Options.User = [](TOptionsValues& values) {
    EXPECT_TRUE(values.RestoreDriverSettings);
    values.RestoreDriverSettings = false;
    return TModalResult::mrCancel;
  };
  Form.ExecuteAction(TMainAction::maOptions);
  EXPECT_TRUE(Form.Settings().RestoreDriverSettings) << "Cancel takes nothing back";
  Form.FormDestroy();
  EXPECT_NE(Folder.Read("Games.CFG").find("RestoreDriverSettings=1\r\n"), std::string::npos);
}

TEST(AutoRunCommand, QuotesTheProgramFile) {
  EXPECT_EQ(AutoRunCommand("C:\\Program Files\\Tesmora\\TesmoraGL.exe"),
            "\"C:\\Program Files\\Tesmora\\TesmoraGL.exe\" /minimized");
}

}  // namespace
}  // namespace tgl::test
