// The game list: selecting a game, the save question and the veto of a selection change,
// the list's keys, context menu and view style.
#include <gtest/gtest.h>

#include "MainFormTestSupport.h"
#include "base/Errors.h"

namespace tgl::test {
namespace {

const std::string SaveQuestionText =
    "Do you want to save changes (overwise changes will be reverted)? ";

using GameList = TMainFormTest;

TEST_F(GameList, SelectingAGameLoadsItsValuesAndEnablesItsCommands) {
  Create();
  ClickGame(GameIndex("Quake"));
  EXPECT_EQ(Form.Hub()->ProfileName(), "Quake");
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "2");
  EXPECT_TRUE(ControlOf("GL Anisotropic filtering").Checked());
  EXPECT_EQ(View.GameTitle, "Quake");
  EXPECT_EQ(View.Caption, "Quake - Tesmora Game Launcher");
  for (TMainAction action : {TMainAction::maExecute, TMainAction::maDefault, TMainAction::maEdit,
                             TMainAction::maDelete})
    EXPECT_TRUE(View.Actions[static_cast<size_t>(action)].Enabled);
  EXPECT_EQ(View.Actions[size_t(TMainAction::maExecute)],
            (TActionState{true, "Run", 1}));

  ClickGame(0);
  EXPECT_EQ(View.Actions[size_t(TMainAction::maExecute)], (TActionState{true, "Apply", 2}));
  for (TMainAction action : {TMainAction::maDefault, TMainAction::maEdit, TMainAction::maDelete})
    EXPECT_FALSE(View.Actions[static_cast<size_t>(action)].Enabled);
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "0");
}

TEST_F(GameList, WithoutConfirmSavingEditsAreSavedWithoutAQuestion) {
  Folder.Write("Games.CFG", GamesFixture + "[%%Configuration]\r\nConfirmSaving=0\r\n");
  Create();
  ClickGame(GameIndex("Arena"));
  EditValues();
  ClickGame(GameIndex("Quake"));
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_EQ(StoredValue("%Arena_GeForce%", "GL Anisotropic filtering"), "2");
  EXPECT_EQ(SelectedGame(), "Quake");
}

// The veto must hold whichever order the list view notifies its changes in.
class SaveQuestion : public TMainFormTest,
                     public ::testing::WithParamInterface<THeadlessListView::TNotificationOrder> {
protected:
  SaveQuestion() { View.Games.Order = GetParam(); }
};

TEST_P(SaveQuestion, YesSavesTheEditsAndMovesOn) {
  Create();
  ClickGame(GameIndex("Arena"));
  EditValues();
  Messages.Answers = {TAnswer::anYes};
  ClickGame(GameIndex("Quake"));
  EXPECT_EQ(Messages.QuestionButtons, std::vector{TQuestionButtons::qbYesNoCancel});
  EXPECT_EQ(Messages.Shown.at(0).Kind, TMessageKind::mkQuestion);
  EXPECT_EQ(Messages.TakeTexts(), TStrings{SaveQuestionText});
  EXPECT_EQ(StoredValue("%Arena_GeForce%", "GL Anisotropic filtering"), "2");
  EXPECT_EQ(SelectedGame(), "Quake");
  EXPECT_EQ(Form.Hub()->ProfileName(), "Quake");
  EXPECT_FALSE(Form.Hub()->IsModified());
}

TEST_P(SaveQuestion, NoRevertsTheEditsAndMovesOn) {
  Create();
  ClickGame(GameIndex("Quake"));
  EditValues();
  Messages.Answers = {TAnswer::anNo};
  ClickGame(GameIndex("Arena"));
  EXPECT_EQ(Messages.TakeTexts(), TStrings{SaveQuestionText});
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Anisotropic filtering"), "2");
  EXPECT_EQ(SelectedGame(), "Arena");
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "0");
  EXPECT_FALSE(ControlOf("GL Anisotropic filtering").Checked());
}

TEST_P(SaveQuestion, CancelKeepsTheGameAndItsEditsAndAsksOncePerPress) {
  Create();
  ClickGame(GameIndex("Arena"));
  EditValues();
  Messages.Answers = {TAnswer::anCancel};
  ClickGame(GameIndex("Quake"));
  EXPECT_EQ(Messages.TakeTexts(), TStrings{SaveQuestionText}) << "one question for the whole click";
  EXPECT_EQ(Form.Hub()->ProfileName(), "Arena");
  EXPECT_TRUE(Form.Hub()->IsModified());
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "2");
  EXPECT_FALSE(View.Games.State(GameIndex("Quake")) & ItemSelected);
  EXPECT_EQ(StoredValue("%Arena_GeForce%", "GL Anisotropic filtering"), "<none>");
  EXPECT_EQ(View.Caption, "Arena - Tesmora Game Launcher");

  // The next press asks again.
  Messages.Answers = {TAnswer::anYes};
  ClickGame(GameIndex("Quake"));
  EXPECT_EQ(Messages.TakeTexts(), TStrings{SaveQuestionText});
  EXPECT_EQ(SelectedGame(), "Quake");
  EXPECT_EQ(StoredValue("%Arena_GeForce%", "GL Anisotropic filtering"), "2");
}

