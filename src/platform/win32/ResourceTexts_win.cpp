#include "platform/win32/ResourceTexts_win.h"

#include <windows.h>

namespace tgl {

std::optional<std::string_view> TResourceTexts::Find(const std::string& name) const {
  if (name.empty()) return std::nullopt;
  HRSRC resource = ::FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!resource) return std::nullopt;
  HGLOBAL loaded = ::LoadResource(nullptr, resource);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  // Resources of the program file stay mapped for the life of the process.
  return std::string_view(static_cast<const char*>(bytes), ::SizeofResource(nullptr, resource));
}

}  // namespace tgl
