#include "base/TextUtils.h"

#include <gtest/gtest.h>

namespace tgl {
namespace {

TEST(TextUtilsTest, ParseIntegerForms) {
  struct Case {
    const char* Text;
    std::optional<int32_t> Expected;
  } cases[] = {
      {"0", 0},           {"-1", -1},          {"+5", 5},
      {"2147483647", 2147483647},              {"2147483648", std::nullopt},
      {"-2147483648", INT32_MIN},              {"$FF", 255},
      {"0x10", 16},       {"0X1f", 31},        {"$FFFFFFFF", -1},
      {"$100000000", std::nullopt},            {"0x", std::nullopt},
      {"$", std::nullopt},                     {"", std::nullopt},
      {"12 ", std::nullopt},                   {"1.5", std::nullopt},
      {"yes", std::nullopt},                   {"-$10", -16},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.Text), c.Expected) << c.Text;
}

TEST(TextUtilsTest, CaseFoldingTouchesOnlyLettersAToZ) {
  EXPECT_EQ(UpperCase("switch \xe9z"), "SWITCH \xe9Z");
  EXPECT_TRUE(SameText("DX LOD bias", "dx lod BIAS"));
  EXPECT_FALSE(SameText("Check ", "Check"));
}

TEST(TextUtilsTest, FormatFillsPlaceholdersInOrder) {
  EXPECT_EQ(Format("Key: %s \\ %s", {"a", "b"}), "Key: a \\ b");
  EXPECT_EQ(Format("List index out of bounds (%d)", {"7"}), "List index out of bounds (7)");
  EXPECT_EQ(Format("100%", {}), "100%");
}

}  // namespace
}  // namespace tgl
