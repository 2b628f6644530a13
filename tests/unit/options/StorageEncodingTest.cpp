#include "options/StorageEncoding.h"

#include "options/HexNumber.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

using TBytes = std::array<uint8_t, 4>;

TEST(StorageEncodingTest, SignedDecimalTextsBecomeIntegersAndTheirFourBytes) {
  struct Case {
    const char* Value;
    int32_t Number;
    TBytes Bytes;
  } cases[] = {
      {"0", 0, {0, 0, 0, 0}},
      {"512", 512, {0, 2, 0, 0}},
      {"-1", -1, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"-128", -128, {0x80, 0xFF, 0xFF, 0xFF}},
      {"16909060", 16909060, {4, 3, 2, 1}},
      {"2147483647", INT32_MAX, {0xFF, 0xFF, 0xFF, 0x7F}},
      {"-2147483648", INT32_MIN, {0, 0, 0, 0x80}},
      {"+7", 7, {7, 0, 0, 0}},
      {"007", 7, {7, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IntegerOfText(c.Value), c.Number) << c.Value;
    EXPECT_EQ(BytesOfInteger(c.Number), c.Bytes) << c.Value;
    EXPECT_EQ(IntegerOfBytes(c.Bytes), c.Number) << c.Value;
  }
}

TEST(StorageEncodingTest, TextsOutsideTheSigned32BitRangeAreConversionFailures) {
  const std::string refused[] = {"",    "4294909824", NormalizeNumber("FFFF1F80h"),
                                 "2147483648", "-2147483649", "99999999999999999999",
                                 "abc", "0x10", "$10", " 1", "1 ", "1.5", "-", "2h"};
  for (const std::string& value : refused) {
    try {
      IntegerOfText(value);
      ADD_FAILURE() << "'" << value << "' was accepted";
    } catch (const EConvertError& error) {
      EXPECT_EQ(std::string(error.what()), "'" + value + "' is not a valid integer value");
    }
  }
}

TEST(StorageEncodingTest, EveryIntegerTextSurvivesItsFourBytes) {
  for (const char* value : {"-1", "0", "1", "-128", "512", "2147483647", "-2147483648"})
    EXPECT_EQ(std::to_string(IntegerOfBytes(BytesOfInteger(IntegerOfText(value)))), value);
}

}  // namespace
}  // namespace tgl::test
