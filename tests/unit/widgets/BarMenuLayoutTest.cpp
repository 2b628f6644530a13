// The side-bar menu's layout from font measures given by hand: item sizes with and without
// images, the check mark width Windows adds, where bar, image and caption go, the bar's
// text at the bottom, and the mnemonic letters.
#include <gtest/gtest.h>

#include "widgets/BarMenuLayout.h"

namespace tgl::test {
namespace {

// 6 px a letter (7 in bold), 13 px high; an "&" that marks a letter takes no room.
class TFixedFonts : public TMenuFonts {
public:
  TTextExtent Caption(const std::string& caption, bool bold) const override {
    int letters = 0;
    for (size_t i = 0; i < caption.size(); ++i) {
      if (caption[i] == '&' && i + 1 < caption.size()) ++i;
      ++letters;
    }
    return {letters * (bold ? 7 : 6), 13};
  }
  int CheckMarkWidth() const override { return CheckMark; }
  int CheckMark = 13;
};

std::vector<TBarMenuItem> TrayMenu() {
  return {{"Show Game Launcher", false, true},
          {"", true},
          {"&New", false},
          {"&Options", false},
          {"", true},
          {"&About", false},
          {"", true},
          {"E&xit", false}};
}

TEST(BarMenuLayout, ItemSizesFollowTheFontsAndTheImageSetting) {
  TFixedFonts fonts;
  const struct {
    const char* Caption;
    bool Separator;
    bool Default;
    bool Images;
    int Width;
    int Height;
  } cases[] = {
      // bar 20 + indent 8 + text + right margin 16, less the check mark's 12
      {"&New", false, false, false, 20 + 8 + 18 + 16 - 12, 19},
      {"New", false, false, false, 20 + 8 + 18 + 16 - 12, 19},
      {"Show Game Launcher", false, true, false, 20 + 8 + 18 * 7 + 16 - 12, 19},
      // bar 20 + image 16 and margins 6 + gap 4 + text + right margin 16, less 12
      {"&New", false, false, true, 20 + 26 + 18 + 16 - 12, 20},
      {"A && B", false, false, true, 20 + 26 + 30 + 16 - 12, 20},
      {"", true, false, false, 8, 8},
      {"", true, false, true, 8, 8},
  };
  for (const auto& c : cases) {
    TBarMenuItem item{c.Caption, c.Separator, c.Default};
    TTextExtent size = MeasureBarMenuItem(item, fonts, c.Images);
    EXPECT_EQ(size.Width, c.Width) << c.Caption << " images " << c.Images;
    EXPECT_EQ(size.Height, c.Height) << c.Caption << " images " << c.Images;
  }
}

TEST(BarMenuLayout, ATallFontMakesTallerItemsAndAWideCheckMarkNeverANegativeWidth) {
  class TLargeFonts : public TMenuFonts {
  public:
    TTextExtent Caption(const std::string&, bool) const override { return {40, 24}; }
    int CheckMarkWidth() const override { return 200; }
  } fonts;
  TTextExtent item = MeasureBarMenuItem({"Exit"}, fonts, true);
  EXPECT_EQ(item.Height, 30);
  EXPECT_EQ(item.Width, 1);
  EXPECT_EQ(MeasureBarMenuItem({"", true}, fonts, true).Width, 1);
}

TEST(BarMenuLayout, TheMenuIsAsHighAsItsItems) {
  TFixedFonts fonts;
  EXPECT_EQ(BarMenuHeight(TrayMenu(), fonts, false), 5 * 19 + 3 * 8);
  EXPECT_EQ(BarMenuHeight(TrayMenu(), fonts, true), 5 * 20 + 3 * 8);
  EXPECT_EQ(BarMenuHeight({}, fonts, true), 0);
}

TEST(BarMenuLayout, BarImageAndCaptionLieSideBySide) {
  const TItemBox item{0, 39, 150, 20};
  TBarMenuItemParts withImages = ArrangeBarMenuItem(item, false, true);
  EXPECT_EQ(withImages.Bar, (TItemBox{0, 39, 20, 20}));
  EXPECT_EQ(withImages.Highlight, (TItemBox{20, 39, 130, 20}));
  EXPECT_EQ(withImages.Image, (TItemBox{23, 41, 16, 16}));
  EXPECT_EQ(withImages.Text, (TItemBox{46, 39, 96, 20}));

  TBarMenuItemParts plain = ArrangeBarMenuItem(item, false, false);
  EXPECT_EQ(plain.Image, TItemBox{});
  EXPECT_EQ(plain.Text, (TItemBox{28, 39, 114, 20}));

  TBarMenuItemParts separator = ArrangeBarMenuItem({0, 19, 150, 8}, true, true);
  EXPECT_EQ(separator.Bar, (TItemBox{0, 19, 20, 8}));
  EXPECT_EQ(separator.SeparatorY, 22);
  EXPECT_EQ(separator.Highlight, TItemBox{});
}

TEST(BarMenuLayout, TheBarTextStartsAtTheBottomCentredInTheBar) {
  TBarTextOrigin origin = BarTextOrigin(119, 16);
  EXPECT_EQ(origin.X, 2);
  EXPECT_EQ(origin.Y, 113);
  EXPECT_EQ(BarTextOrigin(119, 20).X, 0);
}

TEST(BarMenuLayout, MnemonicLetters) {
  const struct {
    const char* Caption;
    char Mnemonic;
  } cases[] = {{"E&xit", 'x'}, {"&New", 'N'}, {"Exit", 0}, {"Tom && Jerry", 0},
               {"Tom && &Jerry", 'J'}, {"End&", 0}, {"", 0}, {"&&&Q", 'Q'}};
  for (const auto& c : cases) EXPECT_EQ(MnemonicOf(c.Caption), c.Mnemonic) << c.Caption;
}

TEST(BarMenuLayout, ATypedLetterCarriesOutItsOnlyItemOrStepsThroughSeveral) {
  std::vector<TBarMenuItem> items = TrayMenu();
  items.push_back({"&Options again", false});
  items.push_back({"&Disabled", false, false, false});
  const struct {
    char Key;
    int Selected;
    TMnemonicChoice Choice;
  } cases[] = {
      {'x', -1, {7, true}},  {'X', 3, {7, true}},   {'n', -1, {2, true}},
      {'o', -1, {3, false}}, {'O', 3, {8, false}},  {'o', 8, {3, false}},
      {'d', -1, {}},         {'q', -1, {}},         {'&', -1, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseByMnemonic(items, c.Key, c.Selected), c.Choice) << c.Key << " " << c.Selected;
}

}  // namespace
}  // namespace tgl::test
