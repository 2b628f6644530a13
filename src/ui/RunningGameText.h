#pragma once
// While a game runs and its driver settings wait to be restored, the tray tip and the
// status bar name it, in the little room each has: the tip 63 characters (the limit of
// Windows 95's shell), the status pane what its font fits in its width. The title gives
// way first, cut with "...".
#include <string>

namespace tgl {

// The longest tip Windows 95 shows whole.
inline constexpr size_t TrayTipLimit = 63;

// `before` + `title` + `after`, or with as much of the title as `fits` (a predicate on the
// whole text) lets show followed by "..."; with no title left it is "...", fitting or not.
// A template, not a std::function: the i686 exe has little room to spare.
template <typename TFits>
std::string WithTitleCutToFit(const char* before, const std::string& title, const char* after,
                              TFits fits) {
  std::string text = before + title + after;
  for (size_t kept = title.size(); !fits(text) && kept > 0;) {
    --kept;
    // A cut at a word's end would leave its space before the dots.
    while (kept > 0 && title[kept - 1] == ' ') --kept;
    text = before + title.substr(0, kept) + "..." + after;
  }
  return text;
}

std::string RunningGameTip(const std::string& title);

template <typename TFits>
std::string RunningGameStatus(const std::string& title, TFits fits) {
  return WithTitleCutToFit("Running ", title, ": driver settings restored when it ends", fits);
}

}  // namespace tgl
