// The main window's creation, its card box, showing, the tray and the logo, and its end.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "MainFormTestSupport.h"

namespace tgl::test {
namespace {

using MainFormCreation = TMainFormTest;

TEST_F(MainFormCreation, SelectsTheFirstCardAndTheDefaultEntryBeforeShowing) {
  Create();
  EXPECT_EQ(View.CardItems, TStrings{"NVIDIA GeForce2 MX"});
  EXPECT_EQ(View.CardIndexShown, 0);
  ASSERT_NE(Form.Hub()->Frame(), nullptr);
  EXPECT_EQ(Form.Hub()->Frame()->ClassName(), "TGeForceFrame");

  EXPECT_EQ(View.Games.Captions(), (std::vector<std::string>{" Default ", "Arena", "Quake"}));
  EXPECT_EQ(SelectedGame(), " Default ");
  EXPECT_EQ(Form.Hub()->ProfileName(), "%Default%");
  EXPECT_EQ(OptionValue("GL Force Antialiasing"), "1") << "the Default entry's stored value";
  EXPECT_TRUE(ControlOf("GL Force Antialiasing").Checked());
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "0") << "the definition's default";
  EXPECT_FALSE(Form.Hub()->IsModified());

  EXPECT_EQ(View.GameTitle, " Default ");
  EXPECT_EQ(View.Caption, " Default  - Tesmora Game Launcher");
  EXPECT_EQ(View.StatusTexts[0], "Windows 98");
  EXPECT_TRUE(View.AcceptsFiles);
  EXPECT_FALSE(View.GenericToolbarShown);
  EXPECT_EQ(View.ToolbarPanelHeight, 72);
  EXPECT_TRUE(Messages.Shown.empty());
  // The icons are looked up as the list shows them: the Default entry shows the desktop's.
  EXPECT_TRUE(ShellCalls.IconRequests.empty());
  EXPECT_EQ(View.Games.ImageIndex(0), ShellCalls.IconIndex);
  EXPECT_EQ(ShellCalls.IconRequests, (std::vector{std::make_pair(Shell.Desktop, true)}));
  Form.List1Click(vsList);
  View.Games.ImageIndex(GameIndex("Quake"));
  EXPECT_EQ(ShellCalls.IconRequests.back(),
            std::make_pair(std::string("C:\\Games\\Quake\\quake.exe"), false));
  EXPECT_EQ(View.Games.Updating, 0);
}

TEST_F(MainFormCreation, StatusBarNamesTheWindowsVersion) {
  const std::pair<int, const char*> cases[] = {{wvWindows95, "Windows 95"},
                                               {wvWindowsMe, "Windows Me"},
                                               {wvWindows2000, "Windows 2000"},
                                               {wvUnsupported, "not supported Windows version"}};
  for (const auto& [version, text] : cases) {
    Startup().WindowsVersion = version;
    Form.FormShow();
    EXPECT_EQ(View.StatusTexts[0], text);
  }
}

TEST_F(MainFormCreation, MinimizedInAnyCaseStaysHiddenUntilTheTrayBringsItUp) {
  Create({"/MiniMized"});
  EXPECT_FALSE(Form.ShowOnStart());
  EXPECT_FALSE(View.FormVisible);
  EXPECT_EQ(View.StatusTexts[0], "") << "FormShow waits for the first showing";
  EXPECT_EQ(SelectedGame(), " Default ");

  Form.ShowApplicationClick();
  EXPECT_TRUE(View.IsApplicationVisible());
  EXPECT_EQ(View.StatusTexts[0], "Windows 98");
  EXPECT_EQ(View.BroughtToFront, 1);
  EXPECT_EQ(SelectedGame(), " Default ");
}

TEST_F(MainFormCreation, OnlyTheFirstArgumentCountsForMinimized) {
  Create({"/x", "/minimized"});
  EXPECT_TRUE(Form.ShowOnStart());
}

TEST_F(MainFormCreation, AnUnknownAdapterIsListedAndShowsNoPanelAndNoMessage) {
  DisplayList.Devices.insert(DisplayList.Devices.begin(),
                             DisplayAdapter("PCI\\VEN_1234&DEV_5678", "Mystery adapter"));
  Create();
  EXPECT_EQ(View.CardItems, (TStrings{"Mystery adapter", "NVIDIA GeForce2 MX"}));
  EXPECT_EQ(View.CardIndexShown, 0);
  EXPECT_EQ(Form.Hub()->CurrentCard(), &Form.Cards()->Cards(0));
  EXPECT_EQ(Form.Hub()->Frame(), nullptr);
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_EQ(SelectedGame(), " Default ");

  PickCard(1);
  EXPECT_EQ(View.CardIndexShown, 1);
  ASSERT_NE(Form.Hub()->Frame(), nullptr);
  EXPECT_EQ(OptionValue("GL Force Antialiasing"), "1") << "the selected game's values load";
}

// What the notice under the missing panel promises: Run still starts the game, and the
// driver is left as it is.
TEST_F(MainFormCreation, OnAnUnknownAdapterRunStartsTheGameAndWritesNothing) {
  DisplayList.Devices.insert(DisplayList.Devices.begin(),
                             DisplayAdapter("PCI\\VEN_1234&DEV_5678", "Mystery adapter"));
  Create();
  ClickGame(GameIndex("Quake"));
  int stored = 0;
  MemoryRegistry.StoreFilter = [&](TRootKey, const std::string&, const std::string&,
                                   TRegistryData&) { return ++stored, true; };
  Form.ExecuteAction(TMainAction::maExecute);
  EXPECT_EQ(ShellCalls.Executed.size(), 1u);
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_EQ(stored, 0);
}

TEST_F(MainFormCreation, WithoutACardTheMessageEndsTheProgram) {
  DisplayList.Devices.clear();
  Create();
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0].Text,
            "Tesmora Game Launcher didn't found any videocard on your system.\r"
            "Your have no videocard!?!");
  EXPECT_EQ(Messages.Shown[0].Kind, TMessageKind::mkWarning);
  EXPECT_TRUE(View.Terminated);
}

