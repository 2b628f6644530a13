#include "base/ProductInfo.h"

#include "base/TextUtils.h"

namespace tgl {

std::string LinkTextOf(std::string_view address) {
  for (std::string_view scheme : {"http://", "https://", "mailto:"}) {
    if (address.size() > scheme.size() && SameText(address.substr(0, scheme.size()), scheme)) {
      address.remove_prefix(scheme.size());
      break;
    }
  }
  // One closing slash goes; the two of a bare "http://" stay.
  if (address.size() > 1 && address.back() == '/' && address[address.size() - 2] != '/') address.remove_suffix(1);
  return std::string(address);
}

}  // namespace tgl
