#include "widgets/TrayClicks.h"

namespace tgl {

TTrayAction TrayActionFor(TTrayMouse mouse, bool hasMenu, bool applicationShown) {
  switch (mouse) {
    case TTrayMouse::tmRightButtonUp:
      return hasMenu && !applicationShown ? TTrayAction::taPopupMenu : TTrayAction::taNone;
    case TTrayMouse::tmLeftDoubleClick:
      return TTrayAction::taDoubleClick;
    case TTrayMouse::tmOther:
      break;
  }
  return TTrayAction::taNone;
}

}  // namespace tgl
