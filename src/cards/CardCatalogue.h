#pragma once
// Lookups in the card catalogue (Cards.CFG): hardware ID to card name, card name to the
// base name of its tuning definition file.
#include <string>

#include "config/CustomIniFile.h"

namespace tgl {

struct TCardMatch {
  std::string CardName;    // empty when no key of the ID is in [Idents]
  std::string HardwareID;  // the key tried last
  std::string TuningFile;  // empty without a card name or without a file entry
};

// Tries the whole hardware ID in [Idents] first, then shortens it by one "&" part from the
// right at a time; the last key tried has two parts (vendor and device): a vendor alone is
// never looked up.
TCardMatch MatchHardwareID(TCustomIniFile& catalogue, const std::string& hardwareID);

// [FilesNT] first in NT mode, then [Files]; empty when neither names a file.
std::string TuningFileOf(TCustomIniFile& catalogue, const std::string& cardName);

}  // namespace tgl
