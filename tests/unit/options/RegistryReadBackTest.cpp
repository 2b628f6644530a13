// The registry write as a plan, and the read-back after it: values changed behind the
// program's back, refused or never written are reported once, with what was wanted and
// what the registry holds.
#include "RegistryTransferSupport.h"

namespace tgl::test {
namespace {

const std::string TesmoraKey = "Software\\Tesmora";
const std::string TesmoraValue = "HKEY_CURRENT_USER\\Software\\Tesmora\\";

class RegistryReadBackTest : public TRegistryTransferTest {
protected:
  // Unchecked options in HKEY_CURRENT_USER\Software\Tesmora (path 1), one per section
  // text that gives their own keys; path 0 is the card's driver key.
  void Define(std::initializer_list<const char*> sections) {
    std::string text = "[%General%]\r\nPath1=\\HKCU\\Software\\Tesmora\\\r\n";
    for (const char* section : sections) {
      TStrings lines = Items(section);
      // The first key of a name counts: the section's own keys come before the common ones.
      text += "[" + lines[0] + "]\r\n";
      for (size_t i = 1; i < lines.size(); ++i) text += lines[i] + "\r\n";
      text += "Type=Slider\r\nControl=Slider\r\nPath=1\r\nDefault=0\r\n";
    }
    WriteDefinition(text);
  }

