#include "ui/RunningGameText.h"

#include "base/TextUtils.h"

namespace tgl {
namespace {

const char* const TipPattern = "Running %s: settings will be restored";
const char* const StatusPattern = "Running %s: driver settings restored when it ends";

}  // namespace

std::string WithTitleCutToFit(const char* pattern, const std::string& title,
                              const TTextFits& fits) {
  std::string text = Format(pattern, {title});
  for (size_t kept = title.size(); !fits(text) && kept > 0;) {
    --kept;
    // A cut at a word's end would leave its space before the dots.
    while (kept > 0 && title[kept - 1] == ' ') --kept;
    text = Format(pattern, {title.substr(0, kept) + "..."});
  }
  return text;
}

std::string RunningGameTip(const std::string& title) {
  return WithTitleCutToFit(TipPattern, title,
                           [](const std::string& tip) { return tip.size() <= TrayTipLimit; });
}

std::string RunningGameStatus(const std::string& title, const TTextFits& fits) {
  return WithTitleCutToFit(StatusPattern, title, fits);
}

}  // namespace tgl
