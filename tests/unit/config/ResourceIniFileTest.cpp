#include "config/ResourceIniFile.h"

#include "base/Errors.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

using ResourceIniFileTest = TCoreTest;

TEST_F(ResourceIniFileTest, ReadStringFollowsTheEmbeddedReadingRules) {
  TResourceIniFile reader("");
  reader.SetStrings({
      "Key=before any section",
      "[Main]",
      "Plain=  text with blanks  ",
      "Mixed='x\"",
      "Opened=\"abc",
      "Closed=abc\"",
      "Double=\"\"a\", \"b\"\"",
      "Empty=",
      "Spaced = value",
      "  ;not a comment=1",
      ";Comment=1",
      "  [NotAHeader]",
      "First=1",
      "first=2",
      "[main]",
      "Second=section never reached",
  });
  struct Case {
    const char* Ident;
    const char* Expected;
  } cases[] = {
      {"Plain", "text with blanks"},
      {"Mixed", "x"},
      {"Opened", "abc"},
      {"Closed", "abc\""},
      {"Double", "\"a\", \"b\""},
      {"Empty", ""},
      {"Spaced", "<default>"},  // the name part is "Spaced " and is not trimmed for lookups
      {"Comment", "<default>"},
      {";not a comment", "1"},
      {"FIRST", "1"},
      {"Second", "<default>"},
      {"Key", "<default>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(reader.ReadString("MAIN", c.Ident, "<default>"), c.Expected) << c.Ident;
  EXPECT_EQ(reader.ReadString("Missing", "Plain", "<default>"), "<default>");
}

TEST_F(ResourceIniFileTest, ListsKeepTheStoredLinesAndRepeatedNames) {
  TResourceIniFile reader("");
  reader.SetStrings({"[A]", "x=1", "no equals", "y=", "x=2", "[B]", "[A]", "z=3"});
  TStrings list{"left over"};
  reader.ReadSection("a", list);
  EXPECT_EQ(list, (TStrings{"x", "", "y", "x"}));
  reader.ReadSectionValues("A", list);
  EXPECT_EQ(list, (TStrings{"x=1", "no equals", "y=", "x=2"}));
  reader.ReadSectionValues("Missing", list);
  EXPECT_TRUE(list.empty());
  reader.ReadSections(list);
  EXPECT_EQ(list, (TStrings{"A", "B", "A"}));
}

TEST_F(ResourceIniFileTest, IntegerAndBoolForms) {
  TResourceIniFile reader("");
  reader.SetStrings({"[S]", "Dec=12", "Neg=-1", "Hex=0x1F", "Dollar=$10", "Bare0x=0x", "Word=yes",
                     "Two=2", "Zero=0", "Empty="});
  EXPECT_EQ(reader.ReadInteger("S", "Dec", 7), 12);
  EXPECT_EQ(reader.ReadInteger("S", "Neg", 7), -1);
  EXPECT_EQ(reader.ReadInteger("S", "Hex", 7), 31);
  EXPECT_EQ(reader.ReadInteger("S", "Dollar", 7), 16);
  EXPECT_EQ(reader.ReadInteger("S", "Bare0x", 7), 7);
  EXPECT_EQ(reader.ReadInteger("S", "Word", 7), 7);
  EXPECT_EQ(reader.ReadInteger("S", "Empty", 7), 7);
  EXPECT_TRUE(reader.ReadBool("S", "Two", false));
  EXPECT_TRUE(reader.ReadBool("S", "Neg", false));
  EXPECT_FALSE(reader.ReadBool("S", "Zero", true));
  EXPECT_TRUE(reader.ReadBool("S", "Word", true));
  EXPECT_FALSE(reader.ReadBool("S", "Word", false));
}

TEST_F(ResourceIniFileTest, EveryWriteIsRefused) {
  TResourceIniFile reader("Cards");
  const char* refused = "TResourceIniFile: couldn't modify data (only read allowed)";
  auto expectRefused = [&](auto&& write) {
    try {
      write();
      ADD_FAILURE() << "write was not refused";
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), refused);
    }
  };
  expectRefused([&] { reader.WriteBool("Idents", "x", true); });
  expectRefused([&] { reader.WriteString("Idents", "x", "1"); });
  expectRefused([&] { reader.EraseSection("Idents"); });
  expectRefused([&] { reader.DeleteKey("Idents", "VEN_121A&DEV_0005"); });
}

TEST_F(ResourceIniFileTest, ReadsTheEmbeddedCatalogue) {
  TResourceIniFile catalogue("cards");
  EXPECT_EQ(catalogue.ReadString("Idents", "VEN_10DE&DEV_0110", ""), "GeForce");
  EXPECT_EQ(catalogue.ReadString("Idents", "ven_10de&dev_0110", ""), "GeForce");
  TStrings list;
  catalogue.ReadSections(list);
  EXPECT_EQ(list, (TStrings{"Idents", "Files"}));
  catalogue.ReadSectionValues("FilesNT", list);
  EXPECT_TRUE(list.empty());
}

TEST_F(ResourceIniFileTest, UnknownResourceGivesAnEmptyReader) {
  TResourceIniFile reader("NoSuchText");
  TStrings list{"x"};
  reader.ReadSections(list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(reader.ReadString("Files", "GeForce", "none"), "none");
}

TEST(SplitLinesTest, EndsLinesAtCrLfLoneLfAndLoneCr) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (TStrings{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (TStrings{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace tgl::test
