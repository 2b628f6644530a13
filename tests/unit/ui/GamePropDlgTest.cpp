// The game properties dialog on its own: choosing the program file, the title question, the
// icon, the validation and what it takes over, for a stored and for a new profile, and for a
// draft that it must not store.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "profiles/Programs.h"
#include "support/FakeDialogViews.h"
#include "support/TestSupport.h"
#include "ui/GamePropDlg.h"

namespace tgl::test {
namespace {

const std::string Games =
    "[%%Default%_GeForce%]\r\nGL Force Antialiasing=1\r\n"
    "[Quake]\r\nPath=C:\\Games\\Quake\\quake.exe\r\nParameters=-game ctf\r\n"
    "[%Quake_GeForce%]\r\nGL Anisotropic filtering=2\r\n"
    "[Arena]\r\nPath=C:\\Games\\Arena.exe\r\nParameters=\r\n";

// The user types a title and presses OK.
auto TypesTitle(const std::string& title) {
  return [title](TGamePropDlg&, TGamePropScript& user) {
    user.Name = title;
    return TModalResult::mrOK;
  };
}

class GamePropDlgTest : public TCoreTest {
protected:
  GamePropDlgTest() {
    Folder.Write("Games.CFG", Games);
    Programs.Load();
  }
  TrlProgramConfig& Game(const std::string& name) {
    return Programs.Items(Programs.IndexOfName(name));
  }
  // The Edit command's run on a stored game.
  TModalResult Edit(const std::string& name) {
    TFakeGamePropView view(Script);
    TGamePropDlg dialog(view);
    dialog.Config = &Game(name);
    dialog.Programs = &Programs;
    return dialog.ShowModal();
  }
  // The New command's run on a fresh profile.
  TModalResult New(TrlProgramConfig& profile, const std::string& preset) {
    TFakeGamePropView view(Script);
    TGamePropDlg dialog(view);
    dialog.SetCaption(NewProgramCaption);
    dialog.Config = &profile;
    dialog.Programs = &Programs;
    dialog.PresetFile = preset;
    return dialog.ExecuteNew();
  }
  // The run on a game that is not stored and that the dialog must not store.
  TModalResult Draft(TrlProgramConfig& draft) {
    TFakeGamePropView view(Script);
    TGamePropDlg dialog(view);
    dialog.Config = &draft;
    dialog.Programs = &Programs;
    return dialog.ShowDraft();
  }
  std::string GamesFile() const { return Folder.Read("Games.CFG"); }

