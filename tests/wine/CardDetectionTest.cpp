// Card detection of the real Windows build under Wine: the Windows 95 registry walk over
// HKEY_DYN_DATA and HKEY_LOCAL_MACHINE, and EnumDisplayDevicesA on Windows 98 and 2000.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "WineHarness.h"
#include "Windows95Registry.h"

namespace tgl::wine {
namespace {

const std::string GeForceLine =
    "CARD NVIDIA GeForce2 MX|GeForce|GeForce|VEN_10DE&DEV_0110|"
    "PCI\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1\\BUS_01&DEV_00&FUNC_00|"
    "System\\CurrentControlSet\\Services\\Class\\DISPLAY\\0000|0000";
const std::string Voodoo5Line =
    "CARD 3dfx Voodoo5 5500 AGP|Voodoo5 5500|Vsa100|VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01|"
    "PCI\\VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01\\BUS_02&DEV_00&FUNC_00|"
    "System\\CurrentControlSet\\Services\\Class\\DISPLAY\\0001|0001";

std::vector<std::string> Fields(const std::string& cardLine) {
  std::vector<std::string> fields;
  std::istringstream stream(cardLine.substr(5));
  for (std::string field; std::getline(stream, field, '|');) fields.push_back(field);
  return fields;
}

class CardDetectionTest : public ::testing::Test {
protected:
  CardDetectionTest() {
    Folder.Write("cardprobe.exe", ReadBytes(ExeDir() + "/cardprobe.exe"));
  }

  ~CardDetectionTest() override {
    ImportRegistry(RemoveWindows95Devices);
    RunReg({"delete", "HKCU\\Software\\Wine", "/v", "Version", "/f"});
  }

  void ImportRegistry(const std::string& text) {
    Folder.Write("import.reg", text);
    TRunResult result =
        RunWine("regedit", {"/s", WindowsPath(Folder.Path() + "import.reg")}, Folder.Path(), 60);
    ASSERT_EQ(result.ExitCode, 0);
  }

  std::vector<std::string> Probe(const std::vector<std::string>& arguments = {}) {
    TRunResult result = RunWine(Folder.Path() + "cardprobe.exe", arguments, Folder.Path(), 60);
    EXPECT_TRUE(result.ExitCode.has_value()) << "cardprobe.exe did not end";
    return OutputLines(result.Output);
  }

  TProgramFolder Folder;
};

TEST_F(CardDetectionTest, Windows95WalkFindsTheDisplayAdaptersInTheRegistry) {
  SetWindowsVersion("win95");
  ImportRegistry(Windows95Devices);

  std::vector<std::string> lines = Probe();
  EXPECT_EQ(lines, (std::vector<std::string>{"VERSION 1", GeForceLine, Voodoo5Line}));

  // With ShowAllCards the nine catalogue entries follow the adapters.
  lines = Probe({"/showall"});
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[1], GeForceLine);
  EXPECT_EQ(lines[3], "CARD _Voodoo3|Voodoo3|Voodoo3|\\not supported\\|||-");
  EXPECT_EQ(lines[11], "CARD _GeForce|GeForce|GeForce|\\not supported\\|||-");
}

TEST_F(CardDetectionTest, Windows95WalkStopsAtAWronglyTypedValue) {
  SetWindowsVersion("win95");
  ImportRegistry(std::string(Windows95Devices) +
                 "[HKEY_LOCAL_MACHINE\\Enum\\PCI\\VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01\\"
                 "BUS_02&DEV_00&FUNC_00]\r\n\"DeviceDesc\"=dword:00000001\r\n\r\n");
  EXPECT_EQ(Probe(), (std::vector<std::string>{"VERSION 1",
                                               "ERROR Invalid data type for 'DeviceDesc'"}));
}

TEST_F(CardDetectionTest, Windows95WalkReadsLongValuesWhole) {
  // A description longer than the first read buffer, and than the DeviceString field: read
  // whole, it reaches the field's length check; not read, the adapter would be listed.
  SetWindowsVersion("win95");
  ImportRegistry(std::string(Windows95Devices) +
                 "[HKEY_LOCAL_MACHINE\\Enum\\PCI\\VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01\\"
                 "BUS_02&DEV_00&FUNC_00]\r\n\"DeviceDesc\"=\"" + std::string(300, 'D') +
                 "\"\r\n\r\n");
  EXPECT_EQ(Probe(), (std::vector<std::string>{
                         "VERSION 1", "ERROR VideoCard params are larger than char buffer"}));
}

TEST_F(CardDetectionTest, Windows95WithoutConfiguredDevicesFindsNoAdapter) {
  SetWindowsVersion("win95");
  EXPECT_EQ(Probe(), (std::vector<std::string>{"VERSION 1"}));
}

// Wine reports its own adapter; whatever its PCI ID, detection must find and match it.
TEST_F(CardDetectionTest, EnumDisplayDevicesAdaptersAreMatchedAgainstTheCatalogue) {
  struct Case {
    const char* WineVersion;
    const char* VersionLine;
    const char* TuningFile;
  } cases[] = {{"win98", "VERSION 2", "GeForce"},
               {"winme", "VERSION 3", "GeForce"},
               {"win2k", "VERSION 4", "GeForceNT"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.WineVersion);
    SetWindowsVersion(c.WineVersion);
    ::unlink((Folder.Path() + "Cards.CFG").c_str());

    // Against the embedded catalogue Wine's adapter is unknown, but it is listed.
    std::vector<std::string> lines = Probe();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], c.VersionLine);
    std::vector<std::string> adapter = Fields(lines[1]);
    ASSERT_EQ(adapter.size(), 7u) << lines[1];
    std::string deviceID = adapter[4];
    ASSERT_EQ(deviceID.rfind("PCI\\VEN_", 0), 0u) << deviceID;
    std::string vendorAndDevice = deviceID.substr(4, 17);  // VEN_vvvv&DEV_dddd
    EXPECT_EQ(adapter[1], "");
    EXPECT_EQ(adapter[2], "");
    EXPECT_EQ(adapter[3], vendorAndDevice.substr(0, 8));
    EXPECT_NE(adapter[0], "");

    // A catalogue on disk names it, and on Windows 2000 its [FilesNT] entry counts first.
    Folder.Write("Cards.CFG", "[Idents]\r\n" + vendorAndDevice + "=Wine card\r\n"
                              "[Files]\r\nWine card=GeForce\r\n"
                              "[FilesNT]\r\nWine card=GeForceNT\r\n");
    lines = Probe();
    ASSERT_GE(lines.size(), 2u);
    std::vector<std::string> matched = Fields(lines[1]);
    ASSERT_EQ(matched.size(), 7u) << lines[1];
    EXPECT_EQ(matched[0], adapter[0]);
    EXPECT_EQ(matched[1], "Wine card");
    EXPECT_EQ(matched[2], c.TuningFile);
    EXPECT_EQ(matched[3], vendorAndDevice);
  }
}

}  // namespace
}  // namespace tgl::wine
