#include "platform/Registry.h"

#include "support/TestSupport.h"

namespace tgl::test {
namespace {

constexpr TRootKey HKLM = TRootKey::rkLocalMachine;
const std::string DriverKey = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";

class RegistryTest : public TCoreTest {
protected:
  std::unique_ptr<TRegistry> Keys = Registry().CreateRegistry();

  // The message of the registry error that `action` raises, or "no error".
  template <class TAction>
  static std::string RegistryErrorOf(TAction action) {
    try {
      action();
    } catch (const ERegistryError& error) {
      return error.what();
    }
    return "no error";
  }

  void OpenDriverKey() {
    Keys->SetRootKey(HKLM);
    ASSERT_TRUE(Keys->OpenKeyReadOnly("\\" + DriverKey));
  }
};

TEST_F(RegistryTest, StringReadsTakeStringAndExpandStringDataOnly) {
  MemoryRegistry.PutString(HKLM, DriverKey, "DriverDesc", "NVIDIA GeForce2 MX");
  MemoryRegistry.PutExpandString(HKLM, DriverKey, "Path", "%SystemRoot%\\nv4.dll");
  MemoryRegistry.SetValue(HKLM, DriverKey, "NoZero", {TRegDataType::rdString, {'a', 'b'}});
  MemoryRegistry.SetValue(HKLM, DriverKey, "Inner", {TRegDataType::rdString, {'a', 0, 'b', 0}});
  MemoryRegistry.SetValue(HKLM, DriverKey, "Empty", {TRegDataType::rdString, {}});
  MemoryRegistry.PutString(HKLM, DriverKey, "", "default text");
  MemoryRegistry.PutInteger(HKLM, DriverKey, "Number", 1);
  MemoryRegistry.PutBinary(HKLM, DriverKey, "Bytes", {'a', 0});
  OpenDriverKey();

  EXPECT_EQ(Keys->ReadString("driverdesc"), "NVIDIA GeForce2 MX");
  EXPECT_EQ(Keys->ReadString("Path"), "%SystemRoot%\\nv4.dll");  // not expanded
  EXPECT_EQ(Keys->ReadString("NoZero"), "ab");
  EXPECT_EQ(Keys->ReadString("Inner"), "a");
  EXPECT_EQ(Keys->ReadString("Empty"), "");
  EXPECT_EQ(Keys->ReadString(""), "default text");
  EXPECT_EQ(Keys->ReadString("Missing"), "");
  EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadString("Number"); }),
            "Invalid data type for 'Number'");
  EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadString("Bytes"); }), "Invalid data type for 'Bytes'");
}

TEST_F(RegistryTest, IntegerReadsTakeIntegerDataOnlyAndNeedTheValue) {
  MemoryRegistry.PutInteger(HKLM, DriverKey, "Zero", 0);
  MemoryRegistry.PutInteger(HKLM, DriverKey, "AllBits", 0xFFFFFFFF);
  MemoryRegistry.PutInteger(HKLM, DriverKey, "Large", 0x80000000);
  MemoryRegistry.PutString(HKLM, DriverKey, "Text", "1");
  MemoryRegistry.PutBinary(HKLM, DriverKey, "Bytes", {1, 0, 0, 0});
  MemoryRegistry.SetValue(HKLM, DriverKey, "Short", {TRegDataType::rdInteger, {1, 0}});
  OpenDriverKey();

  EXPECT_EQ(Keys->ReadInteger("Zero"), 0);
  EXPECT_EQ(Keys->ReadInteger("allbits"), -1);
  EXPECT_EQ(Keys->ReadInteger("Large"), INT32_MIN);
  EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadInteger("Missing"); }),
            "Failed to get data for 'Missing'");
  EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadInteger("Text"); }), "Invalid data type for 'Text'");
  EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadInteger("Bytes"); }), "Invalid data type for 'Bytes'");
  EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadInteger("Short"); }), "Invalid data type for 'Short'");
}

TEST_F(RegistryTest, BinaryReadsRefuseStringsIntegersAndLongerData) {
  MemoryRegistry.PutBinary(HKLM, DriverKey, "Four", {0x80, 0x1F, 0xFF, 0xFF});
  MemoryRegistry.PutBinary(HKLM, DriverKey, "Two", {1, 2});
  MemoryRegistry.PutBinary(HKLM, DriverKey, "Five", {1, 2, 3, 4, 5});
  MemoryRegistry.SetValue(HKLM, DriverKey, "Multi", {TRegDataType::rdMultiString, {'a', 0, 0}});
  MemoryRegistry.PutString(HKLM, DriverKey, "Text", "1");
  MemoryRegistry.PutExpandString(HKLM, DriverKey, "Expand", "1");
  MemoryRegistry.PutInteger(HKLM, DriverKey, "Number", 1);
  OpenDriverKey();

  EXPECT_EQ(Keys->ReadBinaryData("Four", 4), (std::vector<uint8_t>{0x80, 0x1F, 0xFF, 0xFF}));
  EXPECT_EQ(Keys->ReadBinaryData("Two", 4), (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(Keys->ReadBinaryData("Multi", 4).size(), 3u);
  EXPECT_TRUE(Keys->ReadBinaryData("Missing", 4).empty());
  for (const char* name : {"Five", "Text", "Expand", "Number"})
    EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadBinaryData(name, 4); }),
              std::string("Invalid data type for '") + name + "'");
}

