#pragma once
// Windows-1252, the code page of western Windows systems: the native build's stand-in for
// the system's code page.
#include "platform/CodePage.h"

namespace tgl {

class TWindows1252 : public TCodePage {
public:
  // A character outside the code page becomes "?".
  std::string FromUtf16(std::u16string_view text) const override;
  std::u16string ToUtf16(std::string_view text) const override;
};

}  // namespace tgl
