// The layouts of the game properties and options dialogs: their sizes, every control inside
// the client area with an ID of its own, and the captions users read.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/GamePropLayout.h"
#include "ui/OptionsLayout.h"

namespace tgl::test {
namespace {

const TDialogItem& ItemOf(const TDialogLayout& layout, int id) {
  for (const TDialogItem& item : layout.Items)
    if (item.Id == id) return item;
  throw std::logic_error("no item " + std::to_string(id));
}

// A caption as users read it: the "&" before the mnemonic is not shown.
std::string Shown(const char* caption) {
  std::string text;
  for (const char* c = caption; *c; ++c)
    if (*c != '&') text += *c;
  return text;
}

bool Inside(const TDialogItem& inner, const TDialogItem& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top &&
         inner.Left + inner.Width <= outer.Left + outer.Width &&
         inner.Top + inner.Height <= outer.Top + outer.Height;
}

TEST(DialogLayout, EveryControlLiesInsideTheClientAreaWithAnIdOfItsOwn) {
  for (const TDialogLayout& layout : {GamePropLayout::Layout, OptionsLayout::Layout}) {
    SCOPED_TRACE(layout.ClientWidth);
    std::set<int> ids;
    for (const TDialogItem& item : layout.Items) {
      SCOPED_TRACE(item.Id);
      EXPECT_TRUE(ids.insert(item.Id).second);
      EXPECT_GE(item.Left, 0);
      EXPECT_GE(item.Top, 0);
      EXPECT_LE(item.Left + item.Width, layout.ClientWidth);
      EXPECT_LE(item.Top + item.Height, layout.ClientHeight);
    }
    EXPECT_EQ(ItemOf(layout, OKButtonId).Kind, TDialogItemKind::dkDefaultButton);
    EXPECT_STREQ(ItemOf(layout, CancelButtonId).Caption, "Cancel");
  }
}

TEST(DialogLayout, TheGamePropertiesDialogShowsTheIconInItsBevel) {
  using namespace GamePropLayout;
  EXPECT_EQ(Layout.ClientWidth, 432);
  EXPECT_EQ(Layout.ClientHeight, 185) << "155 and the row of Wait for program";
  const TDialogItem& bevel = ItemOf(Layout, Panel1);
  const TDialogItem& icon = ItemOf(Layout, Image1);
  EXPECT_EQ(bevel.Width, 40);
  EXPECT_EQ(bevel.Height, 40);
  EXPECT_EQ(icon.Width, 32);
  EXPECT_EQ(icon.Height, 32);
  EXPECT_TRUE(Inside(icon, bevel));
  EXPECT_STREQ(ItemOf(Layout, FilenameEdit).Hint, "Application file name with full path to it");
  EXPECT_STREQ(ItemOf(Layout, GetFilenameButton).Hint,
               "Click this button to browse for application file");
  EXPECT_STREQ(ItemOf(Layout, NameEdit).Hint,
               "Name that will be included in list of supported games");
  EXPECT_STREQ(ItemOf(Layout, ParametersEdit).Hint,
               "Command line parameters used when launching game");
  // The labels' mnemonics reach the edits after them: each label comes right before its edit.
  const int pairs[][2] = {{FilenameLabel, FilenameEdit}, {NameLabel, NameEdit},
                          {ParametersLabel, ParametersEdit}, {WaitForLabel, WaitForEdit}};
  for (const auto& [label, edit] : pairs)
    EXPECT_EQ(&ItemOf(Layout, label) + 1, &ItemOf(Layout, edit));
}

TEST(DialogLayout, EveryRadioGroupHoldsItsChoicesInItsFrame) {
  using namespace OptionsLayout;
  EXPECT_EQ(Layout.ClientWidth, 280);
  EXPECT_EQ(Layout.ClientHeight, 375) << "327 and the group below the original controls";
  struct Group {
    int Id;
    const char* Caption;
    std::vector<std::string> Choices;
  } groups[] = {{ApplicationsRadio, "Show applications as", {"Icons", "List"}},
                {SaveRadioGroup, "Save settings ", {"Auto saving", "Confirm saving"}},
                {LaunchRadio, "On game launch", {"Stay normal", "Minimize", "Exit"}},
                {ToolbarRadio, "Toolbar style", {"Generic", "IE Style"}}};
  for (const Group& group : groups) {
    SCOPED_TRACE(group.Caption);
    const TDialogItem& frame = ItemOf(Layout, group.Id);
    EXPECT_STREQ(frame.Caption, group.Caption);
    for (size_t index = 0; index < group.Choices.size(); ++index) {
      const TDialogItem& choice = ItemOf(Layout, ChoiceId(group.Id, static_cast<int>(index)));
      EXPECT_EQ(choice.Kind, TDialogItemKind::dkRadioButton);
      EXPECT_EQ(Shown(choice.Caption), group.Choices[index]);
      EXPECT_TRUE(Inside(choice, frame));
    }
  }
  EXPECT_EQ(Shown(ItemOf(Layout, WarnRegistryCheck).Caption),
            "Warn on wrong value readed from registry ");
  EXPECT_EQ(Shown(ItemOf(Layout, ConfirmRegistryCheck).Caption), "Confirm upload from registry ");
  EXPECT_EQ(Shown(ItemOf(Layout, AutoRunCheck).Caption), "Run on Windows start");
  EXPECT_EQ(Shown(ItemOf(Layout, RestoreCheck).Caption),
            "Restore driver settings when the game ends");
  EXPECT_TRUE(Inside(ItemOf(Layout, RestoreCheck), ItemOf(Layout, AfterGameGroup)));
  for (const TDialogItem& item : Layout.Items) {
    if (item.Id < AfterGameGroup && item.Id != OKButtonId && item.Id != CancelButtonId) {
      EXPECT_LE(item.Top + item.Height, 327) << item.Id << " keeps its place";
    }
  }
}

// Every check box and radio button of the options dialog has a mnemonic of its own, so
// Alt and one letter reach it.
TEST(DialogLayout, EveryOptionsChoiceHasAMnemonicOfItsOwn) {
  using namespace OptionsLayout;
  std::set<char> letters;
  for (const TDialogItem& item : Layout.Items) {
    if (item.Kind != TDialogItemKind::dkCheckBox && item.Kind != TDialogItemKind::dkRadioButton)
      continue;
    std::string caption = item.Caption;
    size_t mark = caption.find('&');
    ASSERT_NE(mark, std::string::npos) << caption;
    ASSERT_LT(mark + 1, caption.size()) << caption;
    EXPECT_EQ(caption.find('&', mark + 1), std::string::npos) << caption;
    EXPECT_TRUE(letters.insert(static_cast<char>(std::tolower(caption[mark + 1]))).second)
        << caption << " repeats the mnemonic " << caption[mark + 1];
  }
  EXPECT_EQ(letters.size(), 15u);
}

}  // namespace
}  // namespace tgl::test