  // Options "Number" (DWORD), "Text" (STRING) and "Bytes" (BINDWORD) in
  // HKEY_CURRENT_USER\Software\Tesmora, with values 1, "one" and 2.
  void DefineThreeOptions() {
    Define({"Number|Key=Number|Caption=Antialiasing", "Text|Key=Text|StoreAs=String|Caption=Mode",
            "Bytes|Key=Bytes|StoreAs=BinDWord|Caption=LOD bias"});
    Select();
    SetValues({{"Number", "1"}, {"Text", "one"}, {"Bytes", "2"}});
  }
};

TEST_F(RegistryReadBackTest, ThePlanNamesEachValueAndItsDataWithoutTouchingTheRegistry) {
  Define({"Number|Key=Number", "Bad|Key=Bad", "Raw|Key=Raw|StoreAs=Binary", "Gap|Key=Gap|Path=0",
          "Beyond|Key=Beyond|Path=9", "Never|Key=Never"});
  Select("");
  SetValues({{"Number", "-1"}, {"Bad", "x"}, {"Raw", "1"}, {"Gap", "1"}});

  TRegistryWritePlan plan = Hub.PlanRegistryWrite();
  EXPECT_EQ(MemoryRegistry.RegistriesCreated, 0);
  ASSERT_EQ(plan.Values.size(), 4u);  // the path number 9 ends the plan
  ASSERT_TRUE(plan.Failure);
  EXPECT_THROW(std::rethrow_exception(plan.Failure), EError);

  const TPlannedValue& number = plan.Values[0];
  EXPECT_EQ(number.Option, &Option("Number"));
  EXPECT_EQ(RegistryValueText(number.Value), TesmoraValue + "Number");
  EXPECT_EQ(number.Data, IntegerData(-1));
  EXPECT_TRUE(number.WillStore());
  EXPECT_EQ(plan.Values[1].Data, std::nullopt);
  EXPECT_EQ(plan.Values[1].ConvertError, "'x' is not a valid integer value");
  EXPECT_FALSE(plan.Values[2].WillStore());  // BINARY stores nothing
  EXPECT_TRUE(plan.Values[2].ConvertError.empty());
  EXPECT_FALSE(plan.Values[3].HasLocation);  // an empty driver key
  EXPECT_FALSE(plan.Values[3].WillStore());
}

TEST_F(RegistryReadBackTest, NothingIsReportedWhenEveryValueStuck) {
  DefineThreeOptions();
  TRegistryWriteReport report = Hub.WriteToRegistry();
  EXPECT_TRUE(report.AllApplied());
  EXPECT_EQ(Log(), "");
  // The write and the read-back share one registry object.
  EXPECT_EQ(MemoryRegistry.RegistriesCreated, 1);
}

TEST_F(RegistryReadBackTest, ValuesChangedOrRefusedBehindTheProgramsBackAreReportedTogether) {
  DefineThreeOptions();
  // A driver that keeps its own type for one value, clamps another and refuses the third.
  MemoryRegistry.StoreFilter = [](TRootKey, const std::string&, const std::string& name,
                                  TRegistryData& data) {
    if (name == "Number") data = StringData("1");
    if (name == "Text") data = StringData("two");
    return name != "Bytes";
  };
  MemoryRegistry.PutBinary(HKCU, TesmoraKey, "Bytes", {9, 0, 0, 0});

  TRegistryWriteReport report = Hub.WriteToRegistry();
  ASSERT_EQ(report.Values.size(), 3u);
  EXPECT_EQ(report.Values[0].Caption, "Antialiasing");
  EXPECT_EQ(report.Values[0].Location, TesmoraValue + "Number");
  EXPECT_EQ(report.Values[0].Wanted, "REG_DWORD 1");
  EXPECT_EQ(report.Values[0].Found, "REG_SZ \"1\"");
  EXPECT_EQ(report.Values[0].NotWritten, "");
  EXPECT_EQ(report.Values[1].Found, "REG_SZ \"two\"");
  EXPECT_EQ(report.Values[2].Wanted, "REG_BINARY 02 00 00 00");
  EXPECT_EQ(report.Values[2].NotWritten, "the registry refused it");
  EXPECT_EQ(report.Values[2].Found, "REG_BINARY 09 00 00 00");

  EXPECT_EQ(UnappliedValuesText(report, true),
            "Some settings did not reach the driver registry:\r"
            "\rAntialiasing: wanted REG_DWORD 1, found REG_SZ \"1\""
            "\rMode: wanted REG_SZ \"one\", found REG_SZ \"two\""
            "\rLOD bias: wanted REG_BINARY 02 00 00 00, found REG_BINARY 09 00 00 00"
            "\r\rStart the game anyway?");
  EXPECT_EQ(Log(), LogLines({"Registry exception while writing: Key: \"\\Software\\Tesmora \\ Bytes\"",
                             UnappliedValueLogLine(report.Values[0]),
                             UnappliedValueLogLine(report.Values[1]),
                             UnappliedValueLogLine(report.Values[2])}));
  EXPECT_EQ(UnappliedValueLogLine(report.Values[0]),
            "Setting not applied: Antialiasing: " + TesmoraValue +
                "Number: wanted REG_DWORD 1, found REG_SZ \"1\"");
  EXPECT_EQ(UnappliedValueLogLine(report.Values[2]),
            "Setting not applied: LOD bias: " + TesmoraValue +
                "Bytes: wanted REG_BINARY 02 00 00 00, not written (the registry refused it); "
                "found REG_BINARY 09 00 00 00");
}

// What counts is what the value holds afterwards: a refused write of the data it already
// held is no value that did not stick.
TEST_F(RegistryReadBackTest, ARefusedWriteOfTheDataAlreadyThereIsNotReported) {
  DefineThreeOptions();
  MemoryRegistry.StoreFilter = [](TRootKey, const std::string&, const std::string&,
                                  TRegistryData&) { return false; };
  MemoryRegistry.PutInteger(HKCU, TesmoraKey, "Number", 1);
  MemoryRegistry.PutString(HKCU, TesmoraKey, "Text", "one");
  MemoryRegistry.PutBinary(HKCU, TesmoraKey, "Bytes", {9, 0, 0, 0});

  TRegistryWriteReport report = Hub.WriteToRegistry();
  ASSERT_EQ(report.Values.size(), 1u);
  EXPECT_EQ(report.Values[0].Caption, "LOD bias");
  EXPECT_EQ(report.Values[0].NotWritten, "the registry refused it");
}

TEST_F(RegistryReadBackTest, AKeyThatVanishedAfterTheWriteIsReported) {
  DefineThreeOptions();
  MemoryRegistry.AfterStore = [&](TRootKey root, const std::string& path, const std::string& name) {
    if (name == "Bytes") MemoryRegistry.DeleteKey(root, path);
  };
  TRegistryWriteReport report = Hub.WriteToRegistry();
  ASSERT_EQ(report.Values.size(), 3u);
  for (const TUnappliedValue& value : report.Values) {
    EXPECT_EQ(value.Found, "no key") << value.Caption;
    EXPECT_EQ(value.NotWritten, "") << value.Caption;
  }
}

TEST_F(RegistryReadBackTest, AValueTwoOptionsShareMustHoldWhatTheLastOneWrote) {
  Define({"First|Key=Shared", "Second|Key=shared"});
  Select();
  SetValues({{"First", "1"}, {"Second", "2"}});
  EXPECT_TRUE(Hub.WriteToRegistry().AllApplied());
  EXPECT_EQ(StoredInteger(HKCU, TesmoraKey, "Shared"), 2u);
}

// The message fits a 640 x 480 screen: a line for each of the first few values, then the
// count of the others, which the log names whether it is on or not.
TEST_F(RegistryReadBackTest, TheMessageListsAFewValuesAndSendsTheRestToTheLog) {
  struct Case {
    size_t Values;
    size_t Lines;
    const char* More;
  } cases[] = {{1, 1, nullptr},
               {MaxListedValues, MaxListedValues, nullptr},
               {MaxListedValues + 1, MaxListedValues, "\r... and 1 more: see TesmoraGL.Log"},
               {20, MaxListedValues, "\r... and 12 more: see TesmoraGL.Log"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Values);
    TRegistryWriteReport report;
    for (size_t i = 0; i < c.Values; ++i)
      report.Values.push_back({"Option " + std::to_string(i), "HKEY_CURRENT_USER\\V",
                               "REG_DWORD 1", "no value", "the key cannot be opened"});
    std::string text = UnappliedValuesText(report, false);
    size_t lines = 0;
    for (size_t at = text.find(": wanted "); at != std::string::npos;
         at = text.find(": wanted ", at + 1))
      ++lines;
    EXPECT_EQ(lines, c.Lines) << text;
    EXPECT_NE(text.find("\rOption 0: wanted REG_DWORD 1, found no value"), std::string::npos);
    EXPECT_EQ(text.find("HKEY_"), std::string::npos) << "no key paths in the message";
    EXPECT_EQ(text.ends_with(c.More ? c.More : "found no value"), true) << text;

    Startup().LogEnabled = false;
    LogUnappliedValues(report);
    std::string log = Log();
    size_t logged = 0;
    for (size_t at = log.find("Setting not applied: "); at != std::string::npos;
         at = log.find("Setting not applied: ", at + 1))
      ++logged;
    EXPECT_EQ(logged, c.Values) << "the log names every value, also while it is off";
    ClearLog();
  }
}

TEST(DescribeRegistryDataTest, ShowsEachTypeAsTheUserKnowsIt) {
  struct Case {
    std::optional<TRegistryData> Data;
    const char* Text;
  } cases[] = {
      {std::nullopt, "no value"},
      {IntegerData(-2), "REG_DWORD -2"},
      {TRegistryData{TRegDataType::rdInteger, {1, 2}}, "REG_DWORD 01 02"},
      {StringData("GeForce"), "REG_SZ \"GeForce\""},
      {TRegistryData{TRegDataType::rdExpandString, {'a', 'b'}}, "REG_EXPAND_SZ \"ab\""},
      {TRegistryData{TRegDataType::rdBinary, {}}, "REG_BINARY (no data)"},
      {TRegistryData{TRegDataType::rdMultiString, {'a', 0, 0}}, "REG_MULTI_SZ 61 00 00"},
      {TRegistryData{static_cast<TRegDataType>(11), {0xAB}}, "type 11 AB"},
      {TRegistryData{TRegDataType::rdBinary, std::vector<uint8_t>(20, 0xFF)},
       "REG_BINARY FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF ..."},
  };
  for (const Case& c : cases) EXPECT_EQ(DescribeRegistryData(c.Data), c.Text);
}

}  // namespace
}  // namespace tgl::test
