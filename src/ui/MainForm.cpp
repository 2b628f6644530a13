// The main window's life: creation, the card box, showing, the tray and the logo, closing.
#include "ui/MainForm.h"

#include "base/Errors.h"
#include "base/ProductInfo.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "cards/CreateCards.h"
#include "config/IniFile.h"
#include "launch/CommandLine.h"
#include "platform/Platform.h"
#include "profiles/GamesFile.h"
#include "profiles/ProfileFile.h"
#include "ui/MainLayout.h"
#include "ui/MainTexts.h"
#include "ui/RunningGameText.h"

namespace tgl {

TTesmoraGLxForm::TTesmoraGLxForm(TMainView& view, const TFrameRegistry& frames)
    : FView(view),
      FFrames(frames),
      // TGameHost is a private base: make_unique could not convert to it.
      FSession(std::make_unique<TGameSession>(view.GameProcesses(),
                                              static_cast<TGameHost&>(*this))) {
  for (const TActionDefinition& definition : MainActions) {
    TActionState& state = FActions[static_cast<size_t>(definition.Action)];
    state = {true, std::string(definition.Caption), definition.ImageIndex};
    FView.ShowAction(definition.Action, state);
  }
  TListViewControl& games = GamesList();
  games.OnChanging2 = [this](int item, uint32_t oldState, uint32_t newState, TItemChange change,
                             bool& allowChange) {
    GamesListChanging2(item, oldState, newState, change, allowChange);
  };
  games.OnSelectItem = [this](int item, bool selected) { GamesListSelectItem(item, selected); };
  games.OnGetImageIndex = [this](int item) { return GamesListGetImageIndex(item); };
}

// Whatever FormDestroy did not free goes in the same order: the session, the profiles, the
// cards, the hub.
TTesmoraGLxForm::~TTesmoraGLxForm() {
  FSession.reset();
  TListViewControl& games = GamesList();
  games.OnChanging2 = nullptr;
  games.OnSelectItem = nullptr;
  games.OnGetImageIndex = nullptr;
}

void TTesmoraGLxForm::FormCreate(const TStrings& arguments) {
  try {
    LogoReplay = false;
    FView.SetCaption(ProgramTitle);
    CommandLineRequest = ParseLaunchRequest(arguments);
    StartedForLaunch = CommandLineRequest.has_value();
    StartHidden = IsMinimizedSwitch(arguments) || StartedForLaunch;
    TestAdminRights();
    CheckGamesFile();
    LoadSettings();
    SettingsLoaded = true;
    AskedThisClick = false;
    FHub = std::make_unique<TFieldHub>(FFrames, FView.DetailsPanel());
    FHub->OnReloadValues = [this] { ReloadProfile(); };
    FCards = CreateCards();
    FillCards();
    FPrograms = std::make_unique<TrlPrograms>();
    FillGames();
    Created = true;
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
  }
  if (!Created) DisableCommandsOfIncompleteStart();
}

// Whatever step failed, the hub, the cards or the games may be missing: only the About box
// needs none of them. The actions are never enabled again, as no game can be selected.
void TTesmoraGLxForm::DisableCommandsOfIncompleteStart() {
  for (const TActionDefinition& definition : MainActions)
    if (definition.Action != TMainAction::maAbout) SetActionEnabled(definition.Action, false);
}

// Only an NT system keeps users from the driver keys; whoever may open the services key
// for full access may write them.
void TTesmoraGLxForm::TestAdminRights() {
  if (Startup().WindowsVersion != wvWindows2000) return;
  std::unique_ptr<TRegistry> registry = Registry().CreateRegistry();
  registry->SetRootKey(TRootKey::rkLocalMachine);
  if (!registry->OpenKey("\\System\\CurrentControlSet\\Services\\", false))
    Startup().HasAdminRights = false;
}

// Such a file is left as it is: a new one in its place would lose every game in it. The
// writes of this run refuse it ("Unable to write to %s") for as long as it cannot be read.
void TTesmoraGLxForm::CheckGamesFile() {
  GamesFileKept = TIniFile(GamesFilePath()).CannotBeRead();
  if (GamesFileKept)
    Messages().ShowMessage(Format(GamesFileUnreadableText, {GamesFilePath()}),
                           TMessageKind::mkWarning);
}

void TTesmoraGLxForm::FillCards() {
  if (!FCards) throw EError("MainUnit: FillCards without a card list");
  TStrings items;
  for (int index = 0; index < FCards->Count(); ++index)
    items.push_back(FieldText(FCards->Cards(index).Device.DeviceString));
  FView.SetCardItems(items);
  if (items.empty()) {
    Messages().ShowMessage(std::string(ProgramTitle) + NoCardText, TMessageKind::mkWarning);
    FView.TerminateApplication();
    return;
  }
  FView.SetCardIndex(0);
  DevicesComboChange();
}

// A card that cannot be loaded says nothing: the box goes back to the hub's card, which is
// the failed one when the load failed, and the panel area shows that the card is not
// supported. The same card again loads nothing, so after No the panel must show the
// reverted values itself. A save that failed is told, and keeps the card and its edits.
void TTesmoraGLxForm::DevicesComboChange() {
  if (!FCards || FCards->Count() == 0) return;
  try {
    const TrlCardConfig* card = &FCards->Cards(FView.CardIndex());
    if (MayLeaveEdits(card == FHub->CurrentCard())) {
      FHub->SelectCard(card);
      AnimateLogo();
      return;
    }
  } catch (...) {
  }
  FView.SetCardIndex(FCards->IndexOf(FHub->CurrentCard()));
}

void TTesmoraGLxForm::DevicesComboKeyDown(int key, TShiftState shift) {
  if (key != vkI || !shift.Ctrl || !shift.Alt || !FHub || !FHub->CurrentCard()) return;
  Messages().ShowMessage(Format(HardwareIDText, {FHub->CurrentCard()->HardwareID}),
                         TMessageKind::mkInformation);
}

void TTesmoraGLxForm::FormShow() {
  FView.AcceptDroppedFiles();
  int version = Startup().WindowsVersion;
  if (version < wvUnsupported || version > wvWindows2000) version = wvUnsupported;
  FView.SetStatusText(0, WindowsVersionTexts[version]);
  if (Startup().ShowAllCards) FView.SetCardDropDownCount(MainLayout::AllCardsDropDownRows);
  ApplyToolbarStyle();
  if (!Startup().HasAdminRights)
    Messages().ShowMessage(Format(RestrictedModeText, {ProgramTitle}), TMessageKind::mkWarning);
}

// A game whose settings wait to be restored keeps the window unless they are put back now.
bool TTesmoraGLxForm::FormCloseQuery() {
  try {
    SaveChangesPrompt(false);
    return !FSession || FSession->SettleBeforeWrite();
  } catch (const EAbort&) {
    return false;
  } catch (const std::exception& error) {
    // A save that failed keeps the window and the edits.
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
    return false;
  }
}

// A game still waited for keeps its journal: the next start puts its settings back.
void TTesmoraGLxForm::FormDestroy() noexcept {
  FSession.reset();
  try {
    // Settings that were never read would put the defaults over the user's.
    if (!GamesFileKept && SettingsLoaded) SaveSettings();
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
  }
  FPrograms.reset();
  FCards.reset();
  FHub.reset();
}

// The tray icon has no menu while a dialog of this window runs: the window must not come up
// behind it.
void TTesmoraGLxForm::ShowApplicationClick() {
  if (TrayMenuLocks > 0) return;
  if (!FView.IsApplicationVisible()) {
    if (!FView.IsFormVisible()) FView.ShowForm();
    FView.RestoreApplication();
  }
  FView.BringApplicationToFront();
  AnimateLogo();
}

// No save question, but a game's settings that wait to be restored are not left behind
// without asking.
void TTesmoraGLxForm::Exit1Click() {
  if (FSession && !FSession->SettleBeforeWrite()) return;
  FView.TerminateApplication();
}

void TTesmoraGLxForm::ApplicationEventsHint(const std::string& hint) {
  Hint = hint;
  ShowStatusBarText();
}

// The hint while there is one; otherwise the game that is waited for, if any.
void TTesmoraGLxForm::ShowStatusBarText() {
  if (!Hint.empty() || RunningGame.empty()) {
    FView.SetStatusText(1, Hint);
    return;
  }
  FView.SetStatusText(1, RunningGameStatus(RunningGame, [this](const std::string& text) {
                        return FView.StatusTextFits(text);
                      }));
}

// Every trigger plays the animation once; triggers during a cycle add exactly one more.
void TTesmoraGLxForm::AnimateLogo() {
  if (!FView.IsLogoAnimating())
    FView.StartLogoAnimation();
  else
    LogoReplay = true;
}

// The logo stops at the end of each cycle unless a trigger came during it.
void TTesmoraGLxForm::GIFLogoImageWrapAnimation() {
  if (LogoReplay) {
    LogoReplay = false;
    FView.StartLogoAnimation();
  } else {
    FView.StopLogoAnimation();
  }
}

void TTesmoraGLxForm::GIFLogoImageClick() {
  TShellCommand command;
  command.File = HomePageAddress;
  command.ShowCommand = ShowNoActivate;
  command.OwnedByMainWindow = true;
  ShellCalls().Execute(command);
}

// The New command takes the file instead of asking for one, and forgets it afterwards
// whatever happened. A profile file is known by its extension, so a damaged one is refused
// with its reason instead of becoming the program of a game.
void TTesmoraGLxForm::FilesDropped(const std::string& firstFile) {
  if (firstFile.empty()) return;
  FView.BringApplicationToFront();
  FView.FocusForm();
  if (IsProfileFileName(firstFile)) return ImportProfileFrom(firstFile);
  DroppedFile = firstFile;
  struct TForget {
    std::string& File;
    ~TForget() { File.clear(); }
  } forget{DroppedFile};
  ExecuteAction(TMainAction::maNew);
}

}  // namespace tgl
