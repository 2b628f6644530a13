#include "cards/CreateCards.h"

#include "base/Errors.h"
#include "base/StartupState.h"
#include "cards/Win95Cards.h"
#include "cards/Win98Cards.h"

namespace tgl {

std::unique_ptr<TrlCards> CreateCards() {
  switch (Startup().WindowsVersion) {
    case wvWindows95:
      return TrlCards::Create<TrlWin95Cards>();
    case wvWindows98:
    case wvWindowsMe:
    case wvWindows2000:
      return TrlCards::Create<TrlWin98Cards>();
    default:
      throw EError("Program doesn't support your Windows version");
  }
}

}  // namespace tgl
