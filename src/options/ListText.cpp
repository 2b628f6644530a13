#include "options/ListText.h"

namespace tgl {
namespace {

// Blanks and control characters separate items. A zero byte counts as one of them, so that
// no byte of a text can stop the reading or be lost from a quoted item.
bool IsSeparatorBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

size_t SkipBlanks(std::string_view text, size_t position) {
  while (position < text.size() && IsSeparatorBlank(text[position])) ++position;
  return position;
}

// Reads the quoted item that starts at `position`; returns the position after its closing
// quote (or the end of the text when it has none).
size_t ReadQuotedItem(std::string_view text, size_t position, std::string& item) {
  ++position;  // the opening quote
  while (position < text.size()) {
    char c = text[position++];
    if (c != '"') {
      item += c;
      continue;
    }
    if (position < text.size() && text[position] == '"') {
      item += '"';
      ++position;
      continue;
    }
    break;
  }
  return position;
}

bool NeedsQuotes(const std::string& item) {
  if (item.empty()) return true;
  for (char c : item)
    if (IsSeparatorBlank(c) || c == '"' || c == ',') return true;
  return false;
}

}  // namespace

TStrings ReadListText(std::string_view text) {
  TStrings items;
  size_t position = SkipBlanks(text, 0);
  while (position < text.size()) {
    std::string item;
    if (text[position] == '"') {
      position = ReadQuotedItem(text, position, item);
    } else {
      size_t start = position;
      while (position < text.size() && !IsSeparatorBlank(text[position]) && text[position] != ',')
        ++position;
      item.assign(text.substr(start, position - start));
    }
    items.push_back(std::move(item));
    position = SkipBlanks(text, position);
    if (position < text.size() && text[position] == ',') position = SkipBlanks(text, position + 1);
  }
  return items;
}

std::string RenderListText(const TStrings& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += ',';
    const std::string& item = items[i];
    // An empty item is quoted wherever it stands: left bare at the end of the list, it would
    // read back as a trailing comma, which adds no item.
    if (!NeedsQuotes(item)) {
      text += item;
      continue;
    }
    text += '"';
    for (char c : item) {
      if (c == '"') text += '"';
      text += c;
    }
    text += '"';
  }
  return text;
}

}  // namespace tgl
