#pragma once
// The system's ANSI code page, in which the program holds every text, against UTF-16, in
// which some files come.
#include <string>
#include <string_view>

namespace tgl {

class TCodePage {
public:
  virtual ~TCodePage() = default;

  // A character the code page lacks becomes the code page's stand-in for it.
  virtual std::string FromUtf16(std::u16string_view text) const = 0;
  virtual std::u16string ToUtf16(std::string_view text) const = 0;
};

}  // namespace tgl
