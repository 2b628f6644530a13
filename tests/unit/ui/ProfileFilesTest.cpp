// A game's profile as a file: exported and imported from the game list's context menu, or
// imported by dropping the file on the window. A title clash asks for another title; a file
// that is not a profile changes nothing.
#include <gtest/gtest.h>

#include "MainFormTestSupport.h"
#include "profiles/ProfileFile.h"

namespace tgl::test {
namespace {

class ProfileFiles : public TMainFormTest {
protected:
  std::string FileNamed(const std::string& name) const { return Folder.Path() + name; }
  // Exports the selected game through the save dialog, answered with `name`.
  void ExportTo(const std::string& name) {
    FileChooser.Answers = {FileNamed(name)};
    Form.ExportProfile1Click();
  }
  void ImportFrom(const std::string& name) {
    FileChooser.Answers = {FileNamed(name)};
    Form.ImportProfile1Click();
  }
};

TEST_F(ProfileFiles, ExportDeleteImportBringsTheGameAndItsValuesBack) {
  Create();
  ClickGame(GameIndex("Quake"));
  ExportTo("quake.tgp");
  ASSERT_EQ(FileChooser.Asked.size(), 1u);
  EXPECT_TRUE(FileChooser.Asked[0].Save);
  EXPECT_EQ(FileChooser.Asked[0].Choice.Title, "Export profile file");
  EXPECT_EQ(FileChooser.Asked[0].Choice.FileName, "Quake.tgp");
  EXPECT_EQ(FileChooser.Asked[0].Choice.DefaultExtension, "tgp");
  const std::string exported = Folder.Read("quake.tgp");
  EXPECT_NE(exported.find("Title=Quake\r\nPath=C:\\Games\\Quake\\quake.exe\r\n"
                          "Parameters=-game ctf\r\n[Values GeForce]\r\n"
                          "GL Anisotropic filtering=2\r\n[End]\r\n"),
            std::string::npos)
      << exported;

  Form.Settings().ConfirmDelete = false;
  Form.ExecuteAction(TMainAction::maDelete);
  ASSERT_EQ(StoredValue("Quake", "Path"), "<none>");

  ImportFrom("quake.tgp");
  EXPECT_FALSE(FileChooser.Asked[1].Save);
  EXPECT_EQ(FileChooser.Asked[1].Choice.Filter,
            "Tesmora Game Launcher profile files (*.tgp)|*.tgp|All files (*.*)|*.*");
  EXPECT_EQ(View.Games.Captions(), (std::vector<std::string>{" Default ", "Arena", "Quake"}));
  EXPECT_EQ(SelectedGame(), "Quake");
  EXPECT_EQ(Form.Hub()->ProfileName(), "Quake");
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "2");
  EXPECT_EQ(StoredValue("Quake", "Path"), "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(StoredValue("Quake", "Parameters"), "-game ctf");
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Anisotropic filtering"), "2");
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_TRUE(View.TrayMenu) << "the tray menu is back after the dialogs";
}

TEST_F(ProfileFiles, DefaultExportsTheDefaultValuesAndACancelledDialogWritesNothing) {
  Create();
  ASSERT_EQ(SelectedGame(), " Default ");
  FileChooser.Answers = {std::nullopt};
  EXPECT_THROW(Form.ExportProfile1Click(), EAbort);
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"Games.CFG"}));

  ExportTo("default.tgp");
  EXPECT_EQ(FileChooser.Asked.back().Choice.FileName, "Default.tgp");
  const std::string exported = Folder.Read("default.tgp");
  EXPECT_NE(exported.find("Title=Default\r\nPath=\r\nParameters=\r\n"), std::string::npos)
      << exported;
  EXPECT_NE(exported.find("[Values GeForce]\r\nGL Force Antialiasing=1\r\n"), std::string::npos)
      << exported;
}

