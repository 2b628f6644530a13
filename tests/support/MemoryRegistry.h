#pragma once
// The registry as a tree in memory, for tests: keys and value names compare without regard
// to letter case and keep the case they were made with; subkeys list in creation order.
// Registry objects made by CreateRegistry work on this tree, so what one writes the next
// reads, and a test sets up and inspects keys through the same paths the code uses.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace tgl::test {

class TMemoryRegistry : public TRegistrySystem {
public:
  struct TValue {
    std::string Name;
    TRegistryData Data;
  };
  struct TKey {
    std::string Name;
    std::vector<std::unique_ptr<TKey>> Subkeys;
    std::vector<TValue> Values;
    bool AccessDenied = false;

    TKey* Subkey(const std::string& name) const;
    TValue* Value(const std::string& name);
  };

  TMemoryRegistry();
  std::unique_ptr<TRegistry> CreateRegistry() override;

  // Paths as the registry objects take them; a leading backslash is optional.
  void CreateKey(TRootKey root, const std::string& path);
  // Creates the key when it is missing and replaces a value of the same name.
  void SetValue(TRootKey root, const std::string& path, const std::string& name,
                TRegistryData data);
  // String and expand-string values are stored with their terminating zero.
  void PutString(TRootKey root, const std::string& path, const std::string& name,
                 const std::string& text);
  void PutExpandString(TRootKey root, const std::string& path, const std::string& name,
                       const std::string& text);
  void PutInteger(TRootKey root, const std::string& path, const std::string& name,
                  uint32_t value);
  void PutBinary(TRootKey root, const std::string& path, const std::string& name,
                 std::vector<uint8_t> bytes);

  bool KeyExists(TRootKey root, const std::string& path) const;
  std::optional<TRegistryData> Value(TRootKey root, const std::string& path,
                                     const std::string& name) const;
  // A stored string value as text without its terminating zero; nullopt when missing.
  std::optional<std::string> StringValue(TRootKey root, const std::string& path,
                                         const std::string& name) const;

  // A key that no registry object may open, in any mode, nor any key below it; it exists.
  void DenyAccess(TRootKey root, const std::string& path);
  bool IsAccessDenied(TRootKey root, const std::string& path) const;

  // How many registry objects were made, and how many of them still exist.
  int RegistriesCreated = 0;
  int RegistriesAlive = 0;

  // A user without administrator rights: opening a key for full access or creating one
  // fails, and so does every write through an object that holds a key already.
  bool WritesRefused = false;

  // Called for every value a registry object is about to store, with the path of its open
  // key: it may change the data as a driver or a policy would, or refuse the write by
  // returning false. None by default.
  std::function<bool(TRootKey root, const std::string& path, const std::string& name,
                     TRegistryData& data)>
      StoreFilter;
  // Called after a registry object stored a value; it may change the tree, for example
  // remove the key, as another program might at that moment.
  std::function<void(TRootKey root, const std::string& path, const std::string& name)>
      AfterStore;

  // Removes the key with everything below it; false when there was none.
  bool DeleteKey(TRootKey root, const std::string& path);

  // The key at that path, or nullptr; with `create`, missing keys are made on the way.
  TKey* Find(TRootKey root, const std::string& path, bool create);
  const TKey* Find(TRootKey root, const std::string& path) const;

private:
  TKey Roots[3];
};

}  // namespace tgl::test
