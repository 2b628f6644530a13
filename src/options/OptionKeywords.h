#pragma once
// The keywords of the tuning definition files and the enumerations they stand for.
// Keywords match after upper-casing the letters a to z and nothing else: no trimming.
#include <cstddef>
#include <string>
#include <string_view>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

// Key "Control": the kind of control that shows the option.
enum TControlKind : int { ckCheck = 0, ckCombo = 1, ckRadio = 2, ckSlider = 3 };
// Key "Type": the option's kind.
enum TOptionType : int { otSwitch = 0, otList = 1, otSlider = 2 };
// Key "StoreAs": how the value is kept in the registry.
enum TStoreAs : int { saDWord = 0, saString = 1, saBinary = 2, saBinDWord = 3 };

template <class TCode>
struct TKeyword {
  const char* Text;
  TCode Code;
};

// The code of the keyword that `text` names; an unknown keyword is a silent abort, so a
// definition file with a typo stops loading without a message.
template <class TCode, size_t N>
TCode LookupKeyword(std::string_view text, const TKeyword<TCode> (&table)[N]) {
  std::string upper = UpperCase(text);
  bool found = false;
  TCode code{};
  for (const TKeyword<TCode>& keyword : table)
    if (upper == keyword.Text) {
      code = keyword.Code;
      found = true;
    }
  if (!found) Abort();
  return code;
}

TControlKind ControlKindOf(std::string_view text);
TOptionType OptionTypeOf(std::string_view text);
TStoreAs StoreAsOf(std::string_view text);
// OptionTypeOf, or `fallback` when the text is no type keyword.
TOptionType OptionTypeOr(std::string_view text, TOptionType fallback);

}  // namespace tgl
