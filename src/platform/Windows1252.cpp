#include "platform/Windows1252.h"

namespace tgl {
namespace {

// The characters of the bytes 80h to 9Fh; the rest of the code page is Latin-1. The five
// bytes without a character map to the control character of their own number, as Windows
// maps them.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t CharacterOf(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t(byte);
}

char ByteOf(char16_t character) {
  if (character < 0x80 || (character >= 0xA0 && character < 0x100)) return char(character);
  for (int i = 0; i < 32; ++i)
    if (HighControls[i] == character) return char(0x80 + i);
  return '?';
}

}  // namespace

std::string TWindows1252::FromUtf16(std::u16string_view text) const {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t character : text) bytes += ByteOf(character);
  return bytes;
}

std::u16string TWindows1252::ToUtf16(std::string_view text) const {
  std::u16string characters;
  characters.reserve(text.size());
  for (char byte : text) characters += CharacterOf(static_cast<unsigned char>(byte));
  return characters;
}

}  // namespace tgl