TEST_P(SaveQuestion, EveryKeyPressMayAskOnce) {
  Create();
  KeyToGame(GameIndex("Arena"));
  EditValues();
  Messages.Answers = {TAnswer::anYes};
  KeyToGame(GameIndex("Quake"));
  EXPECT_EQ(Messages.TakeTexts(), TStrings{SaveQuestionText});
  EXPECT_EQ(SelectedGame(), "Quake");

  // Edits after a question asked by a key: the next key asks again instead of refusing.
  EditValues();
  Messages.Answers = {TAnswer::anNo};
  KeyToGame(GameIndex("Arena"));
  EXPECT_EQ(Messages.TakeTexts(), TStrings{SaveQuestionText});
  EXPECT_EQ(SelectedGame(), "Arena");
  EXPECT_EQ(StoredValue("%Quake_GeForce%", "GL Anisotropic filtering"), "2");
}

TEST_P(SaveQuestion, AClickOnEmptySpaceAsksNothing) {
  Create();
  EditValues();
  ClickGame(-1);
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_TRUE(Form.Hub()->IsModified());
  ClickGame(0);
  EXPECT_TRUE(Messages.Shown.empty()) << "the focused game takes the selection back";
  EXPECT_TRUE(Form.Hub()->IsModified());
}

INSTANTIATE_TEST_SUITE_P(BothOrders, SaveQuestion,
                         ::testing::Values(THeadlessListView::ntFocusFirst,
                                           THeadlessListView::ntSelectFirst),
                         [](const auto& info) {
                           return info.param == THeadlessListView::ntFocusFirst ? "FocusFirst"
                                                                                : "SelectFirst";
                         });

TEST_F(GameList, RefreshShowsTheRevertedValues) {
  Create();
  EditValues();
  Messages.Answers = {TAnswer::anNo, TAnswer::anNo};
  Form.SaveChangesPrompt(false);
  EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "0");
  EXPECT_TRUE(ControlOf("GL Anisotropic filtering").Checked()) << "not shown";
  ControlOf("GL Anisotropic filtering").SetChecked(false);
  EditValues();
  Form.SaveChangesPrompt(true);
  EXPECT_FALSE(ControlOf("GL Anisotropic filtering").Checked());
  EXPECT_THROW(
      {
        EditValues();
        Messages.Answers = {TAnswer::anCancel};
        Form.SaveChangesPrompt(true);
      },
      EAbort);
}

TEST_F(GameList, KeysRunTheirActionsAndDisabledOnesDoNothing) {
  Create();
  // On the Default entry Delete and F2 do nothing; Enter applies.
  EXPECT_TRUE(Form.GamesListKeyDown(vkDelete, {}));
  EXPECT_TRUE(Form.GamesListKeyDown(vkF2, {}));
  EXPECT_TRUE(Messages.Shown.empty());
  EXPECT_EQ(View.Games.Count(), 3);
  EXPECT_TRUE(Form.GamesListKeyDown(vkReturn, {}));
  EXPECT_TRUE(MemoryRegistry.Value(TRootKey::rkLocalMachine,
                                   std::string(GeForceDriverKey) + "\\NVidia\\OpenGL",
                                   "EnableFSAA"));
  EXPECT_TRUE(ShellCalls.Executed.empty());
  FileChooser.Answers = {std::nullopt};
  EXPECT_THROW(Form.GamesListKeyDown(vkInsert, {}), EAbort) << "New, its chooser cancelled";
  EXPECT_EQ(FileChooser.Asked.size(), 1u);
  EXPECT_FALSE(Form.GamesListKeyDown('A', {}));

  ClickGame(GameIndex("Quake"));
  Messages.Answers = {TAnswer::anOK};
  EXPECT_TRUE(Form.GamesListKeyDown(vkDelete, {}));
  EXPECT_EQ(Messages.TakeTexts(), TStrings{"Delete game profile?"});
  EXPECT_EQ(View.Games.Captions(), (std::vector<std::string>{" Default ", "Arena"}));
}

TEST_F(GameList, TheContextMenuOffersRunEditAndDeleteOnGamesOnly) {
  Create();
  Form.GameListPopupPopup();
  EXPECT_FALSE(View.GamePopupItemsEnabled);
  ClickGame(GameIndex("Arena"));
  Form.GameListPopupPopup();
  EXPECT_TRUE(View.GamePopupItemsEnabled);
  ClickGame(-1);
  EXPECT_THROW(Form.GameListPopupPopup(), EAbort);
}

TEST_F(GameList, ShowAsSwitchesTheViewStyleAndItsCheckMark) {
  Create();
  Form.List1Click(vsList);
  EXPECT_EQ(View.Games.ViewStyle(), vsList);
  EXPECT_EQ(View.CheckedViewStyleTag, vsList);
  Form.FormDestroy();
  EXPECT_EQ(StoredValue("%%Configuration", "GameListStyle"), "0");
}

}  // namespace
}  // namespace tgl::test
