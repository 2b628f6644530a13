#pragma once
// What the registry transfer tests share: a hub over a definition file "Test.CFG" written
// for the test, the in-memory registry, and the log switched on.
#include <initializer_list>
#include <string>

#include "OptionsTestSupport.h"
#include "config/Log.h"
#include "options/FieldHub.h"
#include "support/TestSupport.h"

namespace tgl::test {

inline constexpr TRootKey HKLM = TRootKey::rkLocalMachine;
inline constexpr TRootKey HKCU = TRootKey::rkCurrentUser;

class TRegistryTransferTest : public TCoreTest {
protected:
  TRegistryTransferTest() { Startup().LogEnabled = true; }

  void WriteDefinition(const std::string& text) { Folder.Write("Test.CFG", text); }
  void WriteDefinition(std::initializer_list<const char*> lines) { WriteDefinition(IniText(lines)); }
  // Selects a card of the tuning file "Test" with this driver key.
  void Select(const std::string& deviceKey = Win95DriverKey) {
    Card = MakeCard("Test", deviceKey);
    Hub.SelectCard(&Card);
  }

  TRegistryOption& Option(const std::string& name) {
    for (int i = 0; i < Hub.OptionCount(); ++i)
      if (Hub.Options(i).Name() == name) return Hub.Options(i);
    throw std::runtime_error("no option " + name);
  }
  void SetValues(std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const auto& [name, value] : values) Option(name).SetValue(value);
  }

  // The log as written so far; ClearLog starts it anew.
  std::string Log() const { return Folder.Exists(LogFileName) ? Folder.Read(LogFileName) : ""; }
  void ClearLog() const { Folder.Write(LogFileName, ""); }
  // The bytes that these messages leave in the log.
  static std::string LogLines(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += "\r\n" + line;
    return bytes;
  }

  // The integer data of a REG_DWORD value, or nullopt when there is none of that type.
  std::optional<uint32_t> StoredInteger(TRootKey root, const std::string& path,
                                        const std::string& name) const {
    std::optional<TRegistryData> data = MemoryRegistry.Value(root, path, name);
    if (!data || data->Type != TRegDataType::rdInteger || data->Bytes.size() != 4)
      return std::nullopt;
    return uint32_t(data->Bytes[0]) | uint32_t(data->Bytes[1]) << 8 |
           uint32_t(data->Bytes[2]) << 16 | uint32_t(data->Bytes[3]) << 24;
  }

  TrlCardConfig Card;
  TFieldHub Hub;
};

}  // namespace tgl::test