TEST_F(MainFormCreation, AnUnsupportedWindowsShowsTheErrorAndSkipsTheCardsAndGames) {
  Startup().WindowsVersion = wvUnsupported;
  Create();
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0], (TShownMessage{"Program doesn't support your Windows version",
                                              TMessageKind::mkError}));
  EXPECT_TRUE(View.CardItems.empty());
  EXPECT_EQ(View.Games.Count(), 0);
  EXPECT_EQ(Form.Programs(), nullptr);
  EXPECT_EQ(View.StatusTexts[0], "not supported Windows version");

  Form.DevicesComboChange();  // nothing to change to
  EXPECT_TRUE(Form.FormCloseQuery());
  Form.FormDestroy();
  EXPECT_EQ(StoredValue("%%Configuration", "OnRun"), "1") << "the settings are still saved";
}

TEST_F(MainFormCreation, ShowAllCardsListsTheCatalogueAndDropsDownTwentyRows) {
  Folder.Write("Games.CFG", "[%%Configuration]\r\nShowAllCards=1\r\n");
  Create();
  ASSERT_EQ(View.CardItems.size(), 10u);
  EXPECT_EQ(View.CardItems[9], "_GeForce");
  EXPECT_EQ(View.CardDropDownRows, 20);

  PickCard(9);
  EXPECT_EQ(Form.Hub()->CurrentCard()->TuningFile, "GeForce");
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "0") << "the Default entry has no values";
}

TEST_F(MainFormCreation, AnAdministratorOfWindows2000IsNotRestricted) {
  MemoryRegistry.CreateKey(TRootKey::rkLocalMachine, "System\\CurrentControlSet\\Services");
  Startup().WindowsVersion = wvWindows2000;
  Create();
  EXPECT_TRUE(Startup().HasAdminRights);
  EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(MainFormCreation, Windows9xIsNeverRestricted) {
  MemoryRegistry.WritesRefused = true;
  Create();
  EXPECT_TRUE(Startup().HasAdminRights);
  EXPECT_TRUE(Form.ActionState(TMainAction::maExecute).Enabled);
}

TEST_F(MainFormCreation, RestrictedModeIsAnnouncedWhenShownAndDisablesApply) {
  MemoryRegistry.CreateKey(TRootKey::rkLocalMachine, "System\\CurrentControlSet\\Services");
  MemoryRegistry.WritesRefused = true;
  Startup().WindowsVersion = wvWindows2000;
  Create();
  EXPECT_FALSE(Startup().HasAdminRights);
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0].Text,
            "Tesmora Game Launcher is running in restricted mode.\r"
            "You can only edit settings but couldn't apply them.\r"
            "To be able to apply settings you must enter Windows with Administrator like "
            "rights.");
  EXPECT_EQ(Messages.Shown[0].Kind, TMessageKind::mkWarning);
  EXPECT_FALSE(Form.ActionState(TMainAction::maExecute).Enabled);
  EXPECT_EQ(Form.ActionState(TMainAction::maExecute).Caption, "Apply");
}

