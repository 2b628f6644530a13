#include "CardTestSupport.h"

namespace tgl::test {
namespace {

constexpr TRootKey HKLM = TRootKey::rkLocalMachine;
constexpr TRootKey HKDD = TRootKey::rkDynData;
const std::string ClassKey = "System\\CurrentControlSet\\Services\\Class\\";
const std::string GeForceKey =
    "PCI\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1\\BUS_01&DEV_00&FUNC_00";

class Win95CardsTest : public CardsTest {
protected:
  Win95CardsTest() { Startup().WindowsVersion = wvWindows95; }

  // A device the configuration manager has set up, with its hardware key and driver key.
  void AddDevice(const std::string& node, const std::string& hardwareKey,
                 const std::string& deviceClass, const std::string& driver,
                 const std::string& deviceDesc) {
    MemoryRegistry.PutString(HKDD, "Config Manager\\Enum\\" + node, "HardWareKey", hardwareKey);
    MemoryRegistry.PutString(HKLM, "Enum\\" + hardwareKey, "Class", deviceClass);
    MemoryRegistry.PutString(HKLM, "Enum\\" + hardwareKey, "Driver", driver);
    MemoryRegistry.PutString(HKLM, "Enum\\" + hardwareKey, "DeviceDesc", deviceDesc);
  }

  void SetDriverDescription(const std::string& driver, const std::string& text) {
    MemoryRegistry.PutString(HKLM, ClassKey + driver, "DriverDesc", text);
  }
};

TEST_F(Win95CardsTest, WalkFillsTheRecordAndTheDriverDescriptionWins) {
  AddDevice("C29A3B60", GeForceKey, "DISPLAY", "DISPLAY\\0000", "Standard PCI Graphics Adapter");
  SetDriverDescription("DISPLAY\\0000", "NVIDIA GeForce2 MX");
  std::unique_ptr<TrlCards> cards = Detect();

  ASSERT_EQ(cards->Count(), 1);
  const TrlCardConfig& card = cards->Cards(0);
  EXPECT_EQ(card.Device.cb, DisplayDeviceRecordSize);
  EXPECT_EQ(FieldText(card.Device.DeviceName), "DISPLAY\\0000");
  EXPECT_EQ(FieldText(card.Device.DeviceString), "NVIDIA GeForce2 MX");
  EXPECT_EQ(FieldText(card.Device.DeviceID), GeForceKey);
  EXPECT_EQ(FieldText(card.Device.DeviceKey), ClassKey + "DISPLAY\\0000");
  EXPECT_EQ(card.Device.StateFlags, 0u);
  EXPECT_EQ(card.CardName, "GeForce");
  EXPECT_EQ(card.TuningFile, "GeForce");
  EXPECT_EQ(card.HardwareID, "VEN_10DE&DEV_0110");
  EXPECT_EQ(GetDisplayNumber(card), "0000");
}

TEST_F(Win95CardsTest, DeviceDescriptionStaysWithoutADriverDescription) {
  AddDevice("A", "PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\BUS_01", "Display",
            "DISPLAY\\0001", "3dfx Voodoo3");
  AddDevice("B", "PCI\\VEN_1002&DEV_5144&SUBSYS_000A1002&REV_00\\BUS_01", "DISPLAY",
            "DISPLAY\\0002", "ATI Radeon");
  SetDriverDescription("DISPLAY\\0002", "");  // an empty one does not count either
  std::unique_ptr<TrlCards> cards = Detect();

  ASSERT_EQ(cards->Count(), 2);
  EXPECT_EQ(FieldText(cards->Cards(0).Device.DeviceString), "3dfx Voodoo3");
  EXPECT_EQ(cards->Cards(0).CardName, "Voodoo3");
  EXPECT_EQ(FieldText(cards->Cards(1).Device.DeviceString), "ATI Radeon");
  EXPECT_EQ(cards->Cards(1).CardName, "Radeon");
}

TEST_F(Win95CardsTest, OnlyConfiguredDisplayDevicesWithAHardwareKeyAreAdapters) {
  AddDevice("1", "PCI\\VEN_1274&DEV_1371\\BUS_00", "MEDIA", "MEDIA\\0000", "Sound card");
  // Configured, but its hardware key is not under Enum.
  MemoryRegistry.PutString(HKDD, "Config Manager\\Enum\\2", "HardWareKey", "PCI\\GONE\\BUS_02");
  // Configured without a hardware key at all.
  MemoryRegistry.CreateKey(HKDD, "Config Manager\\Enum\\3");
  AddDevice("4", GeForceKey, "DISPLAY", "DISPLAY\\0000", "GeForce2 MX");
  // A display device that the configuration manager did not set up is not there.
  MemoryRegistry.PutString(HKLM, "Enum\\PCI\\VEN_1002&DEV_5144\\BUS_03", "Class", "DISPLAY");
  std::unique_ptr<TrlCards> cards = Detect();

  ASSERT_EQ(cards->Count(), 1);
  EXPECT_EQ(FieldText(cards->Cards(0).Device.DeviceString), "GeForce2 MX");
}

TEST_F(Win95CardsTest, NoConfiguredDeviceListGivesNoAdapter) {
  MemoryRegistry.PutString(HKLM, "Enum\\" + GeForceKey, "Class", "DISPLAY");
  std::unique_ptr<TrlCards> cards = Detect();
  EXPECT_EQ(cards->Count(), 0);
}

TEST_F(Win95CardsTest, WronglyTypedValueStopsDetection) {
  struct Case {
    TRootKey Root;
    std::string Path;
    const char* Name;
  } cases[] = {
      {HKDD, "Config Manager\\Enum\\0", "HardWareKey"},
      {HKLM, "Enum\\" + GeForceKey, "CLASS"},
      {HKLM, "Enum\\" + GeForceKey, "Driver"},
      {HKLM, "Enum\\" + GeForceKey, "DeviceDesc"},
      {HKLM, ClassKey + "DISPLAY\\0000", "DriverDesc"},
  };
  for (const Case& c : cases) {
    MemoryRegistry.Find(HKDD, "", true)->Subkeys.clear();
    MemoryRegistry.Find(HKLM, "", true)->Subkeys.clear();
    AddDevice("0", GeForceKey, "DISPLAY", "DISPLAY\\0000", "GeForce2 MX");
    MemoryRegistry.PutInteger(c.Root, c.Path, c.Name, 1);
    EXPECT_EQ(ErrorOf([&] { Detect(); }), std::string("Invalid data type for '") + c.Name + "'");
  }
}

TEST_F(Win95CardsTest, TextTooLongForItsFieldStopsDetection) {
  AddDevice("0", GeForceKey, "DISPLAY", "DISPLAY\\" + std::string(24, '0'), "GeForce2 MX");
  std::unique_ptr<TrlCards> cards = Detect();  // 32 characters fit the device name
  EXPECT_EQ(FieldText(cards->Cards(0).Device.DeviceName), "DISPLAY\\" + std::string(24, '0'));

  AddDevice("0", GeForceKey, "DISPLAY", "DISPLAY\\" + std::string(25, '0'), "GeForce2 MX");
  EXPECT_EQ(ErrorOf([&] { Detect(); }), "VideoCard params are larger than char buffer");
  AddDevice("0", GeForceKey, "DISPLAY", "DISPLAY\\0000", std::string(129, 'D'));
  EXPECT_EQ(ErrorOf([&] { Detect(); }), "VideoCard params are larger than char buffer");
}

}  // namespace
}  // namespace tgl::test
