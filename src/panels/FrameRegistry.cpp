#include "panels/FrameRegistry.h"

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

void TFrameRegistry::RegisterTuningFrame(std::string_view name, TFrameClass frameClass) {
  FEntries.push_back({UpperCase(name), frameClass});
}

std::unique_ptr<TGenericTuningFrame> TFrameRegistry::CreateTuningFrame(
    std::string_view name, const TrlCardConfig* card) const {
  const std::string wanted = UpperCase(name);
  for (const TEntry& entry : FEntries)
    if (SameText(entry.Name, wanted)) return entry.Class(card);
  throw EError("Couldn't find appropriate tuning frame");
}

std::vector<std::string> TFrameRegistry::Names() const {
  std::vector<std::string> names;
  for (const TEntry& entry : FEntries) names.push_back(entry.Name);
  return names;
}

}  // namespace tgl
