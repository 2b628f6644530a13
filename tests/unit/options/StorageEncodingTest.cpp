#include "options/StorageEncoding.h"

#include "options/HexNumber.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int b : bytes) text += char(b);
  return text;
}

TEST(StorageEncodingTest, ValueTextsBecomeRegistryData) {
  struct Case {
    TStoreAs StoreAs;
    const char* Value;
    TStoredData Data;
  } cases[] = {
      {saDWord, "0", {sdDWord, Bytes({0, 0, 0, 0})}},
      {saDWord, "512", {sdDWord, Bytes({0, 2, 0, 0})}},
      {saDWord, "-1", {sdDWord, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}},
      {saDWord, "2147483647", {sdDWord, Bytes({0xFF, 0xFF, 0xFF, 0x7F})}},
      {saDWord, "-2147483648", {sdDWord, Bytes({0, 0, 0, 0x80})}},
      {saDWord, "+7", {sdDWord, Bytes({7, 0, 0, 0})}},
      {saBinDWord, "-1", {sdBinary, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}},
      {saBinDWord, "-128", {sdBinary, Bytes({0x80, 0xFF, 0xFF, 0xFF})}},
      {saBinDWord, "16909060", {sdBinary, Bytes({4, 3, 2, 1})}},
      {saString, "abc", {sdString, std::string("abc\0", 4)}},
      {saString, "", {sdString, std::string("\0", 1)}},
      {saString, "not a number", {sdString, std::string("not a number\0", 13)}},
  };
  for (const Case& c : cases) EXPECT_EQ(EncodeValue(c.StoreAs, c.Value), c.Data) << c.Value;
}

TEST(StorageEncodingTest, TextsOutsideTheSigned32BitRangeAreConversionFailures) {
  const std::string refused[] = {"",    "4294909824", NormalizeNumber("FFFF1F80h"),
                                 "2147483648", "-2147483649", "99999999999999999999",
                                 "abc", "0x10", "$10", " 1", "1 ", "1.5", "-", "2h"};
  for (TStoreAs storeAs : {saDWord, saBinDWord})
    for (const std::string& value : refused) {
      try {
        EncodeValue(storeAs, value);
        ADD_FAILURE() << "'" << value << "' was accepted";
      } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + value + "' is not a valid integer value");
      }
    }
  EXPECT_THROW(EncodeValue(saBinary, "1"), ERegistryDataError);
}

TEST(StorageEncodingTest, RegistryDataBecomesValueTexts) {
  struct Case {
    TStoreAs StoreAs;
    TStoredData Data;
    const char* Value;
  } cases[] = {
      {saDWord, {sdDWord, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}, "-1"},
      {saDWord, {sdDWord, Bytes({0, 2, 0, 0})}, "512"},
      {saDWord, {sdDWord, Bytes({0, 0, 0, 0x80})}, "-2147483648"},
      {saBinDWord, {sdBinary, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}, "-1"},
      {saBinDWord, {sdBinary, Bytes({0x80, 0x1F, 0xFF, 0xFF})}, "-57472"},
      {saString, {sdString, std::string("abc\0", 4)}, "abc"},
      {saString, {sdString, "no terminator"}, "no terminator"},
      {saString, {sdString, std::string("a\0b", 3)}, "a"},
      {saString, {sdExpandString, std::string("%windir%\\x\0", 11)}, "%windir%\\x"},
      {saString, {sdMissing, ""}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeValue(c.StoreAs, c.Data), c.Value) << c.Value;
}

TEST(StorageEncodingTest, DataOfAnotherTypeOrSizeIsAReadFailure) {
  struct Case {
    TStoreAs StoreAs;
    TStoredData Data;
  } cases[] = {
      {saDWord, {sdMissing, ""}},
      {saDWord, {sdString, std::string("1\0", 2)}},
      {saDWord, {sdBinary, Bytes({1, 0, 0, 0})}},
      {saDWord, {sdDWord, Bytes({1, 0})}},
      {saBinDWord, {sdMissing, ""}},
      {saBinDWord, {sdString, std::string("1\0", 2)}},
      {saBinDWord, {sdExpandString, std::string("1\0", 2)}},
      {saBinDWord, {sdDWord, Bytes({1, 0, 0, 0})}},
      {saBinDWord, {sdBinary, Bytes({1, 0, 0, 0, 0})}},
      {saBinDWord, {sdBinary, Bytes({1, 0, 0})}},
      {saBinDWord, {sdBinary, ""}},
      {saBinDWord, {sdOther, Bytes({1, 0, 0, 0})}},
      {saString, {sdDWord, Bytes({1, 0, 0, 0})}},
      {saString, {sdBinary, "abc"}},
      {saString, {sdOther, "abc"}},
      {saBinary, {sdBinary, Bytes({1, 0, 0, 0})}},
  };
  for (const Case& c : cases)
    EXPECT_THROW(DecodeValue(c.StoreAs, c.Data), ERegistryDataError)
        << c.StoreAs << "/" << c.Data.DataType << "/" << c.Data.Bytes.size();
}

TEST(StorageEncodingTest, EveryAcceptedTextSurvivesAWriteAndARead) {
  for (TStoreAs storeAs : {saDWord, saBinDWord, saString})
    for (const char* value : {"-1", "0", "1", "-128", "512", "2147483647", "-2147483648"})
      EXPECT_EQ(DecodeValue(storeAs, EncodeValue(storeAs, value)), value) << storeAs << " " << value;
}

}  // namespace
}  // namespace tgl::test
