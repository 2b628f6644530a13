// What a write will change, recorded from the hub's plan, and put back exactly.
#include "launch/RegistryRestore.h"

#include "LaunchTestSupport.h"

namespace tgl::test {
namespace {

using RegistryRestoreTest = TLaunchTest;

TEST_F(RegistryRestoreTest, TheRecordHoldsEveryValueTheWriteStoresAsItIsNow) {
  PutEarlierValues();
  TJournalEntries entries = RecordPreviousValues(MemoryRegistry, Hub.PlanRegistryWrite());
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(RegistryValueText(entries[0].Value), "HKEY_CURRENT_USER\\Software\\Tesmora\\Number");
  EXPECT_EQ(entries[0].Previous, IntegerData(7));
  EXPECT_EQ(entries[1].Previous, StringData("earlier"));
  EXPECT_EQ(entries[2].Previous, (TRegistryData{TRegDataType::rdBinary, {9, 9}}));
  // Its key does not exist yet.
  EXPECT_EQ(RegistryValueText(entries[3].Value), "HKEY_CURRENT_USER\\Software\\Tesmora\\New\\Fresh");
  EXPECT_EQ(entries[3].Previous, std::nullopt);
  // Recording reads only.
  EXPECT_FALSE(MemoryRegistry.KeyExists(HKCU, TesmoraKey + "\\New"));
}

TEST_F(RegistryRestoreTest, ValuesTheWriteDoesNotStoreAreNotRecordedNorTwice) {
  Folder.Write("Test.CFG",
               IniText({"[%General%]", "Path1=\\HKCU\\Software\\Tesmora\\", "[%Common%]",
                        "Type=Slider", "Control=Slider", "Path=1", "[A]", "Type=Slider", "Key=V",
                        "[B]", "Type=Slider", "Key=v", "[Bad]", "Type=Slider", "Key=Bad",
                        "[Raw]", "Type=Slider", "Key=Raw", "StoreAs=Binary", "[Gap]",
                        "Type=Slider", "Key=Gap", "Path=5"}));
  TrlCardConfig card = MakeCard("Test");
  TFieldHub hub;
  hub.SelectCard(&card);
  for (int i = 0; i < hub.OptionCount(); ++i) hub.Options(i).SetValue("1");
  hub.Options(2).SetValue("not a number");
  TJournalEntries entries = RecordPreviousValues(MemoryRegistry, hub.PlanRegistryWrite());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Value.ValueName, "V");
}

TEST_F(RegistryRestoreTest, RestorePutsBackTypeAndDataAndDeletesWhatWasAbsent) {
  PutEarlierValues();
  TJournalEntries entries = RecordPreviousValues(MemoryRegistry, Hub.PlanRegistryWrite());
  ASSERT_TRUE(Hub.WriteToRegistry().AllApplied());
  ExpectGameValues();
  // Someone also removed a value the game had changed.
  MemoryRegistry.Find(HKCU, TesmoraKey, false)->Values.clear();

  EXPECT_TRUE(RestoreValues(MemoryRegistry, entries).empty());
  ExpectEarlierValues();
  // Restoring twice is harmless: it is what a restore after a crash in a restore does.
  EXPECT_TRUE(RestoreValues(MemoryRegistry, entries).empty());
  ExpectEarlierValues();
}

TEST_F(RegistryRestoreTest, ValuesThatCannotBePutBackAreReturned) {
  PutEarlierValues();
  TJournalEntries entries = RecordPreviousValues(MemoryRegistry, Hub.PlanRegistryWrite());
  Hub.WriteToRegistry();
  MemoryRegistry.StoreFilter = [](TRootKey, const std::string&, const std::string& name,
                                  TRegistryData& data) {
    if (name == "Text") data = StringData("clamped");
    return name != "Number";
  };
  TJournalEntries failed = RestoreValues(MemoryRegistry, entries);
  ASSERT_EQ(failed.size(), 2u);
  EXPECT_EQ(failed[0], entries[0]);
  EXPECT_EQ(failed[1], entries[1]);
  EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Bytes"),
            (TRegistryData{TRegDataType::rdBinary, {9, 9}}));

  // Without any right to write, nothing is put back, not even a deletion.
  MemoryRegistry.StoreFilter = nullptr;
  Hub.WriteToRegistry();
  MemoryRegistry.WritesRefused = true;
  EXPECT_EQ(RestoreValues(MemoryRegistry, entries).size(), 4u);
  EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey + "\\New", "Fresh"), IntegerData(3));
}

TEST(MergeEntriesTest, TheOlderRecordOfAValueWins) {
  TJournalEntries older = {{{HKCU, "\\Software\\K", "A"}, IntegerData(1)}};
  TJournalEntries newer = {{{HKCU, "software\\k", "a"}, IntegerData(2)},
                           {{HKCU, "Software\\K", "B"}, std::nullopt}};
  MergeEntries(older, newer);
  ASSERT_EQ(older.size(), 2u);
  EXPECT_EQ(older[0].Previous, IntegerData(1));
  EXPECT_EQ(older[1].Value.ValueName, "B");
}

}  // namespace
}  // namespace tgl::test
