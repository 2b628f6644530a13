// Feeds an arbitrary card catalogue and arbitrary adapters to card detection, the list of
// all cards and the export. The first byte chooses Windows 2000 or 98 (bit 0), a catalogue
// on disk or embedded (bit 1) and the list of all cards (bit 2); then come up to four
// adapters (a flags byte, a device ID and a driver key each), then the catalogue's text.
//
// A detected card must carry what the catalogue says of the hardware ID it was matched
// by, that ID must be a part of the adapter's own, and every card of the list of all cards
// a line of the catalogue; the export may write only the program's own texts, by their
// names, into the program folder.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "FuzzPlatform.h"
#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "cards/CardCatalogue.h"
#include "cards/Cards.h"
#include "cards/HardwareID.h"
#include "config/ConfigFiles.h"
#include "platform/Platform.h"

namespace {

using namespace tgl;
using namespace tgl::fuzz;

std::vector<DISPLAY_DEVICEA> Adapters;

class TFuzzCards : public TrlCards {
protected:
  void Enumerate() override {
    for (const DISPLAY_DEVICEA& device : Adapters) AddCard(device);
  }
};

DISPLAY_DEVICEA AdapterFrom(TFuzzInput& input) {
  DISPLAY_DEVICEA device = NewDisplayDevice();
  device.StateFlags = input.Byte();
  std::string id = input.Text(), key = input.Text();
  CopyToCharBuffer(device.DeviceID, std::string_view(id).substr(0, sizeof device.DeviceID));
  CopyToCharBuffer(device.DeviceKey, std::string_view(key).substr(0, sizeof device.DeviceKey));
  return device;
}

void CheckDetected(const TrlCardConfig& card, TCustomIniFile& catalogue) {
  if (card.HardwareID == CatalogueHardwareID) return;
  const std::string own = ExtractHardwareID(FieldText(card.Device.DeviceID));
  if (own.compare(0, card.HardwareID.size(), card.HardwareID) != 0) std::abort();
  if (!card.CardName.empty()) {
    if (catalogue.ReadString("Idents", card.HardwareID, "") != card.CardName) std::abort();
    if (TuningFileOf(catalogue, card.CardName) != card.TuningFile) std::abort();
  } else if (!card.TuningFile.empty()) {
    std::abort();
  }
  try {
    GetDisplayNumber(card);
  } catch (const EError&) {
  }
}

void CheckAllCards(const TrlCards& cards, size_t detected, TCustomIniFile& catalogue) {
  TStrings files, filesNT;
  catalogue.ReadSectionValues("Files", files);
  catalogue.ReadSectionValues("FilesNT", filesNT);
  if (static_cast<size_t>(cards.Count()) != detected + files.size() + filesNT.size()) std::abort();
  for (size_t i = 0; i < files.size() + filesNT.size(); ++i) {
    const TrlCardConfig& card = cards.Cards(static_cast<int>(detected + i));
    const std::string& line = i < files.size() ? files[i] : filesNT[i - files.size()];
    if (card.CardName != NamePart(line) || card.HardwareID != CatalogueHardwareID) std::abort();
  }
}

// Only the program's own texts, each under its own name, byte for byte.
void CheckExport(const TMemoryFiles& files) {
  for (const auto& [path, bytes] : files.Files) {
    const std::string_view name = std::string_view(path).substr(std::string(FuzzProgramDir).size());
    if (name.size() < 4 || !SameText(name.substr(name.size() - 4), ".Cfg")) std::abort();
    std::optional<std::string_view> text =
        EmbeddedTexts().Find(std::string(name.substr(0, name.size() - 4)));
    if (!text || *text != bytes) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFuzzInput input(data, size);
  const uint8_t mode = input.Byte();
  Adapters.clear();
  for (int count = input.Byte() % 5; count > 0; --count) Adapters.push_back(AdapterFrom(input));
  const std::string catalogueText(input.Remainder());

  const bool onDisk = mode & 2;
  std::vector<TEmbeddedEntry> texts;
  if (!onDisk) texts.push_back({"CARDS", catalogueText});
  TFuzzPlatform platform(/*withIniCache=*/true, texts);
  if (onDisk) platform.Files.Files[std::string(FuzzProgramDir) + "CARDS.cfg"] = catalogueText;
  Startup().WindowsVersion = (mode & 1) ? wvWindows2000 : wvWindows98;
  Startup().ShowAllCards = mode & 4;

  std::unique_ptr<TCustomIniFile> catalogue = ReadConfigFile(CardsFileName);
  size_t detected = 0;
  for (const DISPLAY_DEVICEA& device : Adapters)
    if (!(device.StateFlags & MirroringDriverFlag) && !FieldText(device.DeviceID).empty()) ++detected;
  try {
    std::unique_ptr<TFuzzCards> cards = TrlCards::Create<TFuzzCards>();
    for (int i = 0; i < static_cast<int>(detected); ++i) CheckDetected(cards->Cards(i), *catalogue);
    if (Startup().ShowAllCards)
      CheckAllCards(*cards, detected, *catalogue);
    else if (static_cast<size_t>(cards->Count()) != detected)
      std::abort();
  } catch (const EError& error) {
    // A card name too long for the text shown in the card box.
    if (std::string_view(error.what()) != "VideoCard params are larger than char buffer") std::abort();
  }

  // The export replaces a catalogue on disk with the embedded one (whatever letter case its
  // name has), so everything in the folder afterwards must be the export's own.
  ExportAllConfigFiles();
  CheckExport(platform.Files);
  return 0;
}