TEST_F(MainFormCreation, CardChangeAsksTheSaveQuestionAndCancelKeepsTheCard) {
  Folder.Write("Games.CFG", "[%%Configuration]\r\nShowAllCards=1\r\n");
  Create();
  const TrlCardConfig* geForce = Form.Hub()->CurrentCard();
  EditValues();

  Messages.Answers = {TAnswer::anCancel};
  PickCard(8);  // _TNT
  EXPECT_EQ(Messages.TakeTexts(), TStrings{"Do you want to save changes (overwise changes will "
                                           "be reverted)? "});
  EXPECT_EQ(View.CardIndexShown, 0);
  EXPECT_EQ(Form.Hub()->CurrentCard(), geForce);
  EXPECT_TRUE(Form.Hub()->IsModified());

  // The same card again asks all the same and loads nothing: No shows the reverted values.
  Messages.Answers = {TAnswer::anNo};
  PickCard(0);
  EXPECT_EQ(Messages.TakeTexts().size(), 1u);
  EXPECT_EQ(Form.Hub()->CurrentCard(), geForce);
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "0");
  EXPECT_FALSE(ControlOf("GL Anisotropic filtering").Checked());

  EditValues();
  Messages.Answers = {TAnswer::anYes};
  PickCard(8);
  EXPECT_EQ(StoredValue("%%Default%_GeForce%", "GL Anisotropic filtering"), "2");
  EXPECT_EQ(Form.Hub()->CurrentCard()->TuningFile, "TNT");
  EXPECT_EQ(View.CardIndexShown, 8);
}

TEST_F(MainFormCreation, CtrlAltIShowsTheHardwareID) {
  Create();
  Form.DevicesComboKeyDown(vkI, {false, true, false});
  Form.DevicesComboKeyDown('J', {false, true, true});
  EXPECT_TRUE(Messages.Shown.empty());
  Form.DevicesComboKeyDown(vkI, {true, true, true});
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0], (TShownMessage{"Hardware ID is : VEN_10DE&DEV_0110",
                                              TMessageKind::mkInformation}));
}

TEST_F(MainFormCreation, ClosingAsksTheSaveQuestionAndExitDoesNot) {
  Create();
  EXPECT_TRUE(Form.FormCloseQuery()) << "nothing to save";

  EditValues();
  Messages.Answers = {TAnswer::anCancel, TAnswer::anYes};
  EXPECT_FALSE(Form.FormCloseQuery());
  EXPECT_EQ(StoredValue("%%Default%_GeForce%", "GL Anisotropic filtering"), "<none>");
  EXPECT_TRUE(Form.FormCloseQuery());
  EXPECT_EQ(StoredValue("%%Default%_GeForce%", "GL Anisotropic filtering"), "2");

  EditValues();
  Form.Exit1Click();
  EXPECT_TRUE(View.Terminated);
  Form.FormDestroy();
  EXPECT_EQ(Messages.Shown.size(), 2u) << "no question on Exit";
  EXPECT_EQ(StoredValue("%%Default%_GeForce%", "GL Anisotropic filtering"), "2")
      << "the edit is lost";
  EXPECT_EQ(StoredValue("%%Configuration", "ConfirmSaving"), "1");
}

TEST_F(MainFormCreation, DestroyFreesEverythingAndShowsASettingsFailureOnce) {
  Create();
  // A read-only Games.CFG is never written.
  ASSERT_EQ(::chmod((Folder.Path() + "Games.CFG").c_str(), 0444), 0);
  Form.FormDestroy();
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0].Text, "Unable to write to " + Folder.Path() + "Games.CFG");
  EXPECT_EQ(Messages.Shown[0].Kind, TMessageKind::mkError);
  EXPECT_EQ(Form.Programs(), nullptr);
  EXPECT_EQ(Form.Cards(), nullptr);
  EXPECT_EQ(Form.Hub(), nullptr);
}

