#include "options/OptionKeywords.h"

namespace tgl {
namespace {

const TKeyword<TControlKind> ControlKinds[] = {
    {"CHECK", ckCheck}, {"COMBO", ckCombo}, {"RADIO", ckRadio}, {"SLIDER", ckSlider}};
const TKeyword<TOptionType> OptionTypes[] = {
    {"SWITCH", otSwitch}, {"LIST", otList}, {"SLIDER", otSlider}};
const TKeyword<TStoreAs> StoreKinds[] = {
    {"DWORD", saDWord}, {"STRING", saString}, {"BINARY", saBinary}, {"BINDWORD", saBinDWord}};

}  // namespace

TControlKind ControlKindOf(std::string_view text) { return LookupKeyword(text, ControlKinds); }

TOptionType OptionTypeOf(std::string_view text) { return LookupKeyword(text, OptionTypes); }

TStoreAs StoreAsOf(std::string_view text) { return LookupKeyword(text, StoreKinds); }

TOptionType OptionTypeOr(std::string_view text, TOptionType fallback) {
  try {
    return OptionTypeOf(text);
  } catch (const EAbort&) {
    return fallback;
  }
}

}  // namespace tgl
