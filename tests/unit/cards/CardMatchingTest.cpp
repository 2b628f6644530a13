#include "cards/CardCatalogue.h"
#include "cards/HardwareID.h"
#include "config/ConfigFiles.h"
#include "CardTestSupport.h"

namespace tgl::test {
namespace {

using CardMatchingTest = CardsTest;

TEST_F(CardMatchingTest, AdaptersAgainstTheEmbeddedCatalogue) {
  struct Case {
    const char* DeviceID;
    uint32_t StateFlags;
    bool Listed;  // whether the adapter makes a card
    const char* CardName;
    const char* TuningFile;
    const char* HardwareID;
  } cases[] = {
      // The most specific key wins; without it the ID is cut part by part.
      {"PCI\\VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01", 0, true, "Voodoo5 5500", "Vsa100",
       "VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01"},
      {"PCI\\VEN_121A&DEV_0009&SUBSYS_0002121A&REV_02", 0, true, "Voodoo Series", "Vsa100",
       "VEN_121A&DEV_0009"},
      {"PCI\\VEN_121A&DEV_0009&SUBSYS_0004121A&REV_01\\BUS_01&DEV_00&FUNC_00", 0, true,
       "Voodoo4 4500", "Voodoo4", "VEN_121A&DEV_0009&SUBSYS_0004121A&REV_01"},
      {"PCI\\VEN_121A&DEV_0009&SUBSYS_0007121A&REV_01", 0, true, "Voodoo Series", "Vsa100",
       "VEN_121A&DEV_0009"},
      {"PCI\\VEN_121A&DEV_0005", 0, true, "Voodoo3", "Voodoo3", "VEN_121A&DEV_0005"},
      {"PCI\\VEN_1002&DEV_5144&SUBSYS_000A1002&REV_00", 0, true, "Radeon", "Radeon",
       "VEN_1002&DEV_5144"},
      {"PCI\\VEN_1002&DEV_4742&SUBSYS_00000000&REV_5C", 0, true, "Rage pro turbo", "RagePro",
       "VEN_1002&DEV_4742"},
      {"PCI\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1", 0, true, "GeForce", "GeForce",
       "VEN_10DE&DEV_0110"},
      {"pci\\ven_10de&dev_0028&subsys_00000000&rev_00", 0, true, "TNT", "TNT", "ven_10de&dev_0028"},
      // A known vendor does not make a known card.
      {"PCI\\VEN_10DE&DEV_0200&SUBSYS_00000000&REV_A1", 0, true, "", "", "VEN_10DE"},
      {"PCI\\VEN_10DE&DEV_0200", 0, true, "", "", "VEN_10DE"},
      {"ROOT\\LEGACYDISPLAY", 0, true, "", "", ""},
      {"PCI", 0, true, "", "", ""},
      // Mirroring pseudo-adapters and records without an ID are no cards.
      {"PCI\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1", MirroringDriverFlag, false, "", "", ""},
      {"PCI\\VEN_10DE&DEV_0110", MirroringDriverFlag | 1, false, "", "", ""},
      {"", 0, false, "", "", ""},
      // Two identical adapters are two cards.
      {"PCI\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1", 1, true, "GeForce", "GeForce",
       "VEN_10DE&DEV_0110"},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    DisplayList.Devices.push_back(DisplayAdapter(cases[i].DeviceID, "Adapter " + std::to_string(i),
                                                 "\\Registry\\Machine\\Video\\{1}\\000" +
                                                     std::to_string(i % 10),
                                                 cases[i].StateFlags));

  std::unique_ptr<TrlCards> cards = Detect();
  int index = 0;
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& expected = cases[i];
    SCOPED_TRACE(expected.DeviceID);
    if (!expected.Listed) continue;
    ASSERT_LT(index, cards->Count());
    const TrlCardConfig& card = cards->Cards(index++);
    EXPECT_EQ(card.CardName, expected.CardName);
    EXPECT_EQ(card.TuningFile, expected.TuningFile);
    EXPECT_EQ(card.HardwareID, expected.HardwareID);
    // The record is the adapter's own, unchanged.
    EXPECT_EQ(FieldText(card.Device.DeviceString), "Adapter " + std::to_string(i));
    EXPECT_EQ(FieldText(card.Device.DeviceID), expected.DeviceID);
    EXPECT_EQ(card.Device.cb, DisplayDeviceRecordSize);
    EXPECT_EQ(card.Device.StateFlags, expected.StateFlags);
  }
  EXPECT_EQ(cards->Count(), index);
  EXPECT_EQ(DisplayList.OpenEnumerators, 0);
}

TEST_F(CardMatchingTest, ExtractHardwareIDDropsBusPrefixAndInstancePart) {
  struct Case {
    const char* DeviceID;
    const char* Expected;
  } cases[] = {
      {"PCI\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1", "VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1"},
      {"PCI\\VEN_121A&DEV_0009&SUBSYS_0004121A&REV_01\\BUS_01&DEV_00&FUNC_00",
       "VEN_121A&DEV_0009&SUBSYS_0004121A&REV_01"},
      {"PCI\\VEN_1002&DEV_5144\\A\\B", "VEN_1002&DEV_5144\\A"},
      {"AGP:VEN_1002&DEV_5144", "VEN_1002&DEV_5144"},  // any four characters go
      {"VEN_10DE", "10DE"},
      {"PCI\\", ""},
      {"PCI", ""},
      {"", ""},
      {"P\\\\X", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractHardwareID(c.DeviceID), c.Expected) << c.DeviceID;
}

TEST_F(CardMatchingTest, FilesNTComesFirstOnlyOnWindows2000) {
  Folder.Write("Cards.CFG",
               "[Idents]\r\nVEN_1002&DEV_5144=Radeon\r\nVEN_10DE&DEV_0110=GeForce\r\n"
               "VEN_10DE&DEV_0020=TNT\r\n"
               "[Files]\r\nRadeon=Radeon\r\nGeForce=GeForce\r\nTNT=TNT\r\n"
               "[FilesNT]\r\nRadeon=RadeonNT\r\nGeForce=\r\n");
  struct Case {
    int WindowsVersion;
    const char* DeviceID;
    const char* TuningFile;
  } cases[] = {
      {wvWindows2000, "PCI\\VEN_1002&DEV_5144", "RadeonNT"},
      {wvWindows98, "PCI\\VEN_1002&DEV_5144", "Radeon"},
      {wvWindowsMe, "PCI\\VEN_1002&DEV_5144", "Radeon"},
      {wvWindows2000, "PCI\\VEN_10DE&DEV_0110", "GeForce"},  // empty NT entry
      {wvWindows2000, "PCI\\VEN_10DE&DEV_0020", "TNT"},      // no NT entry
  };
  for (const Case& c : cases) {
    Startup().WindowsVersion = c.WindowsVersion;
    DisplayList.Devices = {DisplayAdapter(c.DeviceID, "Adapter")};
    std::unique_ptr<TrlCards> cards = Detect();
    ASSERT_EQ(cards->Count(), 1);
    EXPECT_EQ(cards->Cards(0).TuningFile, c.TuningFile)
        << c.DeviceID << " on version " << c.WindowsVersion;
  }
}

TEST_F(CardMatchingTest, DiskCatalogueReplacesTheEmbeddedOneCompletely) {
  Folder.Write("cards.cfg", "[Idents]\r\nVEN_ABCD&DEV_0001=My card\r\n[Files]\r\nMy card=TNT\r\n");
  DisplayList.Devices = {DisplayAdapter("PCI\\VEN_ABCD&DEV_0001&SUBSYS_1&REV_2", "Mine"),
                         DisplayAdapter("PCI\\VEN_10DE&DEV_0110&SUBSYS_1&REV_2", "GeForce")};
  std::unique_ptr<TrlCards> cards = Detect();
  ASSERT_EQ(cards->Count(), 2);
  EXPECT_EQ(cards->Cards(0).CardName, "My card");
  EXPECT_EQ(cards->Cards(0).TuningFile, "TNT");
  EXPECT_EQ(cards->Cards(1).CardName, "");
  EXPECT_EQ(cards->Cards(1).HardwareID, "VEN_10DE");
}

TEST_F(CardMatchingTest, MatchHardwareIDNeverLooksUpTheVendorAlone) {
  Folder.Write("Cards.CFG", "[Idents]\r\nVEN_10DE=Any nVidia\r\nVEN_10DE&DEV_0200&SUBSYS_1=Sub\r\n"
                            "[Files]\r\nSub=GeForce\r\n");
  std::unique_ptr<TCustomIniFile> catalogue = OpenConfigFile("Cards.CFG");
  TCardMatch vendorOnly = MatchHardwareID(*catalogue, "VEN_10DE&DEV_0300&SUBSYS_1&REV_1");
  EXPECT_EQ(vendorOnly.CardName, "");
  EXPECT_EQ(vendorOnly.HardwareID, "VEN_10DE");
  TCardMatch middle = MatchHardwareID(*catalogue, "VEN_10DE&DEV_0200&SUBSYS_1&REV_1");
  EXPECT_EQ(middle.CardName, "Sub");
  EXPECT_EQ(middle.HardwareID, "VEN_10DE&DEV_0200&SUBSYS_1");
  EXPECT_EQ(middle.TuningFile, "GeForce");
  // A whole ID without "&" is still looked up once.
  EXPECT_EQ(MatchHardwareID(*catalogue, "VEN_10DE").CardName, "Any nVidia");
}

}  // namespace
}  // namespace tgl::test
