#include "platform/TableTexts.h"

#include "base/TextUtils.h"

namespace tgl {

std::optional<std::string_view> TTableTexts::Find(const std::string& name) const {
  for (const TEmbeddedEntry& entry : Entries)
    if (SameText(entry.Name, name)) return entry.Bytes;
  return std::nullopt;
}

}  // namespace tgl
