#pragma once
// Hexadecimal numbers in tuning definitions: a text of two to nine characters ending in
// "h" or "H" (200h, Ah, FFFF1F80h) stands for an unsigned 32-bit number.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tgl {

// 0 to 15 for "0" to "9", "A" to "F" and "a" to "f".
// Error: "String contains non-HEX data" for any other character.
uint8_t HexDigitValue(char c);

// Reads `text`, most significant byte first, into `buffer`, least significant byte first.
// An empty text leaves the buffer unchanged; otherwise the text holds exactly two digits
// per byte of the buffer.
void HexToBin(std::string_view text, std::span<uint8_t> buffer);

// The decimal text of a hexadecimal form, or the trimmed text unchanged when it is no such
// form (texts of ten or more characters included).
// Error: "String contains non-HEX data" when a digit is not hexadecimal.
std::string NormalizeNumber(std::string_view text);

}  // namespace tgl