TEST_F(MainFormCreation, ShowApplicationRestoresAHiddenWindowUnlessTheTrayMenuIsLocked) {
  Create();
  View.MinimizeApplication();

  View.WhileAboutBoxOpen = [&] {
    EXPECT_FALSE(View.TrayMenu);
    Form.ShowApplicationClick();
    Form.ShowInstanceMessage();
  };
  Form.AboutActionExecute();
  EXPECT_TRUE(View.Minimized) << "nothing comes up behind the about box";
  EXPECT_TRUE(View.TrayMenu);

  int starts = View.LogoStarts;
  View.LogoAnimating = false;
  Form.ShowInstanceMessage();
  EXPECT_FALSE(View.Minimized);
  EXPECT_EQ(View.LogoStarts, starts + 1);
}

TEST_F(MainFormCreation, EveryLogoTriggerPlaysOnceAndTriggersDuringACycleAddOne) {
  Create();
  View.LogoAnimating = false;
  Form.AnimateLogo();
  EXPECT_TRUE(View.LogoAnimating);
  Form.GIFLogoImageWrapAnimation();
  EXPECT_FALSE(View.LogoAnimating);

  Form.AnimateLogo();
  Form.AnimateLogo();
  Form.AnimateLogo();
  int starts = View.LogoStarts;
  // A logo that stops by itself at the end of a cycle is started once more.
  View.LogoAnimating = false;
  Form.GIFLogoImageWrapAnimation();
  EXPECT_TRUE(View.LogoAnimating) << "one more cycle";
  EXPECT_EQ(View.LogoStarts, starts + 1);
  Form.GIFLogoImageWrapAnimation();
  EXPECT_FALSE(View.LogoAnimating);
  EXPECT_EQ(View.LogoStarts, starts + 1);
}

TEST_F(MainFormCreation, ALogoClickOpensTheHomePageWithoutActivating) {
  Create();
  Form.GIFLogoImageClick();
  ASSERT_EQ(ShellCalls.Executed.size(), 1u);
  const TShellCommand& command = ShellCalls.Executed[0];
  EXPECT_EQ(command.Verb, "");
  EXPECT_EQ(command.File.rfind("http", 0), 0u);
  EXPECT_EQ(command.Parameters, "");
  EXPECT_EQ(command.ShowCommand, ShowNoActivate);
  EXPECT_TRUE(command.OwnedByMainWindow);
}

TEST_F(MainFormCreation, ADroppedFileIsHandedToNewAndForgotten) {
  Create();
  int before = View.BroughtToFront;
  Form.FilesDropped("");
  EXPECT_EQ(View.BroughtToFront, before);
  Form.FilesDropped("C:\\Games\\Doom\\doom.exe");
  EXPECT_EQ(View.BroughtToFront, before + 1);
  EXPECT_EQ(View.Focused, 1);
  EXPECT_EQ(Form.DroppedFile, "");
}

TEST_F(MainFormCreation, TheHintGoesToTheSecondStatusPanel) {
  Create();
  Form.ApplicationEventsHint("Delete game profile");
  EXPECT_EQ(View.StatusTexts[1], "Delete game profile");
}

// A new Games.CFG in its place would lose every game the old one holds, so nothing is
// written over it, the settings at the end included.
TEST_F(MainFormCreation, AGamesCfgThatCannotBeReadIsToldAndKept) {
  ASSERT_EQ(::unlink((Folder.Path() + "Games.CFG").c_str()), 0);
  ASSERT_EQ(::mkdir((Folder.Path() + "Games.CFG").c_str(), 0755), 0);
  Create();
  EXPECT_EQ(Messages.Shown,
            (std::vector<TShownMessage>{
                {Folder.Path() + "Games.CFG cannot be read.\rIt is kept as it is, and nothing is "
                                 "saved to it while it cannot be read.",
                 TMessageKind::mkWarning}}));
  Form.FormDestroy();
  EXPECT_EQ(Messages.Shown.size(), 1u) << "the settings are not saved";
  struct stat info {};
  ASSERT_EQ(::stat((Folder.Path() + "Games.CFG").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_FALSE(Folder.Exists("Games.CFG.1"));
}

}  // namespace
}  // namespace tgl::test
