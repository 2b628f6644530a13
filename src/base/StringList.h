#pragma once
// Ordered string lists and their name=value lines, as the INI readers fill them.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tgl {

using TStrings = std::vector<std::string>;

// The text before the first "=" of a line; the empty text for a line without "=".
std::string_view NamePart(std::string_view line);
// The text after the first "="; the empty text for a line without "=".
std::string_view ValuePart(std::string_view line);
// Index of the first line whose name part equals `name` ignoring case, or -1.
int IndexOfName(const TStrings& lines, std::string_view name);
// The value of the first line named `name`, or the empty text.
std::string ValueOf(const TStrings& lines, std::string_view name);
// Sets name=value on the first line of that name, appending one when there is none; an
// empty value removes that line instead.
void SetValueOf(TStrings& lines, std::string_view name, std::string_view value);

// For many lines at the cost of one pass, each in time linear in the lines:
// SetValueOf for every name and value in order;
using TNameValues = std::vector<std::pair<std::string_view, std::string_view>>;
void SetValuesOf(TStrings& lines, const TNameValues& values);
// and for every line, ValueOf its name part.
TStrings ValuesOfNameParts(const TStrings& lines);

}  // namespace tgl
