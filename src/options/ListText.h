#pragma once
// The one-line list form of "Strings" and "Values": items separated by commas or blanks,
// an item with blanks, commas or quotes written in double quotes with inner quotes doubled.
#include <string>
#include <string_view>

#include "base/StringList.h"

namespace tgl {

// The items of a list text. Two commas with nothing between them give an empty item; a
// trailing comma adds none; a quoted item without its closing quote runs to the end.
TStrings ReadListText(std::string_view text);

// The list as one text that ReadListText turns back into the same items. An empty list
// gives the empty text.
std::string RenderListText(const TStrings& items);

}  // namespace tgl