TEST_F(RegistryTest, WritesStoreTheirTypesAndReadBack) {
  Keys->SetRootKey(TRootKey::rkCurrentUser);
  ASSERT_TRUE(Keys->OpenKey("\\Software\\Tesmora\\OpenGL", true));
  Keys->WriteInteger("FSAA", -2);
  Keys->WriteString("Name", "GeForce");
  Keys->WriteString("", "default");
  const uint8_t bytes[] = {0xFF, 0xFF, 0xFF, 0xFF};
  Keys->WriteBinaryData("LOD", bytes);
  Keys->WriteInteger("fsaa", 3);  // the same value, whatever the letter case

  const std::string path = "Software\\Tesmora\\OpenGL";
  const TRootKey root = TRootKey::rkCurrentUser;
  EXPECT_EQ(MemoryRegistry.Value(root, path, "FSAA")->Type, TRegDataType::rdInteger);
  EXPECT_EQ(MemoryRegistry.Value(root, path, "FSAA")->Bytes, (std::vector<uint8_t>{3, 0, 0, 0}));
  EXPECT_EQ(MemoryRegistry.Value(root, path, "Name")->Bytes,
            (std::vector<uint8_t>{'G', 'e', 'F', 'o', 'r', 'c', 'e', 0}));
  EXPECT_EQ(MemoryRegistry.StringValue(root, path, ""), "default");
  EXPECT_EQ(MemoryRegistry.Value(root, path, "LOD")->Type, TRegDataType::rdBinary);
  EXPECT_FALSE(MemoryRegistry.KeyExists(HKLM, path));

  std::unique_ptr<TRegistry> reader = Registry().CreateRegistry();
  reader->SetRootKey(root);
  ASSERT_TRUE(reader->OpenKeyReadOnly("SOFTWARE\\tesmora\\opengl"));
  EXPECT_EQ(reader->ReadInteger("FSAA"), 3);
  EXPECT_EQ(reader->ReadString("name"), "GeForce");
  EXPECT_EQ(reader->ReadBinaryData("LOD", 4), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(reader->CurrentPath(), "SOFTWARE\\tesmora\\opengl");
}

TEST_F(RegistryTest, RawValuesKeepTheirTypeAndDataExactly) {
  const TRegistryData kept[] = {
      {TRegDataType::rdInteger, {1, 0, 0, 0}},
      {TRegDataType::rdString, {'a', 'b'}},  // without its terminating zero
      {TRegDataType::rdExpandString, {'%', 'x', '%', 0}},
      {TRegDataType::rdBinary, {}},
      {TRegDataType::rdMultiString, {'a', 0, 'b', 0, 0}},
      {TRegDataType::rdNone, {7}},
      {static_cast<TRegDataType>(11), {1, 2, 3, 4, 5, 6, 7, 8}},  // a type we do not name
  };
  Keys->SetRootKey(HKLM);
  ASSERT_TRUE(Keys->OpenKey(DriverKey, true));
  for (size_t i = 0; i < std::size(kept); ++i) Keys->WriteValue("V" + std::to_string(i), kept[i]);

  std::unique_ptr<TRegistry> reader = Registry().CreateRegistry();
  reader->SetRootKey(HKLM);
  ASSERT_TRUE(reader->OpenKeyReadOnly(DriverKey));
  for (size_t i = 0; i < std::size(kept); ++i)
    EXPECT_EQ(reader->ReadValue("v" + std::to_string(i)), kept[i]) << i;
  EXPECT_EQ(reader->ReadValue("Missing"), std::nullopt);
  EXPECT_EQ(RegistryErrorOf([&] { reader->WriteValue("V0", kept[1]); }),
            "Failed to set data for 'V0'");
  reader->CloseKey();
  EXPECT_EQ(RegistryErrorOf([&] { reader->ReadValue("V0"); }), "Failed to get data for 'V0'");

  // The typed writes store what the data helpers make.
  Keys->WriteInteger("Typed", -2);
  EXPECT_EQ(MemoryRegistry.Value(HKLM, DriverKey, "Typed"), IntegerData(-2));
  Keys->WriteString("Typed", "x");
  EXPECT_EQ(MemoryRegistry.Value(HKLM, DriverKey, "Typed"), StringData("x"));
}

TEST_F(RegistryTest, OpeningFindsCreatesOrRefuses) {
  MemoryRegistry.CreateKey(HKLM, DriverKey);
  Keys->SetRootKey(HKLM);
  EXPECT_TRUE(Keys->OpenKeyReadOnly(DriverKey));
  EXPECT_TRUE(Keys->OpenKeyReadOnly("\\" + DriverKey));
  EXPECT_FALSE(Keys->OpenKeyReadOnly("\\Software\\Missing"));
  EXPECT_FALSE(Keys->OpenKey("\\Software\\Missing", false));
  EXPECT_FALSE(MemoryRegistry.KeyExists(HKLM, "Software\\Missing"));
  EXPECT_TRUE(Keys->OpenKey("\\Software\\Missing", true));
  EXPECT_TRUE(MemoryRegistry.KeyExists(HKLM, "Software\\Missing"));

  // Someone without administrator rights reads, but neither writes nor creates.
  MemoryRegistry.WritesRefused = true;
  EXPECT_TRUE(Keys->OpenKeyReadOnly(DriverKey));
  EXPECT_FALSE(Keys->OpenKey(DriverKey, false));
  EXPECT_FALSE(Keys->OpenKey("\\Software\\Other", true));
  EXPECT_FALSE(MemoryRegistry.KeyExists(HKLM, "Software\\Other"));
}

TEST_F(RegistryTest, FailedOpenLeavesNoKeyForTheReadsAndWritesAfterIt) {
  MemoryRegistry.PutString(HKLM, DriverKey, "Value", "old");
  MemoryRegistry.PutInteger(HKLM, DriverKey, "Number", 1);
  Keys->SetRootKey(HKLM);
  ASSERT_TRUE(Keys->OpenKey(DriverKey, false));
  ASSERT_FALSE(Keys->OpenKey("\\Missing", false));
  EXPECT_FALSE(Keys->HasOpenKey());
  EXPECT_EQ(RegistryErrorOf([&] { Keys->WriteString("Value", "new"); }),
            "Failed to set data for 'Value'");
  EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadString("Value"); }), "Failed to get data for 'Value'");
  EXPECT_EQ(RegistryErrorOf([&] { Keys->ReadInteger("Number"); }),
            "Failed to get data for 'Number'");
  EXPECT_TRUE(Keys->GetKeyNames().empty());
  EXPECT_EQ(MemoryRegistry.StringValue(HKLM, DriverKey, "Value"), "old");
}

