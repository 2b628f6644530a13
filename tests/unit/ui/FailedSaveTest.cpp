// Every way of leaving a game with unsaved edits asks the save question first; when the
// user says Yes and Games.CFG refuses the write, the user is told once, and the game, the
// card and the edited values stay, so nothing is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "MainFormTestSupport.h"

namespace tgl::test {
namespace {

// Both orders in which list views notify their changes.
class FailedSave : public TMainFormTest,
                  public ::testing::WithParamInterface<THeadlessListView::TNotificationOrder> {
protected:
  FailedSave() { View.Games.Order = GetParam(); }
};

TEST_P(FailedSave, KeepsTheGameTheCardAndTheEditsWhicheverWayTheUserLeaves) {
  bool closed = true;
  const std::vector<std::pair<const char*, std::function<void()>>> ways = {
      {"click on another game", [&] { ClickGame(GameIndex("Quake")); }},
      {"key to another game", [&] { KeyToGame(GameIndex("Quake")); }},
      {"another card", [&] { PickCard(8); }},
      {"New", [&] { Form.ExecuteAction(TMainAction::maNew); }},
      {"Run", [&] { Form.ExecuteAction(TMainAction::maExecute); }},
      {"Import profile", [&] { Form.ImportProfile1Click(); }},
      {"tray game", [&] { Form.TrayGameClick(1); }},
      {"handed-over /run", [&] { Form.LaunchRequested({TLaunchAction::laRun, "Quake"}); }},
      {"close", [&] { closed = Form.FormCloseQuery(); }},
  };
  Folder.Write("Games.CFG", GamesFixture + "[%%Configuration]\r\nShowAllCards=1\r\n");
  Create();
  ASSERT_EQ(View.TrayGames, (TStrings{"Arena", "Quake"}));
  ClickGame(GameIndex("Arena"));
  EditValues();
  const std::string gamesPath = Folder.Path() + "Games.CFG";
  const std::string games = Folder.Read("Games.CFG");
  // Read-only: the store refuses to write it, whoever runs the tests.
  ASSERT_EQ(::chmod(gamesPath.c_str(), 0444), 0);

  for (const auto& [name, leave] : ways) {
    SCOPED_TRACE(name);
    // A list view that drops the old item's selection before it asks keeps its focus: a
    // click selects it again without a question.
    ClickGame(GameIndex("Arena"));
    ASSERT_TRUE(Messages.Shown.empty());
    Messages.Answers = {TAnswer::anYes};
    // As the window's event loop runs a handler: what it raises is shown.
    try {
      leave();
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
      Messages.ShowMessage(error.what(), TMessageKind::mkError);
    }
    EXPECT_EQ(Messages.TakeTexts(),
              (TStrings{"Do you want to save changes (overwise changes will be reverted)? ",
                        "Unable to write to " + gamesPath}));
    EXPECT_FALSE(View.Games.State(GameIndex("Quake")) & ItemSelected);
    if (GetParam() == THeadlessListView::ntFocusFirst) {
      EXPECT_EQ(SelectedGame(), "Arena");
    }
    EXPECT_EQ(Form.Hub()->ProfileName(), "Arena");
    EXPECT_EQ(View.Caption, "Arena - Tesmora Game Launcher");
    EXPECT_EQ(View.CardIndexShown, 0);
    EXPECT_EQ(Form.Hub()->CurrentCard()->TuningFile, "GeForce");
    EXPECT_TRUE(Form.Hub()->IsModified());
    EXPECT_EQ(OptionValue("GL Anisotropic filtering"), "2");
    EXPECT_TRUE(ControlOf("GL Anisotropic filtering").Checked());
  }
  EXPECT_FALSE(closed);
  EXPECT_TRUE(ShellCalls.Executed.empty());
  EXPECT_TRUE(FileChooser.Asked.empty());
  EXPECT_EQ(Folder.Read("Games.CFG"), games);

  // Once Games.CFG can be written again, the same Yes saves and moves on.
  ASSERT_EQ(::chmod(gamesPath.c_str(), 0644), 0);
  Messages.Answers = {TAnswer::anYes};
  ClickGame(GameIndex("Quake"));
  EXPECT_EQ(Messages.TakeTexts().size(), 1u);
  EXPECT_EQ(SelectedGame(), "Quake");
  EXPECT_EQ(StoredValue("%Arena_GeForce%", "GL Anisotropic filtering"), "2");
}

INSTANTIATE_TEST_SUITE_P(BothOrders, FailedSave,
                         ::testing::Values(THeadlessListView::ntFocusFirst,
                                           THeadlessListView::ntSelectFirst),
                         [](const auto& info) {
                           return info.param == THeadlessListView::ntFocusFirst ? "FocusFirst"
                                                                                : "SelectFirst";
                         });

}  // namespace
}  // namespace tgl::test
