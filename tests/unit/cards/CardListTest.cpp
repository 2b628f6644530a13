#include <cstring>

#include "CardTestSupport.h"
#include "cards/Win95Cards.h"
#include "cards/Win98Cards.h"

namespace tgl::test {
namespace {

using CardListTest = CardsTest;

TEST_F(CardListTest, CreateCardsPicksTheEnumerationByWindowsVersion) {
  for (int version : {wvWindows98, wvWindowsMe, wvWindows2000}) {
    Startup().WindowsVersion = version;
    EXPECT_NE(dynamic_cast<TrlWin98Cards*>(Detect().get()), nullptr) << version;
  }
  Startup().WindowsVersion = wvWindows95;
  EXPECT_NE(dynamic_cast<TrlWin95Cards*>(Detect().get()), nullptr);
  for (int version : {int(wvUnsupported), 5, -1}) {
    Startup().WindowsVersion = version;
    EXPECT_EQ(ErrorOf([&] { Detect(); }), "Program doesn't support your Windows version");
  }
}

TEST_F(CardListTest, MissingEnumDisplayDevicesStopsDetection) {
  DisplayList.FunctionMissing = true;
  EXPECT_EQ(ErrorOf([&] { Detect(); }), "This function of program not supported on Windows'95");
}

TEST_F(CardListTest, NoAdapterGivesAnEmptyList) {
  std::unique_ptr<TrlCards> cards = Detect();
  EXPECT_EQ(cards->Count(), 0);
  EXPECT_EQ(DisplayList.OpenEnumerators, 0);
}

TEST_F(CardListTest, ShowAllCardsAppendsTheNineEmbeddedCatalogueEntries) {
  Startup().ShowAllCards = true;
  DisplayList.Devices = {DisplayAdapter("PCI\\VEN_10DE&DEV_0110", "NVIDIA GeForce2 MX")};
  std::unique_ptr<TrlCards> cards = Detect();

  ASSERT_EQ(cards->Count(), 10);
  EXPECT_EQ(FieldText(cards->Cards(0).Device.DeviceString), "NVIDIA GeForce2 MX");
  struct Entry {
    const char* Shown;
    const char* CardName;
    const char* TuningFile;
  } entries[] = {
      {"_Voodoo3", "Voodoo3", "Voodoo3"},
      {"_Voodoo Series", "Voodoo Series", "Vsa100"},
      {"_Voodoo4 4500", "Voodoo4 4500", "Voodoo4"},
      {"_Voodoo5 5500", "Voodoo5 5500", "Vsa100"},
      {"_Voodoo5 6000", "Voodoo5 6000", "Voodoo6000"},
      {"_Rage pro turbo", "Rage pro turbo", "RagePro"},
      {"_Radeon", "Radeon", "Radeon"},
      {"_TNT", "TNT", "TNT"},
      {"_GeForce", "GeForce", "GeForce"},
  };
  for (int i = 0; i < 9; ++i) {
    const TrlCardConfig& card = cards->Cards(i + 1);
    EXPECT_EQ(FieldText(card.Device.DeviceString), entries[i].Shown);
    EXPECT_EQ(card.CardName, entries[i].CardName);
    EXPECT_EQ(card.TuningFile, entries[i].TuningFile);
    EXPECT_EQ(card.HardwareID, "\\not supported\\");
    // Nothing but the shown text is set in the record.
    DISPLAY_DEVICEA blank;
    CopyToCharBuffer(blank.DeviceString, entries[i].Shown);
    EXPECT_EQ(std::memcmp(&card.Device, &blank, sizeof blank), 0) << entries[i].Shown;
  }
}

TEST_F(CardListTest, ShowAllCardsListsDiskFilesNTEntriesWithTheirSuffix) {
  Startup().ShowAllCards = true;
  Folder.Write("Cards.CFG",
               "[Files]\r\nRadeon=Radeon\r\nTNT=TNT\r\n"
               "[FilesNT]\r\nRadeon=RadeonNT\r\n");
  std::unique_ptr<TrlCards> cards = Detect();
  ASSERT_EQ(cards->Count(), 3);
  EXPECT_EQ(FieldText(cards->Cards(0).Device.DeviceString), "_Radeon");
  EXPECT_EQ(FieldText(cards->Cards(1).Device.DeviceString), "_TNT");
  EXPECT_EQ(FieldText(cards->Cards(2).Device.DeviceString), "_Radeon (2k)");
  EXPECT_EQ(cards->Cards(2).CardName, "Radeon");
  EXPECT_EQ(cards->Cards(2).TuningFile, "RadeonNT");
}

TEST_F(CardListTest, CatalogueEntryNameLongerThanTheFieldStopsDetection) {
  Startup().ShowAllCards = true;
  // "_" and the name: 128 characters fit exactly, 129 do not.
  Folder.Write("Cards.CFG", "[Files]\r\n" + std::string(127, 'A') + "=TNT\r\n");
  std::unique_ptr<TrlCards> cards = Detect();
  ASSERT_EQ(cards->Count(), 1);
  EXPECT_EQ(FieldText(cards->Cards(0).Device.DeviceString), "_" + std::string(127, 'A'));

  Folder.Write("Cards.CFG", "[Files]\r\n" + std::string(128, 'A') + "=TNT\r\n");
  EXPECT_EQ(ErrorOf([&] { Detect(); }), "VideoCard params are larger than char buffer");
}

TEST_F(CardListTest, CopyToCharBufferFillsTheFieldOrRefusesLongerText) {
  DISPLAY_DEVICEA device;
  std::memset(device.DeviceName, 'x', sizeof device.DeviceName);
  CopyToCharBuffer(device.DeviceName, "DISPLAY\\0000");
  EXPECT_EQ(FieldText(device.DeviceName), "DISPLAY\\0000");
  EXPECT_EQ(device.DeviceName[31], '\0');  // the rest of the field is zeroed

  CopyToCharBuffer(device.DeviceName, std::string(32, 'N'));
  EXPECT_EQ(FieldText(device.DeviceName), std::string(32, 'N'));  // no room for a zero
  EXPECT_EQ(device.DeviceString[0], '\0');

  EXPECT_EQ(ErrorOf([&] { CopyToCharBuffer(device.DeviceName, std::string(33, 'N')); }),
            "VideoCard params are larger than char buffer");
  EXPECT_EQ(FieldText(device.DeviceName), std::string(32, 'N'));
  CopyToCharBuffer(device.DeviceKey, std::string(128, 'K'));
  EXPECT_EQ(ErrorOf([&] { CopyToCharBuffer(device.DeviceID, std::string(129, 'I')); }),
            "VideoCard params are larger than char buffer");
}

TEST_F(CardListTest, GetDisplayNumberIsTheTextAfterTheLastBackslash) {
  struct Case {
    const char* DeviceKey;
    const char* Expected;  // nullptr: the error
  } cases[] = {
      {"System\\CurrentControlSet\\Services\\Class\\DISPLAY\\0000", "0000"},
      {"\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{23A7}\\0001", "0001"},
      {"0003", "0003"},
      {"Display\\12", "12"},
      {"", nullptr},
      {"System\\CurrentControlSet\\Services\\Class\\DISPLAY\\", nullptr},
      {"Display\\00x1", nullptr},
      {"Display\\ 1", nullptr},
  };
  for (const Case& c : cases) {
    TrlCardConfig card;
    CopyToCharBuffer(card.Device.DeviceKey, c.DeviceKey);
    if (c.Expected)
      EXPECT_EQ(GetDisplayNumber(card), c.Expected) << c.DeviceKey;
    else
      EXPECT_EQ(ErrorOf([&] { GetDisplayNumber(card); }),
                "DeficeKey is wrongly parsed for Display number in Windows 9x")
          << c.DeviceKey;
  }
}

TEST_F(CardListTest, ListAccessByIndexAndCard) {
  DisplayList.Devices = {DisplayAdapter("PCI\\VEN_10DE&DEV_0110", "First"),
                         DisplayAdapter("PCI\\VEN_1002&DEV_5144", "Second")};
  std::unique_ptr<TrlCards> cards = Detect();
  ASSERT_EQ(cards->Count(), 2);
  EXPECT_EQ(cards->IndexOf(&cards->Cards(1)), 1);
  TrlCardConfig stranger;
  EXPECT_EQ(cards->IndexOf(&stranger), -1);
  EXPECT_EQ(cards->IndexOf(nullptr), -1);
  EXPECT_EQ(ErrorOf([&] { cards->Cards(2); }), "List index out of bounds (2)");
  EXPECT_EQ(ErrorOf([&] { cards->Cards(-1); }), "List index out of bounds (-1)");
  cards->Clear();
  EXPECT_EQ(cards->Count(), 0);
}

}  // namespace
}  // namespace tgl::test
