#include "cards/Cards.h"

#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "cards/CardCatalogue.h"
#include "cards/HardwareID.h"
#include "config/ConfigFiles.h"

namespace tgl {

TrlCards::~TrlCards() { TrlCards::Clear(); }

TrlCardConfig& TrlCards::Cards(int index) const {
  if (index < 0 || index >= Count())
    throw EError(Format("List index out of bounds (%d)", {std::to_string(index)}));
  return *Items[index];
}

int TrlCards::IndexOf(const TrlCardConfig* card) const {
  for (int i = 0; i < Count(); ++i)
    if (Items[i].get() == card) return i;
  return -1;
}

void TrlCards::Clear() {
  while (!Items.empty()) Items.pop_back();
}

void TrlCards::AddCard(const DISPLAY_DEVICEA& device) {
  if (device.StateFlags & MirroringDriverFlag) return;
  std::string deviceID = FieldText(device.DeviceID);
  if (deviceID.empty()) return;
  // Read anew for every adapter, so an edited catalogue is always read as it is now.
  std::unique_ptr<TCustomIniFile> catalogue = ReadConfigFile(CardsFileName);
  TCardMatch match = MatchHardwareID(*catalogue, ExtractHardwareID(deviceID));
  auto card = std::make_unique<TrlCardConfig>();
  card->CardName = match.CardName;
  card->TuningFile = match.TuningFile;
  card->HardwareID = match.HardwareID;
  card->Device = device;
  Items.push_back(std::move(card));
}

void TrlCards::AddCatalogueCards() {
  std::unique_ptr<TCustomIniFile> catalogue = ReadConfigFile(CardsFileName);
  AddCatalogueLines(*catalogue, "Files", "");
  AddCatalogueLines(*catalogue, "FilesNT", " (2k)");
}

void TrlCards::AddCatalogueLines(TCustomIniFile& catalogue, const std::string& section,
                                 const std::string& suffix) {
  TStrings lines;
  catalogue.ReadSectionValues(section, lines);
  TStrings tuningFiles = ValuesOfNameParts(lines);
  for (size_t i = 0; i < lines.size(); ++i) {
    auto card = std::make_unique<TrlCardConfig>();
    card->CardName = NamePart(lines[i]);
    card->TuningFile = tuningFiles[i];
    card->HardwareID = CatalogueHardwareID;
    CopyToCharBuffer(card->Device.DeviceString, "_" + card->CardName + suffix);
    Items.push_back(std::move(card));
  }
}

void TrlCards::Fill() {
  Enumerate();
  if (Startup().ShowAllCards) AddCatalogueCards();
}

}  // namespace tgl
