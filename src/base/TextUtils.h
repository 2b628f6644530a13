#pragma once
// Text helpers shared by the whole core. Texts are bytes of the ANSI code page; letter case
// is folded for the letters a to z only, as the configuration keywords demand.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tgl {

std::string UpperCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view text, std::string_view prefix);

// Removes characters with codes 0 to 32 at both ends.
std::string_view Trim(std::string_view text);
// Removes blanks and tabs only, as INI files are read.
std::string_view TrimBlanks(std::string_view text);

// Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X" (up to 32 bits,
// wrapping into the signed range). Leading and trailing blanks are not allowed; nullopt
// when the text is not such a number or out of the 32-bit range.
std::optional<int32_t> ParseInteger(std::string_view text);

// The text in double quotes, as messages show names and values.
std::string QuotedText(std::string_view text);

// Fills "%s" and "%d" placeholders from left to right with the given texts.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace tgl
