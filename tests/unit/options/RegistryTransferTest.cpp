// The hub's exchange of option values with the registry: the storage kinds, the values it
// cannot read or write, and the correction of values outside an option's list.
#include <sys/stat.h>

#include "RegistryTransferSupport.h"

namespace tgl::test {
namespace {

const std::string TesmoraKey = "Software\\Tesmora";
const std::string Location = "\\Software\\Tesmora \\ ";  // the log's form of key and value
const std::string TesmoraValue = "HKEY_CURRENT_USER\\Software\\Tesmora\\";  // and the report's

constexpr TRegDataType Integer = TRegDataType::rdInteger;
constexpr TRegDataType String = TRegDataType::rdString;
constexpr TRegDataType ExpandString = TRegDataType::rdExpandString;
constexpr TRegDataType Binary = TRegDataType::rdBinary;

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

class RegistryTransferTest : public TRegistryTransferTest {
protected:
  // Options that are never checked against a list, one per line "Name|StoreAs|Default",
  // all in HKEY_CURRENT_USER\Software\Tesmora under their own name.
  void DefineUncheckedOptions(std::initializer_list<const char*> options) {
    std::string text = "[%General%]\r\nPath1=\\HKCU\\Software\\Tesmora\\\r\n";
    for (const char* line : options) {
      TStrings fields = Items(line);
      text += "[" + fields[0] + "]\r\nType=Slider\r\nControl=Slider\r\nPath=1\r\nKey=" +
              fields[0] + "\r\nStoreAs=" + fields[1] + "\r\nDefault=" + fields[2] + "\r\n";
    }
    WriteDefinition(text);
    Select();
  }
};

TEST_F(RegistryTransferTest, EachStorageKindIsWrittenAsItsRegistryTypeAndReadBack) {
  struct Case {
    const char* Name;
    const char* Value;
    TRegistryData Data;
    const char* ReadBack;
  } cases[] = {
      {"DWordZero", "0", {Integer, {0, 0, 0, 0}}, "0"},
      {"DWordMinusOne", "-1", {Integer, {0xFF, 0xFF, 0xFF, 0xFF}}, "-1"},
      {"DWordLargest", "2147483647", {Integer, {0xFF, 0xFF, 0xFF, 0x7F}},
       "2147483647"},
      {"DWordSmallest", "-2147483648", {Integer, {0, 0, 0, 0x80}}, "-2147483648"},
      {"String", "2x2 [LOD bias]", {String, Bytes(std::string("2x2 [LOD bias]\0", 15))},
       "2x2 [LOD bias]"},
      {"EmptyString", "", {String, {0}}, "default"},
      {"NumberString", "384", {String, {'3', '8', '4', 0}}, "384"},
      {"BinDWordMinusOne", "-1", {Binary, {0xFF, 0xFF, 0xFF, 0xFF}}, "-1"},
      {"BinDWordNegative", "-57472", {Binary, {0x80, 0x1F, 0xFF, 0xFF}}, "-57472"},
      {"BinDWord512", "512", {Binary, {0, 2, 0, 0}}, "512"},
  };
  DefineUncheckedOptions({"DWordZero|DWord|default", "DWordMinusOne|DWord|default",
                          "DWordLargest|DWord|default", "DWordSmallest|DWord|default",
                          "String|String|default", "EmptyString|String|default",
                          "NumberString|String|default", "BinDWordMinusOne|BinDWord|default",
                          "BinDWordNegative|BinDWord|default", "BinDWord512|BinDWord|default"});
  ASSERT_EQ(Hub.OptionCount(), int(std::size(cases)));
  for (const Case& c : cases) {
    Option(c.Name).SetValue(c.Value);
    Option(c.Name).SetSavedValue("saved");
  }

  Hub.WriteToRegistry();
  EXPECT_EQ(Log(), "");
  for (const Case& c : cases) {
    std::optional<TRegistryData> data = MemoryRegistry.Value(HKCU, TesmoraKey, c.Name);
    ASSERT_TRUE(data) << c.Name;
    EXPECT_EQ(data->Type, c.Data.Type) << c.Name;
    EXPECT_EQ(data->Bytes, c.Data.Bytes) << c.Name;
    // Writing changes no option.
    EXPECT_EQ(Option(c.Name).Value(), c.Value) << c.Name;
    EXPECT_EQ(Option(c.Name).SavedValue(), "saved") << c.Name;
  }

  for (const Case& c : cases) Option(c.Name).SetValue("changed");
  Hub.ReadFromRegistry();
  EXPECT_EQ(Log(), "");
  for (const Case& c : cases) {
    EXPECT_EQ(Option(c.Name).Value(), c.ReadBack) << c.Name;
    EXPECT_EQ(Option(c.Name).SavedValue(), "saved") << c.Name;
  }
  EXPECT_TRUE(Hub.IsModified());
  // One registry object served each transfer and is gone.
  EXPECT_EQ(MemoryRegistry.RegistriesCreated, 2);
  EXPECT_EQ(MemoryRegistry.RegistriesAlive, 0);
}

TEST_F(RegistryTransferTest, DataOfAnotherTypeOrSizeIsLoggedAndGivesTheDefault) {
  struct Case {
    const char* Name;
    const char* StoreAs;
    std::optional<TRegistryData> Data;  // nullopt: no such value
    const char* Value;
    bool Logged;
  } cases[] = {
      {"DWordAllBits", "DWord", TRegistryData{Integer, {0xFF, 0xFF, 0xFF, 0xFF}}, "-1", false},
      {"DWordMissing", "DWord", std::nullopt, "5", true},
      {"DWordFromString", "DWord", TRegistryData{String, {'1', 0}}, "5", true},
      {"DWordFromBinary", "DWord", TRegistryData{Binary, {1, 0, 0, 0}}, "5", true},
      {"DWordShort", "DWord", TRegistryData{Integer, {1, 0}}, "5", true},
      {"StringPlain", "String", TRegistryData{String, {'a', 'b', 0}}, "ab", false},
      {"StringExpand", "String", TRegistryData{ExpandString, Bytes(std::string("%windir%\\x\0", 11))},
       "%windir%\\x", false},
      {"StringMissing", "String", std::nullopt, "5", false},
      {"StringEmpty", "String", TRegistryData{String, {0}}, "5", false},
      {"StringFromDWord", "String", TRegistryData{Integer, {1, 0, 0, 0}}, "5", true},
      {"StringFromBinary", "String", TRegistryData{Binary, {'a', 0}}, "5", true},
      {"BinDWordFour", "BinDWord", TRegistryData{Binary, {1, 2, 0, 0}}, "513", false},
      {"BinDWordFive", "BinDWord", TRegistryData{Binary, {1, 0, 0, 0, 0}}, "5", true},
      {"BinDWordThree", "BinDWord", TRegistryData{Binary, {1, 0, 0}}, "5", true},
      {"BinDWordNone", "BinDWord", TRegistryData{Binary, {}}, "5", true},
      {"BinDWordMissing", "BinDWord", std::nullopt, "5", true},
      {"BinDWordFromString", "BinDWord", TRegistryData{String, {'1', 0, 0, 0}}, "5", true},
      {"BinDWordFromExpand", "BinDWord", TRegistryData{ExpandString, {'1', 0, 0, 0}}, "5", true},
      {"BinDWordFromDWord", "BinDWord", TRegistryData{Integer, {1, 0, 0, 0}}, "5", true},
  };
  std::string definition = "[%General%]\r\nPath1=\\HKCU\\Software\\Tesmora\\\r\n";
  std::string expectedLog;
  for (const Case& c : cases) {
    definition += std::string("[") + c.Name + "]\r\nType=Slider\r\nControl=Slider\r\nPath=1\r\n"
                  "Default=5\r\nKey=" + c.Name + "\r\nStoreAs=" + c.StoreAs + "\r\n";
    if (c.Data) MemoryRegistry.SetValue(HKCU, TesmoraKey, c.Name, *c.Data);
    if (c.Logged) expectedLog += LogLines({"unexpected exception while reading: " + Location + c.Name});
  }
  WriteDefinition(definition);
  Select();

  Hub.ReadFromRegistry();
  for (const Case& c : cases) EXPECT_EQ(Option(c.Name).Value(), c.Value) << c.Name;
  EXPECT_EQ(Log(), expectedLog);
  EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(RegistryTransferTest, ValuesOutsideTheListBecomeTheDefaultWithOneWarningForAll) {
  WriteDefinition({"[%General%]", "Path1=\\HKCU\\Software\\Tesmora\\", "[%Common%]", "Path=1",
                   "Values=0, 1, 2", "Default=1", "[Wrong]", "Type=List", "Key=Wrong", "[Right]",
                   "Type=List", "Key=Right", "[AlsoWrong]", "Type=List", "Key=AlsoWrong",
                   "[Unread]", "Type=List", "Key=Unread", "[Leading zero]", "Type=List",
                   "Key=LeadingZero", "StoreAs=String", "[Slider]", "Type=Slider",
                   "Control=Slider", "Key=Slider"});
  Select();
  MemoryRegistry.PutInteger(HKCU, TesmoraKey, "Wrong", 5);
  MemoryRegistry.PutInteger(HKCU, TesmoraKey, "Right", 2);
  MemoryRegistry.PutInteger(HKCU, TesmoraKey, "AlsoWrong", 0xFFFFFFFF);
  MemoryRegistry.PutString(HKCU, TesmoraKey, "LeadingZero", "01");
  MemoryRegistry.PutInteger(HKCU, TesmoraKey, "Slider", 9);

  Hub.ReadFromRegistry();
  EXPECT_EQ(Option("Wrong").Value(), "1");
  EXPECT_EQ(Option("Right").Value(), "2");
  EXPECT_EQ(Option("AlsoWrong").Value(), "1");
  EXPECT_EQ(Option("Unread").Value(), "1");
  EXPECT_EQ(Option("Leading zero").Value(), "1");
  EXPECT_EQ(Option("Slider").Value(), "9");
  const std::string notInList = "TRegistryOption.CheckUpValue: Value not in list";
  EXPECT_EQ(Log(), LogLines({notInList, "  Value of \"Wrong\" is: \"5\", setted default: \"1\"",
                             notInList, "  Value of \"AlsoWrong\" is: \"-1\", setted default: \"1\"",
                             "unexpected exception while reading: " + Location + "Unread",
                             notInList,
                             "  Value of \"Leading zero\" is: \"01\", setted default: \"1\""}));
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0].Text,
            "Some uploaded values doesn't map to defined in program.\rSetting them to defaults.");
  EXPECT_EQ(Messages.Shown[0].Kind, TMessageKind::mkWarning);

