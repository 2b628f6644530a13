// The restore journal: its text for every registry type and for absent values, refused
// whole when it lacks or changes even one byte, and its file written crash-safe.
#include "launch/RestoreJournal.h"

#include <sys/stat.h>

#include <cstdio>

#include "LaunchTestSupport.h"
#include "base/Crc32.h"

namespace tgl::test {
namespace {

constexpr TRootKey HKLM = TRootKey::rkLocalMachine;

TJournalEntries SampleEntries() {
  const std::string driverKey = "\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\OpenGL";
  return {
      {{HKLM, driverKey, "EnableFSAA"}, IntegerData(1)},
      {{HKLM, driverKey, "FSAAMode"}, IntegerData(-1)},
      {{HKCU, "Software\\Tesmora", "Name"}, StringData("GeForce 2x2 [LOD]")},
      {{HKCU, "Software\\Tesmora", ""}, StringData("the default value")},
      {{HKCU, "Software\\Tesmora", "Path"}, TRegistryData{TRegDataType::rdExpandString, {'%', 'x', '%'}}},
      {{HKCU, "Software\\Tesmora", "LOD"}, BinaryData(std::vector<uint8_t>{0x80, 0x1F, 0xFF, 0xFF})},
      {{HKCU, "Software\\Tesmora", "Empty"}, BinaryData(std::vector<uint8_t>{})},
      {{HKCU, "Software\\Tesmora", "Multi"}, TRegistryData{TRegDataType::rdMultiString, {'a', 0, 0}}},
      {{HKCU, "Software\\Tesmora", "None"}, TRegistryData{TRegDataType::rdNone, {}}},
      {{HKCU, "Software\\Tesmora", "Odd"}, TRegistryData{static_cast<TRegDataType>(0xFFFFFFFF), {1}}},
      {{HKCU, "Software\\Tesmora", "Absent"}, std::nullopt},
      {{TRootKey::rkDynData, "Config Manager", "Tab\tand %41\r\nline\x7F\xE9"}, std::nullopt},
      {{HKCU, "Software\\Key\twith tab", "%"}, IntegerData(0)},
  };
}

TEST(Crc32Test, IsTheChecksumOfZip) {
  EXPECT_EQ(Crc32(""), 0u);
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
}

TEST(JournalTextTest, EveryTypeAndAbsentValuesReadBackExactly) {
  TJournalEntries entries = SampleEntries();
  std::string text = JournalText(entries);
  EXPECT_EQ(ParseJournalText(text), entries);
  EXPECT_EQ(ParseJournalText(JournalText({})), TJournalEntries{});

  // The lines a user may read.
  EXPECT_TRUE(text.starts_with("TesmoraGL restore journal 1\r\n"
                               "HKLM\t\\System\\CurrentControlSet\\Services\\Class\\Display\\0000"
                               "\\NVidia\\OpenGL\tEnableFSAA\t4\t01000000\r\n"));
  EXPECT_NE(text.find("\r\nHKCU\tSoftware\\Tesmora\tAbsent\tabsent\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nHKDD\tConfig Manager\tTab%09and %2541%0D%0Aline%7F\xE9\tabsent\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\nend\t13\t"), std::string::npos);
}

TEST(JournalTextTest, AJournalCutAtAnyByteIsRefusedWhole) {
  std::string text = JournalText(SampleEntries());
  for (size_t length = 0; length < text.size(); ++length)
    EXPECT_EQ(ParseJournalText(std::string_view(text).substr(0, length)), std::nullopt) << length;
}

TEST(JournalTextTest, AnyChangedOrAddedByteIsRefused) {
  std::string text = JournalText(SampleEntries());
  for (size_t i = 0; i < text.size(); ++i) {
    std::string changed = text;
    changed[i] = static_cast<char>(changed[i] ^ 0x01);
    EXPECT_EQ(ParseJournalText(changed), std::nullopt) << i;
  }
  EXPECT_EQ(ParseJournalText(text + "\r\n"), std::nullopt);
  EXPECT_EQ(ParseJournalText(text + text), std::nullopt);
}

TEST(JournalTextTest, ForeignTextsAreRefused) {
  std::string valid = JournalText({{{HKCU, "K", "V"}, std::nullopt}});
  const char* foreign[] = {
      "",
      "[%%Configuration]\r\nWriteLog=1\r\n",
      "TesmoraGL restore journal 2\r\nend\t0\t00000000\r\n",
      // Well-formed lines under a checksum that matches them, but not what the writer writes.
      "TesmoraGL restore journal 1\nend\t0\t00000000\n",
  };
  for (const char* text : foreign) EXPECT_EQ(ParseJournalText(text), std::nullopt) << text;
  // Lines under a checksum that vouches for them are still checked one by one: lower-case
  // hex, an odd number of digits, a leading zero, an unknown root, a field too many, a cut
  // or unknown escape, a type beyond 32 bits.
  for (const char* line : {"HKCU\tK\tV\t4\t0a000000", "HKCU\tK\tV\t4\t0", "HKCU\tK\tV\t04\t00",
                           "HKXX\tK\tV\tabsent", "HKCU\tK\tV\tabsent\textra", "HKCU\tK\t%4\tabsent",
                           "HKCU\tK\t%zz\tabsent", "HKCU\tK\tV\t4294967296\t00"}) {
    std::string body = "TesmoraGL restore journal 1\r\n" + std::string(line) + "\r\n";
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08X", Crc32(body));
    EXPECT_EQ(ParseJournalText(body + "end\t1\t" + crc + "\r\n"), std::nullopt) << line;
  }
  // The same construction takes a good line.
  std::string body = "TesmoraGL restore journal 1\r\nHKCU\tK\tV\tabsent\r\n";
  char crc[9];
  std::snprintf(crc, sizeof crc, "%08X", Crc32(body));
  EXPECT_EQ(body + "end\t1\t" + crc + "\r\n", valid);
  EXPECT_TRUE(ParseJournalText(valid));
}

TEST(JournalTextTest, TheFuzzSeedIsAWholeJournal) {
  std::optional<TJournalEntries> seed =
      ParseJournalText(ReadBytes(std::string(TGL_SOURCE_DIR) + "/fuzz/corpus/journals/three.journal"));
  ASSERT_TRUE(seed);
  EXPECT_EQ(seed->size(), 3u);
}

class RestoreJournalFileTest : public TCoreTest {
protected:
  TRestoreJournal Journal{TRestoreJournal::DefaultPath()};
};

TEST_F(RestoreJournalFileTest, SavedBesideGamesCfgAndLoadedBack) {
  EXPECT_EQ(Journal.Path(), Folder.Path() + "TesmoraGL.Restore");
  EXPECT_FALSE(Journal.Exists());
  EXPECT_EQ(Journal.Load(), std::nullopt);

  Journal.Save(SampleEntries());
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"TesmoraGL.Restore"}));
  EXPECT_EQ(Folder.Read("TesmoraGL.Restore"), JournalText(SampleEntries()));
  EXPECT_EQ(Journal.Load(), SampleEntries());
  Journal.Remove();
  EXPECT_TRUE(Folder.FileNames().empty());
}

