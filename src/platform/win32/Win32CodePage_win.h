#pragma once
// The system's ANSI code page through kernel32's conversions, which Windows 95 has too.
#include "platform/CodePage.h"

namespace tgl {

class TWin32CodePage : public TCodePage {
public:
  std::string FromUtf16(std::u16string_view text) const override;
  std::u16string ToUtf16(std::string_view text) const override;
};

}  // namespace tgl
