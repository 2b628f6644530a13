// The keys of the main window's commands: each command has one, no two share a key, and
// they are written where users look (menu items, tooltips).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/MainKeys.h"

namespace tgl::test {
namespace {

TEST(MainKeys, EveryCommandHasAKeyAndNoTwoShareOne) {
  std::set<int> shortcuts;
  for (const TActionDefinition& definition : MainActions) {
    SCOPED_TRACE(definition.Name);
    const TActionKeys& keys = KeysOf(definition.Action);
    EXPECT_EQ(keys.Action, definition.Action);
    EXPECT_FALSE(KeysText(definition.Action).empty());
    if (keys.ShortcutKey == 0) continue;
    EXPECT_TRUE(shortcuts.insert(keys.ShortcutKey).second);
    EXPECT_EQ(ActionOfShortcut(keys.ShortcutKey, {false, true, false}), definition.Action);
  }
}

TEST(MainKeys, OnlyCtrlAloneMakesAShortcut) {
  const TShiftState ctrl{false, true, false};
  EXPECT_EQ(ActionOfShortcut('O', ctrl), TMainAction::maOptions);
  EXPECT_EQ(ActionOfShortcut('R', ctrl), TMainAction::maExecute);
  for (TShiftState other : {TShiftState{}, TShiftState{true, false, false},
                            TShiftState{false, true, true}, TShiftState{true, true, false}})
    EXPECT_EQ(ActionOfShortcut('O', other), std::nullopt);
  // The card box's Ctrl+Alt+I, and keys of no command.
  EXPECT_EQ(ActionOfShortcut(vkI, {false, true, true}), std::nullopt);
  EXPECT_EQ(ActionOfShortcut('Q', ctrl), std::nullopt);
  EXPECT_EQ(ActionOfShortcut(0, ctrl), std::nullopt);
}

TEST(MainKeys, MenuItemsAndTooltipsWriteTheKeys) {
  EXPECT_EQ(MenuItemText(TMainAction::maExecute, "Run"), "&Run\tEnter");
  EXPECT_EQ(MenuItemText(TMainAction::maExecute, ApplyCaption), "&Apply\tEnter");
  EXPECT_EQ(MenuItemText(TMainAction::maNew, "New"), "&New\tIns");
  EXPECT_EQ(MenuItemText(TMainAction::maEdit, "Edit..."), "&Edit...\tF2");
  EXPECT_EQ(MenuItemText(TMainAction::maDelete, "Delete"), "&Delete\tDel");
  EXPECT_EQ(TooltipText(TMainAction::maExecute), "Apply settings and run program (Enter, Ctrl+R)");
  EXPECT_EQ(TooltipText(TMainAction::maDelete), "Delete game profile (Del)");
  EXPECT_EQ(TooltipText(TMainAction::maOptions), "Configure program (Ctrl+O)");
}

}  // namespace
}  // namespace tgl::test
