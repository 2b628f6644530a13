#pragma once
// While a game runs and its driver settings wait to be restored, the tray tip and the
// status bar name it, in the little room each has: the tip 63 characters (the limit of
// Windows 95's shell), the status pane what its font fits in its width. The title gives
// way first, cut with "...".
#include <functional>
#include <string>

namespace tgl {

// Whether a text fits where it is to be shown.
using TTextFits = std::function<bool(const std::string&)>;

// The longest tip Windows 95 shows whole.
inline constexpr size_t TrayTipLimit = 63;

std::string RunningGameTip(const std::string& title);
std::string RunningGameStatus(const std::string& title, const TTextFits& fits);

// `pattern` with "%s" replaced by `title`, or by as much of it as fits followed by "...";
// with no title left it is "...", fitting or not.
std::string WithTitleCutToFit(const char* pattern, const std::string& title,
                              const TTextFits& fits);

}  // namespace tgl
