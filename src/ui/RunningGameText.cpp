#include "ui/RunningGameText.h"

namespace tgl {

std::string RunningGameTip(const std::string& title) {
  return WithTitleCutToFit("Running ", title, ": settings will be restored",
                           [](const std::string& tip) { return tip.size() <= TrayTipLimit; });
}

}  // namespace tgl
