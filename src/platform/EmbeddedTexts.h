#pragma once
// The texts carried inside the program (card catalogue, tuning definitions), found by
// resource name without regard to letter case.
#include <optional>
#include <string>
#include <string_view>

namespace tgl {

class TEmbeddedTexts {
public:
  virtual ~TEmbeddedTexts() = default;
  virtual std::optional<std::string_view> Find(const std::string& name) const = 0;
};

}  // namespace tgl
