#include "cards/CardConfig.h"

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

std::string GetDisplayNumber(const TrlCardConfig& card) {
  std::string key = FieldText(card.Device.DeviceKey);
  size_t lastBackslash = key.rfind('\\');
  std::string number = lastBackslash == std::string::npos ? key : key.substr(lastBackslash + 1);
  if (!ParseInteger(number))
    throw EError("DeficeKey is wrongly parsed for Display number in Windows 9x");
  return number;
}

}  // namespace tgl
