#pragma once
// The Windows registry as the core sees it: an object that holds a root key and at most one
// open key, reads and writes typed values of that key and closes it when it goes. The value
// types are checked here, once for every implementation; an implementation only moves keys
// and raw value data to and from the system.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/StringList.h"

namespace tgl {

enum class TRootKey { rkLocalMachine, rkCurrentUser, rkDynData };

// The value types, numbered as the system numbers them (REG_SZ is 1, REG_DWORD is 4, ...).
enum class TRegDataType : uint32_t {
  rdNone = 0,
  rdString = 1,
  rdExpandString = 2,
  rdBinary = 3,
  rdInteger = 4,
  rdMultiString = 7,
};

struct TRegistryData {
  TRegDataType Type = TRegDataType::rdNone;
  std::vector<uint8_t> Bytes;

  friend bool operator==(const TRegistryData&, const TRegistryData&) = default;
};

// The data the typed writes store: a string with its terminating zero, a 32-bit integer
// least significant byte first, binary bytes as they are.
TRegistryData StringData(const std::string& value);
TRegistryData IntegerData(int32_t value);
TRegistryData BinaryData(std::span<const uint8_t> bytes);

// A value that is missing or of the wrong type for the read, or a write that failed.
class ERegistryError : public EError {
public:
  using EError::EError;
};

enum class TKeyOpening { koReadOnly, koFullAccess, koCreate };

class TRegistry {
public:
  virtual ~TRegistry() = default;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  TRootKey RootKey() const { return Root; }
  // Closes the open key first.
  void SetRootKey(TRootKey root);

  // Key paths lead from the root key; one leading backslash is allowed, so "\Enum\PCI" and
  // "Enum\PCI" are the same key. A failed open leaves no key open: the reads and writes that
  // follow it fail instead of reaching the key of an earlier open.
  bool OpenKeyReadOnly(const std::string& path);
  // Full access; with canCreate the missing keys of the path are created.
  bool OpenKey(const std::string& path, bool canCreate);
  void CloseKey();
  bool HasOpenKey() const { return KeyOpen; }
  // The path of the open key without its leading backslash; empty when none is open.
  const std::string& CurrentPath() const { return Path; }

  // The open key's subkey names in the order the system lists them; empty without a key.
  TStrings GetKeyNames();

  // An empty value name is the key's default value. Without an open key every read and
  // write raises ERegistryError.
  //
  // String or expand-string data (not expanded), up to its first zero character or to its
  // end when the zero is missing; a missing value reads as the empty text.
  std::string ReadString(const std::string& name);
  // A 32-bit integer value; a missing value is an error too.
  int32_t ReadInteger(const std::string& name);
  // Binary data of at most maxSize bytes; a missing value gives no bytes. String and integer
  // values, and longer data, are errors.
  std::vector<uint8_t> ReadBinaryData(const std::string& name, size_t maxSize);
  // The value's data and type exactly as the system holds them, whatever the type; nullopt
  // when there is no such value or it cannot be read.
  std::optional<TRegistryData> ReadValue(const std::string& name);

  // A string value, stored with its terminating zero.
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int32_t value);
  void WriteBinaryData(const std::string& name, std::span<const uint8_t> bytes);
  // Stores data of any type exactly as given, so that a value read with ReadValue can be
  // put back as it was.
  void WriteValue(const std::string& name, const TRegistryData& data);
  // False when there was no such value or it could not be removed.
  bool DeleteValue(const std::string& name);

protected:
  TRegistry() = default;

  // What an implementation does on the system. `path` has no leading backslash; an empty
  // path is the root key itself. A failed open leaves the implementation without a key.
  virtual bool OpenSystemKey(TRootKey root, const std::string& path, TKeyOpening opening) = 0;
  virtual void CloseSystemKey() = 0;
  virtual TStrings ListSubkeys() = 0;
  // The whole data of a value of the open key; nullopt when it cannot be read.
  virtual std::optional<TRegistryData> QueryValue(const std::string& name) = 0;
  virtual bool SetValue(const std::string& name, const TRegistryData& data) = 0;
  virtual bool RemoveValue(const std::string& name) = 0;

private:
  bool Open(const std::string& path, TKeyOpening opening);
  std::optional<TRegistryData> Query(const std::string& name);

  TRootKey Root = TRootKey::rkCurrentUser;
  bool KeyOpen = false;
  std::string Path;
};

// Makes registry objects; one is made for each operation that touches the registry.
class TRegistrySystem {
public:
  virtual ~TRegistrySystem() = default;
  virtual std::unique_ptr<TRegistry> CreateRegistry() = 0;
};

}  // namespace tgl
