#include "platform/win32/Win32CodePage_win.h"

#include <windows.h>

namespace tgl {

static_assert(sizeof(WCHAR) == sizeof(char16_t), "UTF-16 code units are WCHARs");

std::string TWin32CodePage::FromUtf16(std::u16string_view text) const {
  if (text.empty()) return {};
  const WCHAR* units = reinterpret_cast<const WCHAR*>(text.data());
  const int count = static_cast<int>(text.size());
  int size = ::WideCharToMultiByte(CP_ACP, 0, units, count, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size : 0, '\0');
  if (size > 0) ::WideCharToMultiByte(CP_ACP, 0, units, count, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::u16string TWin32CodePage::ToUtf16(std::string_view text) const {
  if (text.empty()) return {};
  const int count = static_cast<int>(text.size());
  int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), count, nullptr, 0);
  std::u16string units(size > 0 ? size : 0, u'\0');
  if (size > 0)
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), count, reinterpret_cast<WCHAR*>(units.data()), size);
  return units;
}

}  // namespace tgl