  // Without the notification the values are corrected all the same.
  Startup().NotifyOnWrongValue = false;
  Option("Wrong").SetValue("0");
  Hub.ReadFromRegistry();
  EXPECT_EQ(Option("Wrong").Value(), "1");
  EXPECT_EQ(Messages.Shown.size(), 1u);

  // Writing checks nothing: a value outside the list goes to the registry as it is.
  Startup().NotifyOnWrongValue = true;
  ClearLog();
  Option("Wrong").SetValue("7");
  Hub.WriteToRegistry();
  EXPECT_EQ(StoredInteger(HKCU, TesmoraKey, "Wrong"), 7u);
  EXPECT_EQ(Option("Wrong").Value(), "7");
  EXPECT_EQ(Messages.Shown.size(), 1u);
}

TEST_F(RegistryTransferTest, ValuesThatCannotBeWrittenAreLoggedAndTheOthersWritten) {
  WriteDefinition({"[%General%]", "Path1=\\HKCU\\Software\\Tesmora\\",
                   "Path2=\\HKCU\\Software\\Locked\\", "[%Common%]", "Path=1", "Default=8",
                   "[First]", "Type=Slider", "Control=Slider", "Key=First", "[Locked]",
                   "Type=Slider", "Control=Slider", "Path=2", "Key=Value", "[Empty]",
                   "Type=Slider", "Control=Slider", "Key=Empty", "[Outside]", "Type=Slider",
                   "Control=Slider", "StoreAs=BinDWord", "Key=Outside", "[Hex]", "Type=Slider",
                   "Control=Slider", "Key=Hex", "[Text]", "Type=Slider", "Control=Slider",
                   "StoreAs=String", "Key=Text", "[Last]", "Type=Slider", "Control=Slider",
                   "StoreAs=BinDWord", "Key=Last"});
  Select();
  MemoryRegistry.DenyAccess(HKCU, "Software\\Locked");
  SetValues({{"First", "1"}, {"Locked", "2"}, {"Empty", ""}, {"Outside", "4294909824"},
             {"Hex", "0x10"}, {"Text", "abc"}, {"Last", "-1"}});

  Hub.WriteToRegistry();
  EXPECT_EQ(Log(), LogLines({"Regisry OpenKey error at \"\\Software\\Locked \\ Value\"; "
                             "Original key: \"\\HKCU\\Software\\Locked\\\"",
                             "Registry exception while writing: Key: \"\\Software\\Locked \\ Value\"",
                             "Convert error of value \"\" at: Key: " + Location + "Empty",
                             "Convert error of value \"4294909824\" at: Key: " + Location + "Outside",
                             "Convert error of value \"0x10\" at: Key: " + Location + "Hex",
                             "Setting not applied: Locked: HKEY_CURRENT_USER\\Software\\Locked"
                             "\\Value: wanted REG_DWORD 2, not written (the key cannot be "
                             "opened); found no key",
                             "Setting not applied: Empty: " + TesmoraValue + "Empty: wanted \"\", "
                             "not written (not a 32-bit integer); found no value",
                             "Setting not applied: Outside: " + TesmoraValue + "Outside: wanted "
                             "\"4294909824\", not written (not a 32-bit integer); found no value",
                             "Setting not applied: Hex: " + TesmoraValue + "Hex: wanted \"0x10\", "
                             "not written (not a 32-bit integer); found no value"}));
  EXPECT_EQ(StoredInteger(HKCU, TesmoraKey, "First"), 1u);
  EXPECT_EQ(MemoryRegistry.StringValue(HKCU, TesmoraKey, "Text"), "abc");
  EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Last")->Bytes,
            (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
  for (const char* unwritten : {"Empty", "Outside", "Hex"})
    EXPECT_FALSE(MemoryRegistry.Value(HKCU, TesmoraKey, unwritten)) << unwritten;
  EXPECT_FALSE(MemoryRegistry.Value(HKCU, "Software\\Locked", "Value"));

  // The locked key is read as a value that cannot be read: it takes the default.
  ClearLog();
  Hub.ReadFromRegistry();
  EXPECT_EQ(Option("Locked").Value(), "8");
  EXPECT_EQ(Option("First").Value(), "1");
  EXPECT_EQ(Option("Last").Value(), "-1");
  EXPECT_EQ(Log(), LogLines({"Regisry OpenKey error at \"\\Software\\Locked \\ Value\"; "
                             "Original key: \"\\HKCU\\Software\\Locked\\\"",
                             "unexpected exception while reading: \\Software\\Locked \\ Value",
                             "unexpected exception while reading: " + Location + "Empty",
                             "unexpected exception while reading: " + Location + "Outside",
                             "unexpected exception while reading: " + Location + "Hex"}));
}

TEST_F(RegistryTransferTest, WithoutTheRightToWriteEveryValueIsLoggedAndNothingWritten) {
  DefineUncheckedOptions({"Number|DWord|1", "Text|String|a", "Binary|Binary|0"});
  MemoryRegistry.WritesRefused = true;
  Hub.WriteToRegistry();
  const std::string openError = "Regisry OpenKey error at \"\\Software\\Tesmora \\ %s\"; "
                                "Original key: \"\\HKCU\\Software\\Tesmora\\\"";
  const std::string writeError = "Registry exception while writing: Key: \"\\Software\\Tesmora \\ %s\"";
  const std::string notApplied = "Setting not applied: %s: " + TesmoraValue +
                                 "%s: wanted %s, not written (the key cannot be opened); found no key";
  EXPECT_EQ(Log(), LogLines({Format(openError, {"Number"}), Format(writeError, {"Number"}),
                             Format(openError, {"Text"}), Format(writeError, {"Text"}),
                             Format(openError, {"Binary"}), Format(writeError, {"Binary"}),
                             // Never loaded, the values are empty.
                             Format(notApplied, {"Number", "Number", "\"\""}),
                             Format(notApplied, {"Text", "Text", "REG_SZ \"\""})}));
  EXPECT_FALSE(MemoryRegistry.KeyExists(HKCU, TesmoraKey));
}

TEST_F(RegistryTransferTest, BinaryStorageIsNeverTransferredOnlyLogged) {
  DefineUncheckedOptions({"Binary|Binary|3", "After|DWord|0"});
  SetValues({{"Binary", "1"}, {"After", "2"}});
  Hub.WriteToRegistry();
  EXPECT_EQ(Log(), LogLines({"Try to write binary data: Key: " + Location + "Binary"}));
  EXPECT_FALSE(MemoryRegistry.Value(HKCU, TesmoraKey, "Binary"));
  EXPECT_EQ(StoredInteger(HKCU, TesmoraKey, "After"), 2u);

  MemoryRegistry.PutBinary(HKCU, TesmoraKey, "Binary", {1, 0, 0, 0});
  ClearLog();
  Hub.ReadFromRegistry();
  EXPECT_EQ(Log(), LogLines({"Try to read binary data: Key: " + Location + "Binary"}));
  EXPECT_EQ(Option("Binary").Value(), "3");
  EXPECT_EQ(Option("After").Value(), "2");
}

TEST_F(RegistryTransferTest, AFailureOtherThanRegistryOrConversionEndsTheTransfer) {
  DefineUncheckedOptions({"Binary|Binary|0", "After|DWord|0"});
  SetValues({{"After", "2"}});
  // The log cannot be written: its name is taken by a folder.
  ASSERT_EQ(::mkdir((Folder.Path() + LogFileName).c_str(), 0755), 0);
  EXPECT_THROW(Hub.WriteToRegistry(), EError);
  EXPECT_FALSE(MemoryRegistry.Value(HKCU, TesmoraKey, "After"));
  EXPECT_EQ(MemoryRegistry.RegistriesAlive, 0);
}

}  // namespace
}  // namespace tgl::test
