// Games started from outside the window (/run and /apply, a second start, the tray menu, a
// desktop shortcut) and the restore of driver settings when the game ends.
#include <gtest/gtest.h>

#include "MainFormTestSupport.h"

namespace tgl::test {
namespace {

const std::string OpenGLKey = std::string(GeForceDriverKey) + "\\NVidia\\OpenGL";
const std::string RestoreOn = "[%%Configuration]\r\nRestoreDriverSettings=1\r\n";
const char* const JournalName = "TesmoraGL.Restore";

class LaunchCommands : public TMainFormTest {
protected:
  // The program's start as the window makes it: created, shown unless hidden, then started.
  void Start(const TStrings& arguments) {
    Create(arguments);
    Form.FormStarted();
  }
  std::optional<TRegistryData> DriverValue(const std::string& name) const {
    return MemoryRegistry.Value(TRootKey::rkLocalMachine, OpenGLKey, name);
  }
  static TRegistryData Dword(uint32_t value) {
    return {TRegDataType::rdInteger,
            {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)}};
  }
  void EndGame() {
    View.Processes.EndLastProcess();
    Form.WatchedGameEvent();
  }
};

TEST_F(LaunchCommands, RunFromTheCommandLineAppliesStartsAndEndsWithoutShowingTheWindow) {
  Start({"/run:QUAKE"});  // titles compare without letter case, as Games.CFG does

  EXPECT_FALSE(View.FormVisible);
  EXPECT_TRUE(Messages.TakeTexts().empty());
  EXPECT_EQ(DriverValue("EnableFSAA"), Dword(0)) << "Quake's own values";
  EXPECT_EQ(DriverValue("RenderQualityFlags"), Dword(2));
  ASSERT_EQ(ShellCalls.Executed.size(), 1u);
  EXPECT_EQ(ShellCalls.Executed[0].File, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(ShellCalls.Executed[0].Parameters, "-game ctf");
  EXPECT_TRUE(View.Terminated);
  EXPECT_FALSE(View.Minimized) << "OnRun is for a window the user saw";
  EXPECT_EQ(Form.ExitCode(), 0);
  EXPECT_FALSE(Folder.Exists(JournalName)) << "restore is off by default";
}

TEST_F(LaunchCommands, ApplyFromTheCommandLineWritesAndStartsNothing) {
  for (const char* argument : {"/apply:Default", "/APPLY:arena"}) {
    SCOPED_TRACE(argument);
    TFakeMainView view;
    TTesmoraGLxForm form(view, Frames);
    form.FormCreate({argument});
    form.FormStarted();
    EXPECT_FALSE(view.FormVisible);
    EXPECT_TRUE(view.Terminated);
    EXPECT_EQ(form.ExitCode(), 0);
    EXPECT_TRUE(ShellCalls.Executed.empty());
    EXPECT_TRUE(Messages.TakeTexts().empty());
    // Default forces antialiasing; Arena keeps the card's defaults.
    EXPECT_EQ(MemoryRegistry.Value(TRootKey::rkLocalMachine, OpenGLKey, "EnableFSAA"),
              Dword(std::string(argument) == "/apply:Default" ? 1 : 0));
  }
}

TEST_F(LaunchCommands, RequestsThatCannotBeCarriedOutSayWhyAndEndWithCodeOne) {
  struct Case {
    std::string Argument;
    int ShellResult;
    std::string Message;
  } cases[] = {
      {"/run:Doom", 42, "There is no game titled \"Doom\" in Tesmora Game Launcher."},
      {"/run:", 42, "There is no game titled \"\" in Tesmora Game Launcher."},
      {"/apply:Quake 2", 42, "There is no game titled \"Quake 2\" in Tesmora Game Launcher."},
      {"/run:Quake", 2, "Some error occured during application execution"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Argument);
    ShellCalls.ExecuteResult = c.ShellResult;
    ShellCalls.Executed.clear();
    TFakeMainView view;
    TTesmoraGLxForm form(view, Frames);
    form.FormCreate({c.Argument});
    form.FormStarted();
    EXPECT_EQ(Messages.TakeTexts(), TStrings{c.Message});
    EXPECT_TRUE(view.Terminated);
    EXPECT_FALSE(view.FormVisible);
    EXPECT_EQ(form.ExitCode(), 1);
    if (c.ShellResult > 32) {
      EXPECT_TRUE(ShellCalls.Executed.empty());
      EXPECT_FALSE(MemoryRegistry.Value(TRootKey::rkLocalMachine, OpenGLKey, "EnableFSAA"))
          << "nothing written for an unknown title";
    }
  }
}

TEST_F(LaunchCommands, NoSupportedCardIsToldAndEndsWithCodeOne) {
  DisplayList.Devices = {DisplayAdapter("PCI\\VEN_1234&DEV_5678&SUBSYS_00000000&REV_00\\X",
                                        "Unknown", "\\Registry\\Machine\\System\\X")};
  Start({"/run:Quake"});
  TStrings texts = Messages.TakeTexts();
  EXPECT_FALSE(texts.empty());
  EXPECT_TRUE(View.Terminated);
  EXPECT_EQ(Form.ExitCode(), 1);
  EXPECT_TRUE(ShellCalls.Executed.empty());
}

TEST_F(LaunchCommands, WithRestoreOnTheProgramWaitsForTheGameAndPutsBackEveryValue) {
  Folder.Write("Games.CFG", GamesFixture + RestoreOn);
  MemoryRegistry.PutInteger(TRootKey::rkLocalMachine, OpenGLKey, "EnableFSAA", 7);
  Start({"/run:Quake"});

  ASSERT_EQ(View.Processes.Started.size(), 1u);
  EXPECT_TRUE(ShellCalls.Executed.empty()) << "started with a process to wait for";
  EXPECT_EQ(View.Processes.Started[0].Path, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(View.Processes.Started[0].Parameters, "-game ctf");
  EXPECT_EQ(View.Processes.Started[0].Folder, "C:\\Games\\Quake\\");
  EXPECT_TRUE(View.Processes.Watching);
  EXPECT_TRUE(Folder.Exists(JournalName));
  EXPECT_EQ(DriverValue("EnableFSAA"), Dword(0));
  EXPECT_EQ(DriverValue("RenderQualityFlags"), Dword(2));
  EXPECT_FALSE(View.Terminated) << "the program lives to restore";
  EXPECT_EQ(View.StatusTexts[1], "Running Quake: driver settings restored when it ends");
  EXPECT_EQ(View.TrayTip, "Running Quake: settings will be restored");

  Form.WatchedGameEvent();  // a poll while the game still runs changes nothing
  EXPECT_FALSE(View.Terminated);
  EndGame();
  EXPECT_EQ(DriverValue("EnableFSAA"), Dword(7));
  EXPECT_FALSE(DriverValue("RenderQualityFlags")) << "absent before, deleted again";
  EXPECT_FALSE(Folder.Exists(JournalName));
  EXPECT_FALSE(View.Processes.Watching);
  EXPECT_EQ(View.StatusTexts[1], "");
  EXPECT_EQ(View.TrayTip, "Tesmora Game Launcher");
  EXPECT_TRUE(View.Terminated);
  EXPECT_EQ(Form.ExitCode(), 0);
  EXPECT_TRUE(Messages.TakeTexts().empty());
}

TEST_F(LaunchCommands, TheHintHidesTheRunningGameOnlyWhileItIsThere) {
  Folder.Write("Games.CFG", GamesFixture + RestoreOn + "OnRun=0\r\n");
  Create();
  ClickGame(GameIndex("Quake"));
  Form.ExecuteAction(TMainAction::maExecute);
  const std::string running = "Running Quake: driver settings restored when it ends";
  EXPECT_EQ(View.StatusTexts[1], running);
  Form.ApplicationEventsHint("Run the game");
  EXPECT_EQ(View.StatusTexts[1], "Run the game");
  Form.ApplicationEventsHint("");
  EXPECT_EQ(View.StatusTexts[1], running);
}

TEST_F(LaunchCommands, OnRunExitWaitsForTheGameBeforeClosing) {
  Folder.Write("Games.CFG", GamesFixture + RestoreOn + "OnRun=2\r\n");
  Create();
  ClickGame(GameIndex("Quake"));
  Form.ExecuteAction(TMainAction::maExecute);
  EXPECT_TRUE(View.Minimized);
  EXPECT_FALSE(View.CloseRequested);
  EndGame();
  EXPECT_TRUE(View.CloseRequested);
  EXPECT_FALSE(DriverValue("EnableFSAA"));
}

TEST_F(LaunchCommands, ClosingOrExitWhileAGameIsWaitedForAsksToRestoreFirst) {
  Folder.Write("Games.CFG", GamesFixture + RestoreOn + "OnRun=0\r\n");
  Create();
  ClickGame(GameIndex("Quake"));
  Form.ExecuteAction(TMainAction::maExecute);
  const std::string question =
      "Quake is still running; its driver settings will be restored when it ends.\r"
      "Restore them now and go on?";

  Messages.Answers = {TAnswer::anCancel, TAnswer::anCancel};
  EXPECT_FALSE(Form.FormCloseQuery());
  Form.Exit1Click();
  EXPECT_FALSE(View.Terminated);
  EXPECT_EQ(DriverValue("EnableFSAA"), Dword(0));

  Messages.Answers = {TAnswer::anOK};
  Form.Exit1Click();
  EXPECT_TRUE(View.Terminated);
  EXPECT_FALSE(DriverValue("EnableFSAA")) << "restored before the program ends";
  EXPECT_FALSE(Folder.Exists(JournalName));
  EXPECT_EQ(Messages.TakeTexts(), (TStrings{question, question, question}));
}

TEST_F(LaunchCommands, AJournalLeftByAKilledRunIsRestoredAtStartWithOneMessage) {
  Folder.Write("Games.CFG", GamesFixture + RestoreOn);
  {
    TFakeMainView view;
    TTesmoraGLxForm form(view, Frames);
    form.FormCreate({"/run:Quake"});
    form.FormStarted();
    ASSERT_EQ(MemoryRegistry.Value(TRootKey::rkLocalMachine, OpenGLKey, "EnableFSAA"), Dword(0));
  }  // the program goes while the game runs: the journal stays
  ASSERT_TRUE(Folder.Exists(JournalName));

  Start({});
  EXPECT_EQ(Messages.TakeTexts(),
            TStrings{"Tesmora Game Launcher ended while a game was running.\r"
                     "The driver settings changed for that game have been restored."});
  EXPECT_FALSE(DriverValue("EnableFSAA"));
  EXPECT_FALSE(Folder.Exists(JournalName));
}

TEST_F(LaunchCommands, AHandedOverRequestSelectsTheGameAfterTheSaveQuestion) {
  Create();
  ClickGame(GameIndex("Arena"));
  EditValues();
  Messages.Answers = {TAnswer::anNo};
  Form.LaunchRequested({TLaunchAction::laRun, "quake"});

  EXPECT_EQ(Messages.TakeTexts(), TStrings{"Do you want to save changes (overwise changes will "
                                           "be reverted)? "});
  EXPECT_EQ(SelectedGame(), "Quake");
  ASSERT_EQ(ShellCalls.Executed.size(), 1u);
  EXPECT_TRUE(View.Minimized) << "OnRun applies in a running instance";
  EXPECT_FALSE(View.Terminated);

  // The window's edge shows the error.
  try {
    Form.LaunchRequested({TLaunchAction::laRun, "Unknown"});
    ADD_FAILURE() << "no error";
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(), "There is no game titled \"Unknown\" in Tesmora Game Launcher.");
  }
  EXPECT_EQ(SelectedGame(), "Quake") << "nothing changed";
  EXPECT_FALSE(View.Terminated);
}

TEST_F(LaunchCommands, TheTrayMenuListsTheGamesAndRunsTheChosenOne) {
  Create();
  EXPECT_EQ(View.TrayGames, (TStrings{"Arena", "Quake"}));
  EXPECT_FALSE(View.TrayMore);
  Form.TrayGameClick(1);
  ASSERT_EQ(ShellCalls.Executed.size(), 1u);
  EXPECT_EQ(ShellCalls.Executed[0].File, "C:\\Games\\Quake\\quake.exe");
  Form.TrayGameClick(5);  // outside the list: nothing
  EXPECT_EQ(ShellCalls.Executed.size(), 1u);

  std::string many = GamesFixture;
  for (int game = 0; game < 20; ++game)
    many += "[Game " + std::string(1, char('A' + game)) + "]\r\nPath=C:\\g.exe\r\n";
  Folder.Write("Games.CFG", many);
  TFakeMainView view;
  TTesmoraGLxForm form(view, Frames);
  form.FormCreate({});
  ASSERT_EQ(view.TrayGames.size(), size_t(TTesmoraGLxForm::MaxTrayGames));
  EXPECT_EQ(view.TrayGames.front(), "Arena");
  EXPECT_TRUE(view.TrayMore);
}

TEST_F(LaunchCommands, DeleteTakesTheGameOutOfTheTrayMenu) {
  Create();
  ClickGame(GameIndex("Arena"));
  Messages.Answers = {TAnswer::anOK};
  Form.ExecuteAction(TMainAction::maDelete);
  Messages.TakeTexts();
  EXPECT_EQ(View.TrayGames, TStrings{"Quake"});
}

TEST_F(LaunchCommands, TheDesktopShortcutRunsTheGameByTitleInItsFolder) {
  Shell.Desktop = Folder.Path();
  Startup().ProgramFile = "C:\\Tools\\TesmoraGL.exe";
  Create();
  ClickGame(GameIndex("Quake"));
  Form.DesktopShortcut1Click();

  ASSERT_EQ(ShellCalls.Shortcuts.size(), 1u);
  EXPECT_EQ(ShellCalls.Shortcuts[0].first, Folder.Path() + "Quake.lnk");
  const TShellLink& link = ShellCalls.Shortcuts[0].second;
  EXPECT_EQ(link.Target, "C:\\Tools\\TesmoraGL.exe");
  EXPECT_EQ(link.Arguments, "/run:\"Quake\"");
  EXPECT_EQ(link.WorkingDirectory, "C:\\Games\\Quake");
  EXPECT_EQ(link.IconFile, "C:\\Games\\Quake\\quake.exe");
  EXPECT_TRUE(Messages.TakeTexts().empty());

  ClickGame(0);  // the Default entry has no shortcut
  Form.DesktopShortcut1Click();
  EXPECT_EQ(ShellCalls.Shortcuts.size(), 1u);
}

TEST_F(LaunchCommands, AShortcutFileOfTheSameNameIsReplacedOnlyWhenTheUserSaysSo) {
  Shell.Desktop = Folder.Path();
  Folder.Write("Quake.lnk", "the user's own");
  Create();
  ClickGame(GameIndex("Quake"));
  Messages.Answers = {TAnswer::anCancel, TAnswer::anOK};
  Form.DesktopShortcut1Click();
  EXPECT_TRUE(ShellCalls.Shortcuts.empty());
  Form.DesktopShortcut1Click();
  EXPECT_EQ(ShellCalls.Shortcuts.size(), 1u);
  EXPECT_EQ(Messages.TakeTexts(),
            (TStrings{"The desktop already holds \"Quake.lnk\".\rReplace it?",
                      "The desktop already holds \"Quake.lnk\".\rReplace it?"}));
}

}  // namespace
}  // namespace tgl::test
