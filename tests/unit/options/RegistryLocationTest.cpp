// Where the hub finds each option's registry value: the path list entry joined with the
// option's key, the root prefixes, the display number and the default value, and the path
// entries that name no location.
#include "RegistryTransferSupport.h"

namespace tgl::test {
namespace {

class RegistryLocationTest : public TRegistryTransferTest {};

const char* const NTDriverKey =
    "\\Registry\\Machine\\System\\CurrentControlSet\\Services\\nv4\\Device0";

TEST_F(RegistryLocationTest, EachOptionReachesTheValueItsPathAndKeyName) {
  struct Case {
    const char* DeviceKey;
    const char* Path1;  // nullptr: the option is on the driver key, entry 0
    const char* Key;
    TRootKey Root;
    const char* KeyPath;
    const char* ValueName;
  } cases[] = {
      {Win95DriverKey, nullptr, "NVidia\\OpenGL\\EnableFSAA", HKLM,
       "\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\OpenGL",
       "EnableFSAA"},
      {Win95DriverKey, "\\Registry\\Machine\\SOFTWARE\\ATI Technologies\\Driver\\%NN%\\",
       "OpenGL\\OGLEnableFullSceneAA", HKLM, "\\SOFTWARE\\ATI Technologies\\Driver\\0000\\OpenGL",
       "OGLEnableFullSceneAA"},
      {"System\\CurrentControlSet\\Services\\Class\\Display\\0003",
       "\\registry\\MACHINE\\SOFTWARE\\ATI Technologies\\Driver\\%NN%", "OpenGL\\Other", HKLM,
       "\\SOFTWARE\\ATI Technologies\\Driver\\0003\\OpenGL", "Other"},
      {NTDriverKey, nullptr, "OGL_EnableFSAA", HKLM,
       "\\System\\CurrentControlSet\\Services\\nv4\\Device0", "OGL_EnableFSAA"},
      {Win95DriverKey, "\\HKCU\\Software\\Tesmora\\", "GameRefresh\\@", HKCU,
       "\\Software\\Tesmora\\GameRefresh", ""},
      {Win95DriverKey, "\\hkcu\\software\\lowercase", "Lower", HKCU, "\\software\\lowercase",
       "Lower"},
      {Win95DriverKey, "\\HKLM\\Software\\Machine\\", "Value", HKLM, "\\Software\\Machine",
       "Value"},
      {Win95DriverKey, "Software\\NoRoot", "Value", HKLM, "\\Software\\NoRoot", "Value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key);
    const std::string entry = c.Path1 ? c.Path1 : c.DeviceKey;
    WriteDefinition(std::string("[%General%]\r\n") + (c.Path1 ? "Path1=" + entry : "") +
                    "\r\n[Opt]\r\nType=Slider\r\nControl=Slider\r\nDefault=5\r\nPath=" +
                    (c.Path1 ? "1" : "0") + "\r\nKey=" + c.Key + "\r\n");
    TFieldHub hub;
    TrlCardConfig card = MakeCard("Test", c.DeviceKey);
    hub.SelectCard(&card);
    TRegistryOption& option = hub.Options(0);
    const std::string location = std::string(c.KeyPath) + " \\ " + c.ValueName;

    // Before the first write the key is missing; the log names the location found.
    ClearLog();
    hub.ReadFromRegistry();
    EXPECT_EQ(option.Value(), "5");
    EXPECT_EQ(Log(), LogLines({"Regisry OpenKey error at \"" + location + "\"; Original key: \"" +
                                   entry + "\"",
                               "unexpected exception while reading: " + location}));

    option.SetValue("7");
    hub.WriteToRegistry();
    EXPECT_EQ(StoredInteger(c.Root, c.KeyPath, c.ValueName), 7u);
    TRootKey otherRoot = c.Root == HKLM ? HKCU : HKLM;
    EXPECT_FALSE(MemoryRegistry.KeyExists(otherRoot, c.KeyPath));

    ClearLog();
    option.SetValue("0");
    hub.ReadFromRegistry();
    EXPECT_EQ(option.Value(), "7");
    EXPECT_EQ(Log(), "");
  }
}

// A gap between the path keys of a definition file, and a catalogue card shown without an
// adapter, leave empty path entries: their options have no location and must not end up at
// the top of a root, nor in the key the option before them opened.
TEST_F(RegistryLocationTest, AnEmptyPathEntryIsAKeyThatCannotBeOpened) {
  WriteDefinition({"[%General%]", "Path2=\\HKCU\\Software\\Tesmora\\", "[Before]", "Type=Slider",
                   "Control=Slider", "Path=2", "Key=Value", "Default=1", "[Gap]", "Type=Slider",
                   "Control=Slider", "Path=1", "Key=Value", "Default=2", "[Driver]",
                   "Type=Slider", "Control=Slider", "Path=0", "Key=NVidia\\Value", "Default=3",
                   "[After]", "Type=Slider", "Control=Slider", "Path=2", "Key=After",
                   "Default=4"});
  Select("");  // a catalogue card has no driver key
  ASSERT_EQ(Hub.Paths(), (TStrings{"", "", "\\HKCU\\Software\\Tesmora\\"}));
  SetValues({{"Before", "10"}, {"Gap", "20"}, {"Driver", "30"}, {"After", "40"}});

  ClearLog();
  Hub.WriteToRegistry();
  EXPECT_EQ(Log(), LogLines({"Regisry OpenKey error at \" \\ Value\"; Original key: \"\"",
                             "Registry exception while writing: Key: \" \\ Value\"",
                             "Regisry OpenKey error at \"\\NVidia \\ Value\"; Original key: \"\"",
                             "Registry exception while writing: Key: \"\\NVidia \\ Value\"",
                             "Setting not applied: Gap: no registry location: wanted REG_DWORD "
                             "20, not written (the tuning definition gives no registry path); "
                             "found nothing",
                             "Setting not applied: Driver: no registry location: wanted "
                             "REG_DWORD 30, not written (the tuning definition gives no "
                             "registry path); found nothing"}));
  EXPECT_EQ(StoredInteger(HKCU, "Software\\Tesmora", "Value"), 10u);
  EXPECT_EQ(StoredInteger(HKCU, "Software\\Tesmora", "After"), 40u);
  EXPECT_FALSE(MemoryRegistry.Value(HKLM, "", "Value"));
  EXPECT_FALSE(MemoryRegistry.KeyExists(HKLM, "NVidia"));

  MemoryRegistry.PutInteger(HKLM, "", "Value", 99);
  MemoryRegistry.PutInteger(HKLM, "NVidia", "Value", 99);
  ClearLog();
  Hub.ReadFromRegistry();
  EXPECT_EQ(Option("Gap").Value(), "2");
  EXPECT_EQ(Option("Driver").Value(), "3");
  EXPECT_EQ(Option("Before").Value(), "10");
  EXPECT_EQ(Option("After").Value(), "40");
  EXPECT_EQ(Log(), LogLines({"Regisry OpenKey error at \" \\ Value\"; Original key: \"\"",
                             "unexpected exception while reading:  \\ Value",
                             "Regisry OpenKey error at \"\\NVidia \\ Value\"; Original key: \"\"",
                             "unexpected exception while reading: \\NVidia \\ Value"}));
}

TEST_F(RegistryLocationTest, APathNumberBeyondTheListEndsTheTransferAtThatOption) {
  WriteDefinition({"[%General%]", "Path1=\\HKCU\\Software\\Tesmora\\", "[%Common%]", "Path=1",
                   "Type=List", "Values=0, 1", "Default=0", "[First]", "Type=List", "Key=First",
                   "[Missing]", "Type=List", "Path=5", "Key=Missing", "[Last]", "Type=List",
                   "Key=Last"});
  Select();
  SetValues({{"First", "1"}, {"Missing", "1"}, {"Last", "1"}});
  for (bool write : {true, false}) {
    SCOPED_TRACE(write ? "write" : "read");
    MemoryRegistry.PutInteger(HKCU, "Software\\Tesmora", "Last", 0);
    try {
      write ? (void)Hub.WriteToRegistry() : Hub.ReadFromRegistry();
      ADD_FAILURE() << "the transfer went on";
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), "List index out of bounds (5)");
    }
    EXPECT_EQ(MemoryRegistry.RegistriesAlive, 0);
  }
  EXPECT_EQ(MemoryRegistry.RegistriesCreated, 2);
  EXPECT_EQ(StoredInteger(HKCU, "Software\\Tesmora", "First"), 1u);
  EXPECT_EQ(StoredInteger(HKCU, "Software\\Tesmora", "Last"), 0u);
  // The read took the first value and left the last option as it was.
  EXPECT_EQ(Option("Last").Value(), "1");
}

TEST_F(RegistryLocationTest, ADisplayNumberThatTheDriverKeyLacksEndsTheTransfer) {
  WriteDefinition({"[%General%]", "Path1=\\HKCU\\Software\\Tesmora\\",
                   "Path2=\\Registry\\Machine\\SOFTWARE\\ATI Technologies\\Driver\\%NN%\\",
                   "[%Common%]", "Type=Slider", "Default=0", "[First]", "Type=Slider",
                   "Control=Slider", "Path=1", "Key=First", "[Numbered]", "Type=Slider",
                   "Control=Slider", "Path=2", "Key=OpenGL\\Value", "[Last]", "Type=Slider",
                   "Control=Slider", "Path=1", "Key=Last"});
  Select(NTDriverKey);
  SetValues({{"First", "1"}, {"Numbered", "2"}, {"Last", "3"}});
  for (bool write : {true, false}) {
    try {
      write ? (void)Hub.WriteToRegistry() : Hub.ReadFromRegistry();
      ADD_FAILURE() << "the transfer went on";
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), "DeficeKey is wrongly parsed for Display number in Windows 9x");
    }
    EXPECT_EQ(MemoryRegistry.RegistriesAlive, 0);
  }
  EXPECT_EQ(StoredInteger(HKCU, "Software\\Tesmora", "First"), 1u);
  EXPECT_FALSE(MemoryRegistry.Value(HKCU, "Software\\Tesmora", "Last"));
  EXPECT_FALSE(MemoryRegistry.KeyExists(HKLM, "SOFTWARE\\ATI Technologies"));
}

}  // namespace
}  // namespace tgl::test