TEST_F(RegistryTest, WritesFailOnReadOnlyKeysAndWithoutRights) {
  MemoryRegistry.PutString(HKLM, DriverKey, "Value", "old");
  OpenDriverKey();
  EXPECT_EQ(RegistryErrorOf([&] { Keys->WriteInteger("Value", 1); }),
            "Failed to set data for 'Value'");
  EXPECT_FALSE(Keys->DeleteValue("Value"));

  ASSERT_TRUE(Keys->OpenKey(DriverKey, false));
  MemoryRegistry.WritesRefused = true;
  EXPECT_EQ(RegistryErrorOf([&] { Keys->WriteString("Value", "new"); }),
            "Failed to set data for 'Value'");
  EXPECT_EQ(MemoryRegistry.StringValue(HKLM, DriverKey, "Value"), "old");
}

TEST_F(RegistryTest, DeleteValueRemovesOnlyWhatIsThere) {
  MemoryRegistry.PutString(HKLM, "Software\\Run", "TesmoraGL", "x");
  Keys->SetRootKey(HKLM);
  ASSERT_TRUE(Keys->OpenKey("\\Software\\Run", false));
  EXPECT_TRUE(Keys->DeleteValue("tesmoragl"));
  EXPECT_FALSE(Keys->DeleteValue("TesmoraGL"));
  EXPECT_FALSE(MemoryRegistry.Value(HKLM, "Software\\Run", "TesmoraGL"));
}

TEST_F(RegistryTest, SubkeysListInTheirOrderAndRootChangesCloseTheKey) {
  for (const char* name : {"ROOT&PCI&0001", "Display", "ABC"})
    MemoryRegistry.CreateKey(TRootKey::rkDynData, std::string("Config Manager\\Enum\\") + name);
  Keys->SetRootKey(TRootKey::rkDynData);
  ASSERT_TRUE(Keys->OpenKeyReadOnly("\\Config Manager\\Enum"));
  EXPECT_EQ(Keys->GetKeyNames(), (TStrings{"ROOT&PCI&0001", "Display", "ABC"}));
  Keys->SetRootKey(HKLM);
  EXPECT_FALSE(Keys->HasOpenKey());
  EXPECT_EQ(Keys->CurrentPath(), "");
  EXPECT_FALSE(Keys->OpenKeyReadOnly("\\Config Manager\\Enum"));
  EXPECT_TRUE(Keys->OpenKeyReadOnly("\\"));
  EXPECT_EQ(Keys->RootKey(), HKLM);
}

}  // namespace
}  // namespace tgl::test