TEST_F(RestoreJournalFileTest, ADamagedJournalIsRefusedAndKeptAside) {
  std::string text = JournalText(SampleEntries());
  Folder.Write("TesmoraGL.Restore", text.substr(0, text.size() / 2));
  EXPECT_THROW(Journal.Load(), EJournalDamaged);
  EXPECT_TRUE(Journal.KeepAside());
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"TesmoraGL.Restore.damaged"}));
  EXPECT_EQ(Folder.Read("TesmoraGL.Restore.damaged"), text.substr(0, text.size() / 2));
  EXPECT_EQ(Journal.Load(), std::nullopt);
}

TEST_F(RestoreJournalFileTest, AnInterruptedSaveLeavesNoJournalAndItsRestIsRemoved) {
  // A crash before the new file took its place: only the unfinished file is there.
  Folder.Write("TesmoraGL.Restore.TesmoraGL-new", JournalText(SampleEntries()).substr(0, 40));
  EXPECT_FALSE(Journal.Exists());
  Journal.RemoveUnfinished();
  EXPECT_TRUE(Folder.FileNames().empty());

  // A journal that cannot be written is an error, and leaves nothing behind.
  ASSERT_EQ(::mkdir((Folder.Path() + "TesmoraGL.Restore").c_str(), 0755), 0);
  EXPECT_THROW(Journal.Save(SampleEntries()), EError);
  EXPECT_TRUE(Folder.FileNames().empty());
}

}  // namespace
}  // namespace tgl::test
