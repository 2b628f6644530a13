#include "app/ProductInfo.h"

#include "app/TextUtils.h"

namespace tgl {

std::string LinkTextOf(std::string_view address) {
  for (std::string_view scheme : {"http://", "https://", "mailto:"}) {
    if (address.size() > scheme.size() && SameText(address.substr(0, scheme.size()), scheme)) {
      address.remove_prefix(scheme.size());
      break;
    }
  }
  if (address.size() > 1 && address.back() == '/') address.remove_suffix(1);
  return std::string(address);
}

}  // namespace tgl
