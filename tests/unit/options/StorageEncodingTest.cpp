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
    TRegistryData Data;
  } cases[] = {
      {saDWord, "0", {rdDWord, Bytes({0, 0, 0, 0})}},
      {saDWord, "512", {rdDWord, Bytes({0, 2, 0, 0})}},
      {saDWord, "-1", {rdDWord, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}},
      {saDWord, "2147483647", {rdDWord, Bytes({0xFF, 0xFF, 0xFF, 0x7F})}},
      {saDWord, "-2147483648", {rdDWord, Bytes({0, 0, 0, 0x80})}},
      {saDWord, "+7", {rdDWord, Bytes({7, 0, 0, 0})}},
      {saBinDWord, "-1", {rdBinary, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}},
      {saBinDWord, "-128", {rdBinary, Bytes({0x80, 0xFF, 0xFF, 0xFF})}},
      {saBinDWord, "16909060", {rdBinary, Bytes({4, 3, 2, 1})}},
      {saString, "abc", {rdString, std::string("abc\0", 4)}},
      {saString, "", {rdString, std::string("\0", 1)}},
      {saString, "not a number", {rdString, std::string("not a number\0", 13)}},
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
    TRegistryData Data;
    const char* Value;
  } cases[] = {
      {saDWord, {rdDWord, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}, "-1"},
      {saDWord, {rdDWord, Bytes({0, 2, 0, 0})}, "512"},
      {saDWord, {rdDWord, Bytes({0, 0, 0, 0x80})}, "-2147483648"},
      {saBinDWord, {rdBinary, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}, "-1"},
      {saBinDWord, {rdBinary, Bytes({0x80, 0x1F, 0xFF, 0xFF})}, "-57472"},
      {saString, {rdString, std::string("abc\0", 4)}, "abc"},
      {saString, {rdString, "no terminator"}, "no terminator"},
      {saString, {rdString, std::string("a\0b", 3)}, "a"},
      {saString, {rdExpandString, std::string("%windir%\\x\0", 11)}, "%windir%\\x"},
      {saString, {rdMissing, ""}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeValue(c.StoreAs, c.Data), c.Value) << c.Value;
}

TEST(StorageEncodingTest, DataOfAnotherTypeOrSizeIsAReadFailure) {
  struct Case {
    TStoreAs StoreAs;
    TRegistryData Data;
  } cases[] = {
      {saDWord, {rdMissing, ""}},
      {saDWord, {rdString, std::string("1\0", 2)}},
      {saDWord, {rdBinary, Bytes({1, 0, 0, 0})}},
      {saDWord, {rdDWord, Bytes({1, 0})}},
      {saBinDWord, {rdMissing, ""}},
      {saBinDWord, {rdString, std::string("1\0", 2)}},
      {saBinDWord, {rdExpandString, std::string("1\0", 2)}},
      {saBinDWord, {rdDWord, Bytes({1, 0, 0, 0})}},
      {saBinDWord, {rdBinary, Bytes({1, 0, 0, 0, 0})}},
      {saBinDWord, {rdBinary, Bytes({1, 0, 0})}},
      {saBinDWord, {rdBinary, ""}},
      {saBinDWord, {rdOther, Bytes({1, 0, 0, 0})}},
      {saString, {rdDWord, Bytes({1, 0, 0, 0})}},
      {saString, {rdBinary, "abc"}},
      {saString, {rdOther, "abc"}},
      {saBinary, {rdBinary, Bytes({1, 0, 0, 0})}},
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
