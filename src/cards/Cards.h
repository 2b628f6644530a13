#pragma once
// The card list: one card per detected display adapter in the order the system reports
// them, followed, with the start-up flag ShowAllCards, by one card per catalogue entry.
#include <memory>
#include <string>
#include <vector>

#include "cards/CardConfig.h"
#include "platform/DisplayDeviceRecord.h"

namespace tgl {

class TCustomIniFile;

class TrlCards {
public:
  // Makes a list of the given kind and fills it: the adapters the system reports, then the
  // catalogue entries when ShowAllCards is on. A failure destroys the cards added so far.
  template <class TCardList>
  static std::unique_ptr<TCardList> Create() {
    auto cards = std::make_unique<TCardList>();
    static_cast<TrlCards&>(*cards).Fill();
    return cards;
  }

  virtual ~TrlCards();
  TrlCards(const TrlCards&) = delete;
  TrlCards& operator=(const TrlCards&) = delete;

  int Count() const { return static_cast<int>(Items.size()); }
  // 0-based; error "List index out of bounds (%d)" outside the list.
  TrlCardConfig& Cards(int index) const;
  // -1 when the card is not in this list.
  int IndexOf(const TrlCardConfig* card) const;

  // Destroys every card, from the last to the first.
  virtual void Clear();
  // Matches one adapter against the catalogue and appends its card; mirroring
  // pseudo-adapters and records without a device ID are left out.
  virtual void AddCard(const DISPLAY_DEVICEA& device);
  // One card per [Files] line, then one per [FilesNT] line, shown as "_" + name (+ " (2k)").
  void AddCatalogueCards();

protected:
  TrlCards() = default;
  // Adds a card for every adapter the system reports.
  virtual void Enumerate() = 0;

private:
  void Fill();
  void AddCatalogueLines(TCustomIniFile& catalogue, const std::string& section,
                         const std::string& suffix);

  std::vector<std::unique_ptr<TrlCardConfig>> Items;
};

}  // namespace tgl
