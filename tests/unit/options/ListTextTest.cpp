#include "options/ListText.h"

#include <random>

#include "support/TestSupport.h"

namespace tgl::test {
namespace {

TEST(ListTextTest, ReadsTheListGrammar) {
  struct Case {
    std::string Text;
    TStrings Items;
  } cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"Enable, Disable", {"Enable", "Disable"}},
      {"1, \"2 - Recommended\", 4, 6, 8, 10, 15",
       {"1", "2 - Recommended", "4", "6", "8", "10", "15"}},
      {"Disable, \"Conservative Tiling\"", {"Disable", "Conservative Tiling"}},
      // What is left of an outer-quoted value once the reader has removed the outer pair.
      {"\"Always OFF\", \"Application preference\", \"Always ON\"",
       {"Always OFF", "Application preference", "Always ON"}},
      {"\"7 - Upper left corner\", 6, 5, 4, \"3 - Default\", 2, 1, \"0 - Center\"",
       {"7 - Upper left corner", "6", "5", "4", "3 - Default", "2", "1", "0 - Center"}},
      {"0,1,2,3,4", {"0", "1", "2", "3", "4"}},
      {"1.5x1.5, \"2x2 [LOD bias]\", 2x2", {"1.5x1.5", "2x2 [LOD bias]", "2x2"}},
      {"\"say \"\"hi\"\"\", x", {"say \"hi\"", "x"}},
      {"\"\"\"\"", {"\""}},
      {"\"\"", {""}},
      {"a,,b", {"a", "", "b"}},
      {"a, ,b", {"a", "", "b"}},
      {",a", {"", "a"}},
      {"a, b,", {"a", "b"}},
      {"a,", {"a"}},
      {"a b", {"a", "b"}},
      {"a\tb", {"a", "b"}},
      {"  \x01 a", {"a"}},
      {"a\"b, c", {"a\"b", "c"}},
      {"\"a\"b", {"a", "b"}},
      {"\"unterminated, item", {"unterminated, item"}},
      {"-1, 0, 1", {"-1", "0", "1"}},
      {std::string("a\0b", 3), {"a", "b"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadListText(c.Text), c.Items) << c.Text;
}

TEST(ListTextTest, RendersItemsByTheListTextRule) {
  struct Case {
    TStrings Items;
    std::string Text;
  } cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"Enable", "Disable"}, "Enable,Disable"},
      {{"2 - Recommended", "4"}, "\"2 - Recommended\",4"},
      {{"a\"b"}, "\"a\"\"b\""},
      {{"a,b"}, "\"a,b\""},
      {{"tab\there"}, "\"tab\there\""},
      {{"a", "", "b"}, "a,\"\",b"},
      // Left bare, a last empty item would read back as a trailing comma and be lost.
      {{"a", ""}, "a,\"\""},
      {{"-0.5", "2x2"}, "-0.5,2x2"},
  };
  for (const Case& c : cases) EXPECT_EQ(RenderListText(c.Items), c.Text) << c.Text;
}

TEST(ListTextTest, EveryRenderedListReadsBackAsTheSameItems) {
  const std::string alphabet = std::string("a1 ,\"\t-h", 8) + std::string(1, '\0') + "\xff";
  std::mt19937 random(20240607);
  for (int round = 0; round < 20000; ++round) {
    TStrings items(random() % 5);
    for (std::string& item : items) {
      size_t length = random() % 5;
      for (size_t i = 0; i < length; ++i) item += alphabet[random() % alphabet.size()];
    }
    std::string text = RenderListText(items);
    ASSERT_EQ(ReadListText(text), items) << text;
  }
}

}  // namespace
}  // namespace tgl::test
