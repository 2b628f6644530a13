#pragma once
// The registry object over advapi32. It only moves keys and raw value data; the value types
// are checked by the core for every read.
#include "platform/Registry.h"
#include "platform/win32/RegKey_win.h"

namespace tgl {

class TWin32Registry : public TRegistry {
protected:
  bool OpenSystemKey(TRootKey root, const std::string& path, TKeyOpening opening) override;
  void CloseSystemKey() override { Key.Close(); }
  TStrings ListSubkeys() override;
  std::optional<TRegistryData> QueryValue(const std::string& name) override;
  bool SetValue(const std::string& name, const TRegistryData& data) override;
  bool RemoveValue(const std::string& name) override;

private:
  TRegKey Key;
};

class TWin32RegistrySystem : public TRegistrySystem {
public:
  std::unique_ptr<TRegistry> CreateRegistry() override;
};

}  // namespace tgl
