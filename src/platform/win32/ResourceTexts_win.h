#pragma once
// The embedded configuration texts, stored as RCDATA resources of the program file.
#include "platform/EmbeddedTexts.h"

namespace tgl {

class TResourceTexts : public TEmbeddedTexts {
public:
  // Resource names are looked up by Windows without regard to letter case.
  std::optional<std::string_view> Find(const std::string& name) const override;
};

}  // namespace tgl
