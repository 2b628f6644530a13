#include "widgets/BarMenuLayout.h"

#include <algorithm>

namespace tgl {
namespace {

using M = TBarMenuMetrics;

int TextLeft(bool showImages) {
  return M::BarWidth + (showImages ? M::ImageSize + 2 * M::ImageMargin + M::TextGap : M::PlainTextIndent);
}

char FoldCase(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

}  // namespace

TTextExtent MeasureBarMenuItem(const TBarMenuItem& item, const TMenuFonts& fonts, bool showImages) {
  const int extra = fonts.CheckMarkWidth() - 1;
  if (item.Separator) return {std::max(1, M::BarWidth - extra), M::SeparatorHeight};
  TTextExtent text = fonts.Caption(item.Caption, item.Default);
  int height = text.Height + 2 * M::TextPadding;
  if (showImages) height = std::max(height, M::ImageSize + 2 * (M::ImageMargin - 1));
  int width = TextLeft(showImages) + text.Width + M::RightMargin - extra;
  return {std::max(1, width), height};
}

int BarMenuHeight(const std::vector<TBarMenuItem>& items, const TMenuFonts& fonts, bool showImages) {
  int height = 0;
  for (const TBarMenuItem& item : items) height += MeasureBarMenuItem(item, fonts, showImages).Height;
  return height;
}

TBarMenuItemParts ArrangeBarMenuItem(const TItemBox& item, bool separator, bool showImages) {
  TBarMenuItemParts parts;
  parts.Bar = {item.Left, item.Top, M::BarWidth, item.Height};
  const int rest = item.Left + M::BarWidth;
  if (separator) {
    parts.SeparatorY = item.Top + item.Height / 2 - 1;
    return parts;
  }
  parts.Highlight = {rest, item.Top, std::max(0, item.Right() - rest), item.Height};
  if (showImages)
    parts.Image = {rest + M::ImageMargin, item.Top + (item.Height - M::ImageSize) / 2, M::ImageSize,
                   M::ImageSize};
  const int textLeft = item.Left + TextLeft(showImages);
  parts.Text = {textLeft, item.Top, std::max(0, item.Right() - M::RightMargin / 2 - textLeft),
                item.Height};
  return parts;
}

TBarTextOrigin BarTextOrigin(int menuHeight, int cellHeight) {
  return {(M::BarWidth - cellHeight) / 2, menuHeight - M::BarTextMargin};
}

char MnemonicOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;  // "&&" is a plain "&"
  }
  return 0;
}

TMnemonicChoice ChooseByMnemonic(const std::vector<TBarMenuItem>& items, char key, int selected) {
  std::vector<int> matches;
  for (int index = 0; index < static_cast<int>(items.size()); ++index) {
    const TBarMenuItem& item = items[index];
    char mnemonic = MnemonicOf(item.Caption);
    if (!item.Separator && item.Enabled && mnemonic && FoldCase(mnemonic) == FoldCase(key))
      matches.push_back(index);
  }
  if (matches.empty()) return {};
  if (matches.size() == 1) return {matches.front(), true};
  auto next = std::upper_bound(matches.begin(), matches.end(), selected);
  return {next == matches.end() ? matches.front() : *next, false};
}

}  // namespace tgl
