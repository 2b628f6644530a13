#include "cards/CardCatalogue.h"

#include "base/StartupState.h"

namespace tgl {
namespace {

std::string CardNameOf(TCustomIniFile& catalogue, const std::string& key) {
  return catalogue.ReadString("Idents", key, "");
}

// The key without its last "&" part; the empty text when it has no "&".
std::string WithoutLastPart(const std::string& key) {
  size_t ampersand = key.rfind('&');
  return ampersand == std::string::npos ? std::string() : key.substr(0, ampersand);
}

}  // namespace

TCardMatch MatchHardwareID(TCustomIniFile& catalogue, const std::string& hardwareID) {
  TCardMatch match;
  match.HardwareID = hardwareID;
  match.CardName = CardNameOf(catalogue, match.HardwareID);
  while (match.CardName.empty()) {
    match.HardwareID = WithoutLastPart(match.HardwareID);
    if (match.HardwareID.find('&') == std::string::npos) break;
    match.CardName = CardNameOf(catalogue, match.HardwareID);
  }
  if (!match.CardName.empty()) match.TuningFile = TuningFileOf(catalogue, match.CardName);
  return match;
}

std::string TuningFileOf(TCustomIniFile& catalogue, const std::string& cardName) {
  std::string file;
  if (IsNTMode()) file = catalogue.ReadString("FilesNT", cardName, "");
  if (file.empty()) file = catalogue.ReadString("Files", cardName, "");
  return file;
}

}  // namespace tgl
