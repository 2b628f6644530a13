#include "options/HexNumber.h"

#include <array>

#include "base/Errors.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

TEST(HexNumberTest, NormalizeNumberAppliesTheHexadecimalRule) {
  struct Case {
    const char* Text;
    const char* Expected;
  } cases[] = {
      {"200h", "512"},
      {" Ah ", "10"},
      {"\tAh\r", "10"},
      {"ffh", "255"},
      {"2h", "2"},
      {"0h", "0"},
      {"80000000h", "2147483648"},
      {"FFFF1F80h", "4294909824"},
      {"FFFFFFFFh", "4294967295"},
      {"00000010h", "16"},    // nine characters: still hexadecimal
      {"000000010h", "000000010h"},  // ten characters: left as it is
      {"0000000010h", "0000000010h"},
      {"12", "12"},
      {"-1", "-1"},
      {"0x10", "0x10"},
      {"H", "H"},
      {"h", "h"},
      {"", ""},
      {"  7  ", "7"},
      {"abc", "abc"},
  };
  for (const Case& c : cases) EXPECT_EQ(NormalizeNumber(c.Text), c.Expected) << c.Text;
}

TEST(HexNumberTest, NonHexadecimalDigitsAreAnError) {
  for (const char* text : {"-1h", "0x10h", "xyzh", "G1h", "1 fh", "+1h"}) {
    try {
      NormalizeNumber(text);
      ADD_FAILURE() << text << " was accepted";
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), "String contains non-HEX data") << text;
    }
  }
}

TEST(HexNumberTest, DigitsAndBytes) {
  const std::string digits = "0123456789ABCDEFabcdef";
  const int values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
  for (size_t i = 0; i < digits.size(); ++i) EXPECT_EQ(HexDigitValue(digits[i]), values[i]) << digits[i];
  for (char c : {'g', 'G', ' ', '-', 'h', '\0'}) EXPECT_THROW(HexDigitValue(c), EError) << int(c);

  std::array<uint8_t, 4> buffer{1, 2, 3, 4};
  HexToBin("", buffer);
  EXPECT_EQ(buffer, (std::array<uint8_t, 4>{1, 2, 3, 4}));
  HexToBin("12345678", buffer);
  EXPECT_EQ(buffer, (std::array<uint8_t, 4>{0x78, 0x56, 0x34, 0x12}));
  HexToBin("FFff1F80", buffer);
  EXPECT_EQ(buffer, (std::array<uint8_t, 4>{0x80, 0x1F, 0xFF, 0xFF}));
}

}  // namespace
}  // namespace tgl::test
