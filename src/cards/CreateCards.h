#pragma once
// Card detection as the main window starts it.
#include <memory>

#include "cards/Cards.h"

namespace tgl {

// The card list of the running Windows, detected and filled: the registry walk on
// Windows 95, EnumDisplayDevicesA on 98, Me and 2000. Error: "Program doesn't support your
// Windows version" for any other WindowsVersion.
std::unique_ptr<TrlCards> CreateCards();

}  // namespace tgl
