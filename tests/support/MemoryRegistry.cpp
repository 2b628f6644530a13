#include "support/MemoryRegistry.h"

#include "base/TextUtils.h"

namespace tgl::test {
namespace {

std::vector<std::string> PathParts(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::vector<uint8_t> StringBytes(const std::string& text) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

class TMemoryRegistryObject : public TRegistry {
public:
  explicit TMemoryRegistryObject(TMemoryRegistry& tree) : Tree(tree) {
    ++Tree.RegistriesCreated;
    ++Tree.RegistriesAlive;
  }
  ~TMemoryRegistryObject() override { --Tree.RegistriesAlive; }

protected:
  bool OpenSystemKey(TRootKey root, const std::string& path, TKeyOpening opening) override {
    if (opening != TKeyOpening::koReadOnly && Tree.WritesRefused) return false;
    if (Tree.IsAccessDenied(root, path)) return false;
    OpenKey = Tree.Find(root, path, opening == TKeyOpening::koCreate);
    Writable = opening != TKeyOpening::koReadOnly;
    OpenRoot = root;
    OpenPath = path;
    return OpenKey != nullptr;
  }

  void CloseSystemKey() override { OpenKey = nullptr; }

  TStrings ListSubkeys() override {
    TStrings names;
    for (const auto& subkey : OpenKey->Subkeys) names.push_back(subkey->Name);
    return names;
  }

  std::optional<TRegistryData> QueryValue(const std::string& name) override {
    TMemoryRegistry::TValue* value = OpenKey->Value(name);
    if (!value) return std::nullopt;
    return value->Data;
  }

  bool SetValue(const std::string& name, const TRegistryData& data) override {
    if (!Writable || Tree.WritesRefused) return false;
    TRegistryData stored = data;
    if (Tree.StoreFilter && !Tree.StoreFilter(OpenRoot, OpenPath, name, stored)) return false;
    if (TMemoryRegistry::TValue* value = OpenKey->Value(name))
      value->Data = std::move(stored);
    else
      OpenKey->Values.push_back({name, std::move(stored)});
    if (Tree.AfterStore) Tree.AfterStore(OpenRoot, OpenPath, name);
    return true;
  }

  bool RemoveValue(const std::string& name) override {
    if (!Writable || Tree.WritesRefused) return false;
    auto& values = OpenKey->Values;
    for (auto it = values.begin(); it != values.end(); ++it)
      if (SameText(it->Name, name)) {
        values.erase(it);
        return true;
      }
    return false;
  }

private:
  TMemoryRegistry& Tree;
  TMemoryRegistry::TKey* OpenKey = nullptr;
  bool Writable = false;
  TRootKey OpenRoot = TRootKey::rkLocalMachine;
  std::string OpenPath;
};

}  // namespace

TMemoryRegistry::TKey* TMemoryRegistry::TKey::Subkey(const std::string& name) const {
  for (const auto& subkey : Subkeys)
    if (SameText(subkey->Name, name)) return subkey.get();
  return nullptr;
}

TMemoryRegistry::TValue* TMemoryRegistry::TKey::Value(const std::string& name) {
  for (TValue& value : Values)
    if (SameText(value.Name, name)) return &value;
  return nullptr;
}

TMemoryRegistry::TMemoryRegistry() {
  Roots[0].Name = "HKEY_LOCAL_MACHINE";
  Roots[1].Name = "HKEY_CURRENT_USER";
  Roots[2].Name = "HKEY_DYN_DATA";
}

std::unique_ptr<TRegistry> TMemoryRegistry::CreateRegistry() {
  return std::make_unique<TMemoryRegistryObject>(*this);
}

TMemoryRegistry::TKey* TMemoryRegistry::Find(TRootKey root, const std::string& path,
                                             bool create) {
  TKey* key = &Roots[static_cast<int>(root)];
  for (const std::string& part : PathParts(path)) {
    TKey* next = key->Subkey(part);
    if (!next) {
      if (!create) return nullptr;
      key->Subkeys.push_back(std::make_unique<TKey>());
      next = key->Subkeys.back().get();
      next->Name = part;
    }
    key = next;
  }
  return key;
}

const TMemoryRegistry::TKey* TMemoryRegistry::Find(TRootKey root, const std::string& path) const {
  return const_cast<TMemoryRegistry*>(this)->Find(root, path, false);
}

void TMemoryRegistry::CreateKey(TRootKey root, const std::string& path) { Find(root, path, true); }

void TMemoryRegistry::SetValue(TRootKey root, const std::string& path, const std::string& name,
                               TRegistryData data) {
  TKey* key = Find(root, path, true);
  if (TValue* value = key->Value(name))
    value->Data = std::move(data);
  else
    key->Values.push_back({name, std::move(data)});
}

void TMemoryRegistry::PutString(TRootKey root, const std::string& path, const std::string& name,
                                const std::string& text) {
  SetValue(root, path, name, {TRegDataType::rdString, StringBytes(text)});
}

void TMemoryRegistry::PutExpandString(TRootKey root, const std::string& path,
                                      const std::string& name, const std::string& text) {
  SetValue(root, path, name, {TRegDataType::rdExpandString, StringBytes(text)});
}

void TMemoryRegistry::PutInteger(TRootKey root, const std::string& path, const std::string& name,
                                 uint32_t value) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(value >> (8 * i)));
  SetValue(root, path, name, {TRegDataType::rdInteger, std::move(bytes)});
}

void TMemoryRegistry::PutBinary(TRootKey root, const std::string& path, const std::string& name,
                                std::vector<uint8_t> bytes) {
  SetValue(root, path, name, {TRegDataType::rdBinary, std::move(bytes)});
}

bool TMemoryRegistry::DeleteKey(TRootKey root, const std::string& path) {
  std::vector<std::string> parts = PathParts(path);
  if (parts.empty()) return false;
  std::string parentPath;
  for (size_t i = 0; i + 1 < parts.size(); ++i) parentPath += parts[i] + "\\";
  TKey* parent = Find(root, parentPath, false);
  if (!parent) return false;
  auto& subkeys = parent->Subkeys;
  for (auto it = subkeys.begin(); it != subkeys.end(); ++it)
    if (SameText((*it)->Name, parts.back())) {
      subkeys.erase(it);
      return true;
    }
  return false;
}

void TMemoryRegistry::DenyAccess(TRootKey root, const std::string& path) {
  Find(root, path, true)->AccessDenied = true;
}

bool TMemoryRegistry::IsAccessDenied(TRootKey root, const std::string& path) const {
  const TKey* key = &Roots[static_cast<int>(root)];
  for (const std::string& part : PathParts(path)) {
    key = key->Subkey(part);
    if (!key) return false;
    if (key->AccessDenied) return true;
  }
  return false;
}

bool TMemoryRegistry::KeyExists(TRootKey root, const std::string& path) const {
  return Find(root, path) != nullptr;
}

std::optional<TRegistryData> TMemoryRegistry::Value(TRootKey root, const std::string& path,
                                                    const std::string& name) const {
  const TKey* key = Find(root, path);
  if (!key) return std::nullopt;
  for (const TValue& value : key->Values)
    if (SameText(value.Name, name)) return value.Data;
  return std::nullopt;
}

std::optional<std::string> TMemoryRegistry::StringValue(TRootKey root, const std::string& path,
                                                        const std::string& name) const {
  std::optional<TRegistryData> data = Value(root, path, name);
  if (!data) return std::nullopt;
  std::string text(data->Bytes.begin(), data->Bytes.end());
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

}  // namespace tgl::test
