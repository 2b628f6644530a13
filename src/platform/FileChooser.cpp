#include "platform/FileChooser.h"

namespace tgl {

std::string SystemFilter(std::string_view filter) {
  std::string list(filter);
  for (char& c : list)
    if (c == '|') c = '\0';
  if (list.empty() || list.back() != '\0') list.push_back('\0');
  list.push_back('\0');
  return list;
}

}  // namespace tgl