  TrlPrograms Programs;
  TGamePropScript Script;
};

TEST(GamePropTitles, TheProgramFileOffersItsNameWithoutFolderAndLastExtension) {
  EXPECT_EQ(TitleOfProgramFile("C:\\Games\\Quake\\quake.exe"), "quake");
  EXPECT_EQ(TitleOfProgramFile("C:\\Games\\Unreal.Gold.exe"), "Unreal.Gold");
  EXPECT_EQ(TitleOfProgramFile("D:setup.bat"), "setup");
  EXPECT_EQ(TitleOfProgramFile("C:\\Games.v2\\run"), "run");
  EXPECT_EQ(TitleOfProgramFile("C:\\Games\\.hidden"), "");
}

TEST_F(GamePropDlgTest, EditShowsTheStoredValuesAndTheProgramIcon) {
  Edit("Quake");
  EXPECT_EQ(Script.Caption, "Program properties");
  EXPECT_EQ(Script.Name, "Quake");
  EXPECT_EQ(Script.Filename, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(Script.Parameters, "-game ctf");
  EXPECT_EQ(Script.IconShown, 5);
  EXPECT_EQ(ShellCalls.LargeIconRequests, TStrings{"C:\\Games\\Quake\\quake.exe"});
}

TEST_F(GamePropDlgTest, AFileTheShellDoesNotKnowShowsNoIconAndEveryIconIsFreed) {
  ShellCalls.LargeIconIndex = 0;
  Edit("Quake");
  EXPECT_EQ(Script.IconShown, std::nullopt);
  ShellCalls.LargeIconIndex = 7;
  Script.User = [](TGamePropDlg& dialog, TGamePropScript& user) {
    user.Filename = "";
    dialog.FilenameEditExit();
    EXPECT_EQ(user.IconShown, std::nullopt) << "an empty file edit shows nothing";
    user.Filename = "C:\\Games\\Arena.exe";
    dialog.FilenameEditExit();
    EXPECT_EQ(user.IconShown, 7);
    return TModalResult::mrCancel;
  };
  Edit("Quake");
  // TRecordedShell counts the icons handed out: each was freed when replaced or closed.
  EXPECT_EQ(ShellCalls.IconsAlive, 0);
}

TEST_F(GamePropDlgTest, ChangingOnlyTheParametersKeepsTitleAndOptionValues) {
  Script.User = [](TGamePropDlg&, TGamePropScript& user) {
    user.Parameters = "  +map e1m1  ";
    return TModalResult::mrOK;
  };
  EXPECT_EQ(Edit("Quake"), TModalResult::mrOK);
  EXPECT_EQ(GamesFile(),
            "[%%Default%_GeForce%]\r\nGL Force Antialiasing=1\r\n"
            "[Quake]\r\nPath=C:\\Games\\Quake\\quake.exe\r\nParameters=+map e1m1\r\n"
            "[%Quake_GeForce%]\r\nGL Anisotropic filtering=2\r\n"
            "[Arena]\r\nPath=C:\\Games\\Arena.exe\r\nParameters=\r\n");
}

// A launcher stub's program is kept in the game's section only while it is set, so a game
// without one stays byte for byte as it was.
TEST_F(GamePropDlgTest, WaitForProgramIsShownStoredWhenSetAndRemovedWhenCleared) {
  Script.User = [](TGamePropDlg&, TGamePropScript& user) {
    EXPECT_EQ(user.WaitForProgram, "");
    user.WaitForProgram = " game.exe ";
    return TModalResult::mrOK;
  };
  EXPECT_EQ(Edit("Arena"), TModalResult::mrOK);
  EXPECT_NE(GamesFile().find("[Arena]\r\nPath=C:\\Games\\Arena.exe\r\nParameters=\r\n"
                             "WaitForProgram=game.exe\r\n"),
            std::string::npos)
      << GamesFile();
  Script.User = [](TGamePropDlg&, TGamePropScript& user) {
    EXPECT_EQ(user.WaitForProgram, "game.exe");
    user.WaitForProgram.clear();
    return TModalResult::mrOK;
  };
  EXPECT_EQ(Edit("Arena"), TModalResult::mrOK);
  EXPECT_EQ(GamesFile(), Games);
}

TEST_F(GamePropDlgTest, ARenameMovesTheGameWithItsCardSections) {
  Script.User = TypesTitle(" Quake II ");
  EXPECT_EQ(Edit("Quake"), TModalResult::mrOK);
  EXPECT_EQ(Game("Quake II").Name, "Quake II");
  EXPECT_EQ(GamesFile(),
            "[%%Default%_GeForce%]\r\nGL Force Antialiasing=1\r\n"
            "[Arena]\r\nPath=C:\\Games\\Arena.exe\r\nParameters=\r\n\r\n"
            "[Quake II]\r\nPath=C:\\Games\\Quake\\quake.exe\r\nParameters=-game ctf\r\n\r\n"
            "[%Quake II_GeForce%]\r\nGL Anisotropic filtering=2\r\n");
}

TEST_F(GamePropDlgTest, CancelTakesNothingOver) {
  Script.User = [](TGamePropDlg&, TGamePropScript& user) {
    user.Name = "Other";
    user.Parameters = "x";
    return TModalResult::mrCancel;
  };
  EXPECT_EQ(Edit("Quake"), TModalResult::mrCancel);
  EXPECT_EQ(Game("Quake").Parameters, "-game ctf");
  EXPECT_EQ(GamesFile(), Games);
}

// The three texts of the window, in their order, then the titles the store cannot hold;
// the dialog stays open at each until the user gives a title it takes.
TEST_F(GamePropDlgTest, TitlesAreRefusedInOrderAndTheDialogStaysOpen) {
  struct Case {
    std::string Title;
    std::string Refusal;
  } cases[] = {
      {"  Arena  ", "Application title should be unique"},
      {"ARENA", "Application title should be unique"},
      {"Arena_2", "Application title shouldn't contailns any \"_\" characters."},
      {"arena_", "Application title shouldn't contailns any \"_\" characters."},
      {"   ", "Application title shouldn't be empty"},
      {"", "Application title shouldn't be empty"},
      {"%Arena", "Application title shouldn't begin with \"%\"."},
      {"Arena]", "Application title shouldn't contain any \"]\" characters."},
      {"%%Configuration", "Application title shouldn't begin with \"%\"."},
      {"Arena\r\nPath=x", "Application title shouldn't contain line breaks."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Title);
    int attempt = 0;
    Script.OKRefused = 0;
    Script.User = [&](TGamePropDlg&, TGamePropScript& user) {
      user.Name = attempt++ == 0 ? c.Title : "Quake";
      return TModalResult::mrOK;
    };
    EXPECT_EQ(Edit("Quake"), TModalResult::mrOK);
    EXPECT_EQ(Script.OKRefused, 1);
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0].Text, c.Refusal);
    EXPECT_EQ(Messages.Shown[0].Kind, TMessageKind::mkWarning);
    Messages.Shown.clear();
  }
  EXPECT_EQ(GamesFile(), Games) << "a refused title writes nothing";
}

TEST_F(GamePropDlgTest, TheSameTitleInOtherLettersIsTheGameItself) {
  Script.User = TypesTitle("QUAKE");
  EXPECT_EQ(Edit("Quake"), TModalResult::mrOK);
  EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(GamePropDlgTest, NewWithAPresetFileShowsNoChooserAndProposesTheFileName) {
  TrlProgramConfig profile;
  Script.User = [](TGamePropDlg&, TGamePropScript& user) {
    EXPECT_EQ(user.Caption, "New program properties");
    EXPECT_EQ(user.Name, "doom2");
    EXPECT_EQ(user.Filename, "C:\\Doom\\doom2.exe");
    EXPECT_TRUE(user.NameFocused);
    user.Parameters = " -warp 1 ";
    return TModalResult::mrOK;
  };
  EXPECT_EQ(New(profile, "C:\\Doom\\doom2.exe"), TModalResult::mrOK);
  EXPECT_TRUE(FileChooser.Asked.empty());
  EXPECT_EQ(profile.Name, "doom2");
  EXPECT_EQ(GamesFile(), Games + "\r\n[doom2]\r\nPath=C:\\Doom\\doom2.exe\r\nParameters=-warp 1\r\n");
}

TEST_F(GamePropDlgTest, NewAsksTheChooserWithItsTitleFilterAndOptions) {
  TrlProgramConfig profile;
  FileChooser.Answers = {"C:\\Games\\Unreal\\Unreal.exe"};
  Script.User = TypesTitle("Unreal");
  EXPECT_EQ(New(profile, ""), TModalResult::mrOK);
  ASSERT_EQ(FileChooser.Asked.size(), 1u);
  EXPECT_FALSE(FileChooser.Asked[0].Save);
  const TFileChoice& chooser = FileChooser.Asked[0].Choice;
  EXPECT_EQ(chooser.Title, "Choice program");
  EXPECT_EQ(chooser.Filter, "Executable (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|All files (*.*)|*.*");
  EXPECT_EQ(chooser.DefaultExtension, "exe");
  EXPECT_EQ(chooser.FileName, "");
  EXPECT_FALSE(chooser.ResolveShortcuts) << "a shortcut is the program file itself";
  EXPECT_EQ(Script.Filename, "C:\\Games\\Unreal\\Unreal.exe");
}

TEST_F(GamePropDlgTest, NewWithTheChooserCancelledAbortsSilentlyAndStoresNothing) {
  TrlProgramConfig profile;
  FileChooser.Answers = {std::nullopt};
  EXPECT_THROW(New(profile, ""), EAbort);
  EXPECT_EQ(Script.DialogsShown, 0);
  EXPECT_EQ(GamesFile(), Games);
}

// The title first proposed may be another game's: on OK the new profile only takes its
// title, and nothing of the other game moves.
TEST_F(GamePropDlgTest, NewProposingAnotherGamesTitleMovesNothingOfThatGame) {
  TrlProgramConfig profile;
  Script.User = [attempt = 0](TGamePropDlg&, TGamePropScript& user) mutable {
    if (attempt++ > 0) user.Name = "Quake 3";
    return TModalResult::mrOK;
  };
  EXPECT_EQ(New(profile, "C:\\Q3\\Quake.exe"), TModalResult::mrOK);
  EXPECT_EQ(Script.OKRefused, 1);
  EXPECT_EQ(Messages.TakeTexts(), TStrings{"Application title should be unique"});
  EXPECT_EQ(GamesFile(), Games + "\r\n[Quake 3]\r\nPath=C:\\Q3\\Quake.exe\r\nParameters=\r\n");
}

TEST_F(GamePropDlgTest, NewCancelledStoresNothing) {
  TrlProgramConfig profile;
  EXPECT_EQ(New(profile, "C:\\Doom\\doom2.exe"), TModalResult::mrCancel);
  EXPECT_EQ(GamesFile(), Games);
}

TEST_F(GamePropDlgTest, TheFileButtonAsksBeforeReplacingATitle) {
  for (TAnswer answer : {TAnswer::anNo, TAnswer::anYes}) {
    SCOPED_TRACE(answer == TAnswer::anYes ? "Yes" : "No");
    FileChooser.Answers = {"C:\\Games\\Quake2\\quake2.exe"};
    Messages.Answers = {answer};
    Script.User = [](TGamePropDlg& dialog, TGamePropScript&) {
      ClickGetFilenameButton(dialog);
      return TModalResult::mrCancel;
    };
    Edit("Quake");
    EXPECT_EQ(Messages.QuestionButtons, std::vector{TQuestionButtons::qbYesNo});
    EXPECT_EQ(Messages.TakeTexts(), TStrings{"Do you want to change application title?"});
    EXPECT_EQ(Script.Filename, "C:\\Games\\Quake2\\quake2.exe");
    EXPECT_EQ(Script.Name, answer == TAnswer::anYes ? "quake2" : "Quake");
    EXPECT_TRUE(Script.NameFocused);
  }
}

TEST_F(GamePropDlgTest, TheFileButtonCancelledChangesNothing) {
  FileChooser.Answers = {std::nullopt};
  Script.User = [](TGamePropDlg& dialog, TGamePropScript& user) {
    ClickGetFilenameButton(dialog);
    EXPECT_EQ(user.Filename, "C:\\Games\\Quake\\quake.exe");
    EXPECT_EQ(user.Name, "Quake");
    return TModalResult::mrCancel;
  };
  Edit("Quake");
  EXPECT_TRUE(Messages.Shown.empty());
}

// A draft named like a stored game is refused as a new game would be (letter case ignored);
// OK takes the edited texts into the draft and nothing into Games.CFG, not even a title
// that no game holds.
TEST_F(GamePropDlgTest, ADraftIsCheckedLikeANewGameAndOKStoresNothing) {
  TrlProgramConfig draft;
  draft.Name = "Quake";
  draft.Path = "C:\\Games\\Quake\\quake.exe";
  draft.Parameters = "-game ctf";
  int attempt = 0;
  Script.User = [&](TGamePropDlg&, TGamePropScript& user) {
    EXPECT_EQ(user.Filename, "C:\\Games\\Quake\\quake.exe");
    if (attempt++ == 0) {
      EXPECT_EQ(user.Parameters, "-game ctf");
      EXPECT_EQ(user.Name, "Quake") << "the draft's own title is shown";
      return TModalResult::mrOK;
    }
    user.Name = attempt == 2 ? "ARENA" : " Quake 2 ";
    user.Parameters = "+map e1m1";
    return TModalResult::mrOK;
  };
  EXPECT_EQ(Draft(draft), TModalResult::mrOK);
  EXPECT_EQ(Script.OKRefused, 2);
  EXPECT_EQ(Messages.TakeTexts(), (TStrings{"Application title should be unique",
                                            "Application title should be unique"}));
  EXPECT_EQ(draft.Name, "Quake 2");
  EXPECT_EQ(draft.Path, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(draft.Parameters, "+map e1m1");
  EXPECT_EQ(GamesFile(), Games);
}

TEST_F(GamePropDlgTest, ADraftCancelledTakesNothingOver) {
  TrlProgramConfig draft;
  draft.Name = "Quake";
  Script.User = [](TGamePropDlg&, TGamePropScript& user) {
    user.Name = "Quake 2";
    return TModalResult::mrCancel;
  };
  EXPECT_EQ(Draft(draft), TModalResult::mrCancel);
  EXPECT_EQ(draft.Name, "Quake");
  EXPECT_EQ(GamesFile(), Games);
}

}  // namespace
}  // namespace tgl::test