// The game properties dialog opens on the file's game, which it does not store: a taken
// title is refused in it as in New, and OK imports under the title and texts it was given.
TEST_F(ProfileFiles, ATitleClashAsksForAnotherTitleInTheGamePropertiesDialog) {
  Create();
  ClickGame(GameIndex("Quake"));
  ExportTo("quake.tgp");
  const std::string games = Folder.Read("Games.CFG");

  // Cancel in the game properties dialog: nothing changes.
  EXPECT_THROW(ImportFrom("quake.tgp"), EAbort);
  EXPECT_EQ(Messages.TakeTexts(), TStrings{"Application title should be unique"});
  EXPECT_EQ(View.GameProp.DialogsShown, 1);
  EXPECT_EQ(View.GameProp.Caption, "Import profile file");
  EXPECT_EQ(View.GameProp.Name, "Quake");
  EXPECT_EQ(View.GameProp.Filename, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(View.GameProp.Parameters, "-game ctf");
  EXPECT_EQ(Folder.Read("Games.CFG"), games);
  EXPECT_EQ(View.Games.Count(), 3);
  EXPECT_TRUE(View.TrayMenu);

  // Another title that is taken, letter case ignored, is refused in the dialog; then a free
  // one, with other parameters.
  int attempt = 0;
  View.GameProp.User = [&](TGamePropDlg&, TGamePropScript& user) {
    user.Name = attempt++ == 0 ? "ARENA" : "Quake 2";
    user.Parameters = "-game dm";
    return TModalResult::mrOK;
  };
  ImportFrom("quake.tgp");
  EXPECT_EQ(Messages.TakeTexts(), (TStrings{"Application title should be unique",
                                            "Application title should be unique"}));
  EXPECT_EQ(View.GameProp.DialogsShown, 2);
  EXPECT_EQ(View.GameProp.OKRefused, 1);
  EXPECT_EQ(SelectedGame(), "Quake 2");
  EXPECT_EQ(StoredValue("Quake 2", "Path"), "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(StoredValue("Quake 2", "Parameters"), "-game dm");
  EXPECT_EQ(StoredValue("%Quake 2_GeForce%", "GL Anisotropic filtering"), "2");
  EXPECT_EQ(StoredValue("Quake", "Parameters"), "-game ctf");
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Anisotropic filtering"), "2");
}

// The dialog of a clash carries every field it shows: "Wait for program" comes from the file,
// and what the user types there is what the imported game keeps.
TEST_F(ProfileFiles, ATitleClashShowsAndKeepsWaitForProgram) {
  std::string games = GamesFixture;
  games.insert(games.find("[%Quake_GeForce%]"), "WaitForProgram=quake2.exe\r\n");
  Folder.Write("Games.CFG", games);
  Create();
  ClickGame(GameIndex("Quake"));
  ExportTo("quake.tgp");
  std::string shown;
  View.GameProp.User = [&](TGamePropDlg&, TGamePropScript& user) {
    shown = user.WaitForProgram;
    user.Name = "Quake 2";
    user.WaitForProgram = "q2.exe";
    return TModalResult::mrOK;
  };
  ImportFrom("quake.tgp");
  EXPECT_EQ(shown, "quake2.exe");
  EXPECT_EQ(SelectedGame(), "Quake 2");
  EXPECT_EQ(StoredValue("Quake 2", "WaitForProgram"), "q2.exe");
  EXPECT_EQ(StoredValue("Quake", "WaitForProgram"), "quake2.exe");
}

TEST_F(ProfileFiles, FilesThatAreNoProfilesAreRefusedAndChangeNothing) {
  Folder.Write("games.tgp", GamesFixture);
  Folder.Write("cut.tgp",
               "; Tesmora Game Launcher profile file\r\n[TesmoraGL profile]\r\n"
               "Format=TesmoraGL profile 1\r\nTitle=Cut\r\n[Values GeForce]\r\n");
  Folder.Write("newer.tgp",
               "[TesmoraGL profile]\r\nFormat=TesmoraGL profile 2\r\nTitle=New\r\n[End]\r\n");
  Create();
  const std::string games = Folder.Read("Games.CFG");
  for (const char* name : {"games.tgp", "cut.tgp", "newer.tgp", "missing.tgp"}) {
    SCOPED_TRACE(name);
    EXPECT_THROW(ImportFrom(name), EError);
    EXPECT_THROW(Form.FilesDropped(FileNamed(name)), EError);
    EXPECT_EQ(Folder.Read("Games.CFG"), games);
    EXPECT_EQ(View.Games.Count(), 3);
    EXPECT_EQ(SelectedGame(), " Default ");
  }
  EXPECT_EQ(View.GameProp.DialogsShown, 0);
}

TEST_F(ProfileFiles, ADroppedProfileFileIsImported) {
  Create();
  ClickGame(GameIndex("Quake"));
  ExportTo("Quake.TGP");
  Form.Settings().ConfirmDelete = false;
  Form.ExecuteAction(TMainAction::maDelete);

  Form.FilesDropped(FileNamed("Quake.TGP"));
  EXPECT_EQ(SelectedGame(), "Quake");
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Anisotropic filtering"), "2");
  EXPECT_GE(View.BroughtToFront, 1);
}

}  // namespace
}  // namespace tgl::test
