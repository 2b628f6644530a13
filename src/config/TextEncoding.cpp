#include "config/TextEncoding.h"

#include "platform/Platform.h"

namespace tgl {
namespace {

constexpr std::string_view LittleEndianMark("\xFF\xFE", 2);
constexpr std::string_view BigEndianMark("\xFE\xFF", 2);

std::u16string CodeUnits(std::string_view bytes, bool bigEndian) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    auto first = static_cast<unsigned char>(bytes[2 * i]);
    auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
  }
  return units;
}

}  // namespace

TDecodedText DecodeText(std::string bytes) {
  std::string_view view = bytes;
  const bool littleEndian = view.substr(0, 2) == LittleEndianMark;
  if (!littleEndian && view.substr(0, 2) != BigEndianMark) return {std::move(bytes)};
  TDecodedText decoded;
  decoded.Encoding = littleEndian ? TTextEncoding::teUtf16LE : TTextEncoding::teUtf16BE;
  decoded.Text = CodePage().FromUtf16(CodeUnits(view.substr(2), !littleEndian));
  decoded.Reversible = EncodeText(decoded.Text, decoded.Encoding) == bytes;
  return decoded;
}

std::string EncodeText(std::string_view text, TTextEncoding encoding) {
  if (encoding == TTextEncoding::teAnsi) return std::string(text);
  const bool bigEndian = encoding == TTextEncoding::teUtf16BE;
  std::u16string units = CodePage().ToUtf16(text);
  std::string bytes(bigEndian ? BigEndianMark : LittleEndianMark);
  bytes.reserve(2 + 2 * units.size());
  for (char16_t unit : units) {
    char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

}  // namespace tgl
