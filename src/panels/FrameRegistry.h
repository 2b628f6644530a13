#pragma once
// The registry of tuning frame classes by name. The program makes one at start-up, fills
// it with the built-in frames and hands it to the option hub, which creates the frame of
// the selected card by name.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "panels/TuningFrame.h"

namespace tgl {

// A frame class: makes a frame of that class for a card.
using TFrameClass = std::unique_ptr<TGenericTuningFrame> (*)(const TrlCardConfig* card);

template <class TFrame>
std::unique_ptr<TGenericTuningFrame> FrameClassOf(const TrlCardConfig* card) {
  return std::make_unique<TFrame>(card);
}

class TFrameRegistry {
public:
  // Appends the pair (name upper-cased, class); a name already there is not looked for,
  // so the class registered first under a name is the one created.
  void RegisterTuningFrame(std::string_view name, TFrameClass frameClass);

  // A new frame of the first class registered under `name` (letter case does not count),
  // made for `card`; the caller owns it.
  // Error: "Couldn't find appropriate tuning frame".
  std::unique_ptr<TGenericTuningFrame> CreateTuningFrame(std::string_view name,
                                                         const TrlCardConfig* card) const;

  int Count() const { return static_cast<int>(FEntries.size()); }
  // The registered names, upper-cased, in registration order.
  std::vector<std::string> Names() const;

private:
  struct TEntry {
    std::string Name;
    TFrameClass Class;
  };
  std::vector<TEntry> FEntries;
};

// Registers the six frames of the built-in tuning definitions: "TNT", "GeForce", "Radeon",
// "Voodoo3", "VSA100" and "RagePro".
void RegisterBuiltInFrames(TFrameRegistry& registry);

}  // namespace tgl
