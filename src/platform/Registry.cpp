#include "platform/Registry.h"

#include "base/TextUtils.h"

namespace tgl {
namespace {

[[noreturn]] void FailGet(const std::string& name) {
  throw ERegistryError(Format("Failed to get data for '%s'", {name}));
}

[[noreturn]] void FailType(const std::string& name) {
  throw ERegistryError(Format("Invalid data type for '%s'", {name}));
}

bool IsStringType(TRegDataType type) {
  return type == TRegDataType::rdString || type == TRegDataType::rdExpandString;
}

}  // namespace

TRegistryData StringData(const std::string& value) {
  std::vector<uint8_t> bytes(value.begin(), value.end());
  bytes.push_back(0);
  return {TRegDataType::rdString, std::move(bytes)};
}

TRegistryData IntegerData(int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < sizeof(bits); ++i) bytes.push_back(uint8_t(bits >> (8 * i)));
  return {TRegDataType::rdInteger, std::move(bytes)};
}

TRegistryData BinaryData(std::span<const uint8_t> bytes) {
  return {TRegDataType::rdBinary, std::vector<uint8_t>(bytes.begin(), bytes.end())};
}

void TRegistry::SetRootKey(TRootKey root) {
  CloseKey();
  Root = root;
}

bool TRegistry::OpenKeyReadOnly(const std::string& path) {
  return Open(path, TKeyOpening::koReadOnly);
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
  return Open(path, canCreate ? TKeyOpening::koCreate : TKeyOpening::koFullAccess);
}

bool TRegistry::Open(const std::string& path, TKeyOpening opening) {
  CloseKey();
  std::string relative = !path.empty() && path.front() == '\\' ? path.substr(1) : path;
  if (!OpenSystemKey(Root, relative, opening)) return false;
  KeyOpen = true;
  Path = relative;
  return true;
}

void TRegistry::CloseKey() {
  if (KeyOpen) CloseSystemKey();
  KeyOpen = false;
  Path.clear();
}

TStrings TRegistry::GetKeyNames() { return KeyOpen ? ListSubkeys() : TStrings(); }

std::optional<TRegistryData> TRegistry::Query(const std::string& name) {
  if (!KeyOpen) FailGet(name);
  return QueryValue(name);
}

std::string TRegistry::ReadString(const std::string& name) {
  std::optional<TRegistryData> data = Query(name);
  if (!data) return std::string();
  if (!IsStringType(data->Type)) FailType(name);
  const std::vector<uint8_t>& bytes = data->Bytes;
  size_t length = 0;
  while (length < bytes.size() && bytes[length] != 0) ++length;
  return std::string(reinterpret_cast<const char*>(bytes.data()), length);
}

int32_t TRegistry::ReadInteger(const std::string& name) {
  std::optional<TRegistryData> data = Query(name);
  if (!data) FailGet(name);
  if (data->Type != TRegDataType::rdInteger || data->Bytes.size() != sizeof(int32_t))
    FailType(name);
  uint32_t bits = 0;
  for (size_t i = 0; i < sizeof(bits); ++i) bits |= uint32_t(data->Bytes[i]) << (8 * i);
  return static_cast<int32_t>(bits);
}

std::vector<uint8_t> TRegistry::ReadBinaryData(const std::string& name, size_t maxSize) {
  std::optional<TRegistryData> data = Query(name);
  if (!data) return {};
  if (IsStringType(data->Type) || data->Type == TRegDataType::rdInteger ||
      data->Bytes.size() > maxSize)
    FailType(name);
  return std::move(data->Bytes);
}

std::optional<TRegistryData> TRegistry::ReadValue(const std::string& name) { return Query(name); }

void TRegistry::WriteValue(const std::string& name, const TRegistryData& data) {
  if (!KeyOpen || !SetValue(name, data))
    throw ERegistryError(Format("Failed to set data for '%s'", {name}));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  WriteValue(name, StringData(value));
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
  WriteValue(name, IntegerData(value));
}

void TRegistry::WriteBinaryData(const std::string& name, std::span<const uint8_t> bytes) {
  WriteValue(name, BinaryData(bytes));
}

bool TRegistry::DeleteValue(const std::string& name) { return KeyOpen && RemoveValue(name); }

}  // namespace tgl
