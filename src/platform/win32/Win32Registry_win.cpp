#include "platform/win32/Win32Registry_win.h"

#include <algorithm>

namespace tgl {
namespace {

// A value or name that keeps growing while we read it is given up after this many tries.
const int MaxReadAttempts = 8;

HKEY RootHandle(TRootKey root) {
  switch (root) {
    case TRootKey::rkLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case TRootKey::rkDynData:
      return HKEY_DYN_DATA;
    case TRootKey::rkCurrentUser:
      break;
  }
  return HKEY_CURRENT_USER;
}

}  // namespace

bool TWin32Registry::OpenSystemKey(TRootKey root, const std::string& path, TKeyOpening opening) {
  Key.Close();
  HKEY opened = nullptr;
  LONG result;
  if (opening == TKeyOpening::koCreate) {
    DWORD disposition = 0;
    result = ::RegCreateKeyExA(RootHandle(root), path.c_str(), 0, nullptr,
                               REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened,
                               &disposition);
  } else {
    REGSAM access = opening == TKeyOpening::koReadOnly ? KEY_READ : KEY_ALL_ACCESS;
    result = ::RegOpenKeyExA(RootHandle(root), path.c_str(), 0, access, &opened);
  }
  if (result != ERROR_SUCCESS) return false;
  Key = TRegKey(opened);
  return true;
}

TStrings TWin32Registry::ListSubkeys() {
  TStrings names;
  DWORD longestName = 0;
  if (::RegQueryInfoKeyA(Key.Get(), nullptr, nullptr, nullptr, nullptr, &longestName, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return names;
  // Windows 9x may report less than the longest name; a short buffer is grown below.
  std::vector<char> name(std::max<DWORD>(longestName + 1, 256));
  int attempts = 0;
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(name.size());
    LONG result = ::RegEnumKeyExA(Key.Get(), index, name.data(), &length, nullptr, nullptr,
                                  nullptr, nullptr);
    if (result == ERROR_MORE_DATA && ++attempts < MaxReadAttempts) {
      name.resize(name.size() * 2);
      continue;
    }
    if (result != ERROR_SUCCESS) break;
    names.emplace_back(name.data(), std::min<size_t>(length, name.size()));
    attempts = 0;
    ++index;
  }
  return names;
}

std::optional<TRegistryData> TWin32Registry::QueryValue(const std::string& name) {
  std::vector<uint8_t> buffer(256);
  for (int attempt = 0; attempt < MaxReadAttempts; ++attempt) {
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    LONG result = ::RegQueryValueExA(Key.Get(), name.c_str(), nullptr, &type, buffer.data(), &size);
    if (result == ERROR_MORE_DATA) {
      // The value may grow between two calls: ask again with what it needs now.
      buffer.resize(std::max<size_t>(size, buffer.size() * 2));
      continue;
    }
    if (result != ERROR_SUCCESS) return std::nullopt;
    buffer.resize(std::min<size_t>(size, buffer.size()));
    return TRegistryData{static_cast<TRegDataType>(type), std::move(buffer)};
  }
  return std::nullopt;
}

bool TWin32Registry::SetValue(const std::string& name, const TRegistryData& data) {
  static const BYTE noData = 0;
  const BYTE* bytes = data.Bytes.empty() ? &noData : data.Bytes.data();
  return ::RegSetValueExA(Key.Get(), name.c_str(), 0, static_cast<DWORD>(data.Type), bytes,
                          static_cast<DWORD>(data.Bytes.size())) == ERROR_SUCCESS;
}

bool TWin32Registry::RemoveValue(const std::string& name) {
  return ::RegDeleteValueA(Key.Get(), name.c_str()) == ERROR_SUCCESS;
}

std::unique_ptr<TRegistry> TWin32RegistrySystem::CreateRegistry() {
  return std::make_unique<TWin32Registry>();
}

}  // namespace tgl
