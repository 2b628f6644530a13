#include "config/IniDocument.h"

#include "config/ResourceIniFile.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

const char* const Sample =
    "; head\r\n"
    "[A]\r\n"
    "x=1\r\n"
    "; about B\r\n"
    "\r\n"
    "[B]\r\n"
    "  y = \" two \"  \r\n"
    "; inner\r\n"
    "empty=\r\n"
    "[C]\r\n"
    "z=3\r\n";

TEST(IniDocumentTest, SectionEditsMoveCopyAndEraseWholeSections) {
  struct Case {
    const char* Title;
    std::function<void(TIniDocument&)> Edit;
    const char* Expected;
  } cases[] = {
      {"move",
       [](TIniDocument& d) {
         d.MoveSections([](std::string_view name) -> std::optional<std::string> {
           if (name == "B" || name == "A") return std::string(name) + "2";
           return std::nullopt;
         });
       },
       "; head\r\n[C]\r\nz=3\r\n\r\n[A2]\r\nx=1\r\n\r\n[B2]\r\n  y = \" two \"  \r\nempty=\r\n"},
      {"copy",
       [](TIniDocument& d) {
         d.CopySections([](std::string_view name) -> std::optional<std::string> {
           if (name == "B") return std::string("Copy of B");
           return std::nullopt;
         });
       },
       "; head\r\n[A]\r\nx=1\r\n; about B\r\n\r\n[B]\r\n  y = \" two \"  \r\n; inner\r\n"
       "empty=\r\n[C]\r\nz=3\r\n\r\n[Copy of B]\r\n  y = \" two \"  \r\nempty=\r\n"},
      {"erase",
       [](TIniDocument& d) {
         EXPECT_EQ(d.EraseSections([](std::string_view name) { return name != "B"; }), 2u);
       },
       "; head\r\n[B]\r\n  y = \" two \"  \r\n; inner\r\nempty=\r\n"},
      {"nothing to do",
       [](TIniDocument& d) {
         d.MoveSections([](std::string_view) { return std::nullopt; });
         d.CopySections([](std::string_view) { return std::nullopt; });
         EXPECT_EQ(d.EraseSections([](std::string_view) { return false; }), 0u);
       },
       Sample},
  };
  for (const Case& c : cases) {
    TIniDocument document(Sample);
    c.Edit(document);
    EXPECT_EQ(document.Text(), c.Expected) << c.Title;
    EXPECT_EQ(document.Revision() > 0, c.Expected != std::string(Sample)) << c.Title;
    // The edited document answers as a fresh parse of its text does.
    TIniDocument reparsed(document.Text());
    EXPECT_EQ(document.SectionNames(), reparsed.SectionNames()) << c.Title;
    for (const std::string& section : reparsed.SectionNames())
      for (const std::string& key : reparsed.KeyNames(section))
        EXPECT_EQ(document.Find(section, key), reparsed.Find(section, key)) << c.Title;
  }
}

TEST(IniDocumentTest, MovedSectionsAreFoundByTheirNewNamesOnly) {
  TIniDocument document("[Arena]\r\nPath=a\r\n[arena 2]\r\nPath=b\r\n");
  ASSERT_EQ(document.Find("ARENA", "path"), "a");
  document.MoveSections([](std::string_view name) -> std::optional<std::string> {
    if (name == "Arena") return std::string("ARENA");
    return std::nullopt;
  });
  EXPECT_EQ(document.SectionNames(), (TStrings{"arena 2", "ARENA"}));
  EXPECT_EQ(document.Find("arena", "Path"), "a");
  EXPECT_EQ(document.Find("Arena 2", "Path"), "b");
  document.Set("New", "K", "v");
  EXPECT_EQ(document.Find("NEW", "k"), "v");
  document.EraseSection("arena");
  EXPECT_FALSE(document.HasSection("Arena"));
  EXPECT_EQ(document.Find("New", "K"), "v");
}

TEST(IniDocumentTest, RefusesNamesAndValuesThatWouldNotReadBack) {
  struct Case {
    const char* Section;
    const char* Ident;
    const char* Value;
  } cases[] = {
      {"S]", "K", "v"}, {"S\r", "K", "v"}, {" S", "K", "v"},   {"S ", "K", "v"},
      {"S", "K=", "v"}, {"S", "K\n", "v"}, {"S", ";K", "v"},   {"S", "[K]", "v"},
      {"S", " K", "v"}, {"S", "K\t", "v"}, {"S", "K", "a\nb"}, {"S", "K", "a\r"},
  };
  TIniDocument document("[S]\r\nK=1\r\n");
  for (const Case& c : cases)
    EXPECT_THROW(document.Set(c.Section, c.Ident, c.Value), EIniFormat) << c.Section << c.Ident;
  EXPECT_THROW(document.Set("S", "K", std::string("a\0b", 3)), EIniFormat);
  EXPECT_THROW(document.MoveSections([](std::string_view) { return std::string("T]"); }),
               EIniFormat);
  EXPECT_EQ(document.Text(), "[S]\r\nK=1\r\n");
  EXPECT_EQ(document.Revision(), 0u);

  // What the format can hold reads back exactly.
  for (const char* name : {"[S", ";S", "S=T", "%S_x%", "S [1x"}) {
    document.Set(name, "Key [1]; x", "  'quoted' value ");
    TIniDocument reparsed(document.Text());
    EXPECT_EQ(reparsed.Find(name, "Key [1]; x"), "  'quoted' value ") << name;
  }
}

TEST(IniDocumentTest, RunsOfBlankLinesAndCommentsComeBackLineByLine) {
  const std::string head = "\n\r\r\n; c\r[A]\r\n\r\n\n;x\r\n  \tk=1\n\n\r;y\r\n\r\nz=2";
  const std::string tail = "\r\n\n";
  auto lines = [](const std::string& text) {
    std::string result;
    for (const std::string& line : SplitLines(text)) result += line + "\r\n";
    return result;
  };
  TIniDocument document(head + tail);
  EXPECT_EQ(document.Text(), lines(head + tail));
  EXPECT_EQ(document.KeysWithValues("a"), (TNameValues{{"k", "1"}, {"z", "2"}}));

  document.Set("A", "n", "3");  // behind the last key, before the blank line after it
  document.Set("B", "x", "1");  // no second blank line before the new section
  EXPECT_EQ(document.Text(), lines(head) + "n=3\r\n\r\n[B]\r\nx=1\r\n");
  TIniDocument comment("[A]\r\nk=1\r\n\r\n;c\r\n");
  comment.Set("B", "x", "1");
  EXPECT_EQ(comment.Text(), "[A]\r\nk=1\r\n\r\n;c\r\n\r\n[B]\r\nx=1\r\n");
}

TEST(IniDocumentTest, ManyEditsKeepTheTextRight) {
  // Replaced lines pile up inside the document until it copies out the live ones.
  TIniDocument document("[Keep]\r\nk=1\r\n");
  auto copyKeep = [](std::string_view name) -> std::optional<std::string> {
    if (name == "Keep") return std::string("Copy");
    return std::nullopt;
  };
  std::string value(100, 'v');
  for (int i = 0; i < 5000; ++i) {
    document.Set("S", "Key", value + std::to_string(i));
    document.CopySections(copyKeep);
    document.EraseSection("Copy");
  }
  document.CopySections(copyKeep);
  EXPECT_EQ(document.Text(),
            "[Keep]\r\nk=1\r\n\r\n[S]\r\nKey=" + value + "4999\r\n\r\n[Copy]\r\nk=1\r\n");
}

}  // namespace
}  // namespace tgl::test
