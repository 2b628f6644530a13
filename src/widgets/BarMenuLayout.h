#pragma once
// Where things go in a popup menu drawn beside a vertical side bar: every item begins with
// its slice of the bar, then an image column (when images are on), then its caption. The
// sizes come from the menu's fonts through TMenuFonts, so the layout is the same on every
// screen the fonts are the same on, and can be checked without one.
#include <string>
#include <vector>

namespace tgl {

struct TItemBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  friend bool operator==(const TItemBox&, const TItemBox&) = default;
};

struct TTextExtent {
  int Width = 0;
  int Height = 0;
};

// The menu's fonts as the screen measures them.
class TMenuFonts {
public:
  virtual ~TMenuFonts() = default;
  // The caption in the menu font, bold or not; an "&" that marks the mnemonic letter takes
  // no room, "&&" is one "&".
  virtual TTextExtent Caption(const std::string& caption, bool bold) const = 0;
  // What Windows adds to the width that every owner-drawn menu item asks for.
  virtual int CheckMarkWidth() const = 0;
};

struct TBarMenuItem {
  std::string Caption;  // "&" before the mnemonic letter
  bool Separator = false;
  bool Default = false;  // in bold
  bool Enabled = true;
};

// The measures of the side-bar menu, in pixels.
struct TBarMenuMetrics {
  static constexpr int BarWidth = 20;
  static constexpr int ImageSize = 16;
  static constexpr int ImageMargin = 3;      // on each side of an image
  static constexpr int TextGap = 4;          // between the image column and the caption
  static constexpr int PlainTextIndent = 8;  // from the bar to the caption without images
  static constexpr int RightMargin = 16;
  static constexpr int TextPadding = 3;      // above and below a caption
  static constexpr int SeparatorHeight = 8;
  static constexpr int BarTextMargin = 6;    // below the bar's text
};

// The size an item asks for when Windows measures it: already less the check mark width
// that Windows adds, so the menu ends up exactly as wide as its widest item needs.
TTextExtent MeasureBarMenuItem(const TBarMenuItem& item, const TMenuFonts& fonts, bool showImages);

// The height of the whole menu: the sum of its items' heights.
int BarMenuHeight(const std::vector<TBarMenuItem>& items, const TMenuFonts& fonts, bool showImages);

// The parts of an item whose box Windows gives when it is drawn (menu client coordinates).
struct TBarMenuItemParts {
  TItemBox Bar;        // the item's slice of the side bar
  TItemBox Highlight;  // what the selection colour fills
  TItemBox Image;      // empty without images
  TItemBox Text;       // the caption, left aligned and centred vertically
  int SeparatorY = 0;  // separators: the dark line; the light one lies below it
};
TBarMenuItemParts ArrangeBarMenuItem(const TItemBox& item, bool separator, bool showImages);

// Where the side bar's text starts, written bottom to top with a font whose cells are
// `cellHeight` high, in a menu `menuHeight` high: the bottom left corner of its first
// letter, as drawn with a font turned by 90 degrees.
struct TBarTextOrigin {
  int X = 0;
  int Y = 0;
};
TBarTextOrigin BarTextOrigin(int menuHeight, int cellHeight);

// The mnemonic letter of a caption ("E&xit" gives 'x'), or 0 without one.
char MnemonicOf(const std::string& caption);

// What a key typed while the menu is open does: the item it picks and whether it carries
// the item out at once. One enabled item with that letter (either case) is carried out;
// several are selected one after the other, starting after `selected` (-1 for none);
// none leaves the menu as it is (Item -1).
struct TMnemonicChoice {
  int Item = -1;
  bool Execute = false;
  friend bool operator==(const TMnemonicChoice&, const TMnemonicChoice&) = default;
};
TMnemonicChoice ChooseByMnemonic(const std::vector<TBarMenuItem>& items, char key, int selected);

}  // namespace tgl
