// Feeds arbitrary bytes to the disk INI reader: the decoding of a file's bytes, the parsed
// document and its text, and the name=value lists that its sections fill. Every property
// checked here is one the program relies on when it reads and rewrites Games.CFG.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/StringList.h"
#include "config/IniDocument.h"
#include "config/ResourceIniFile.h"
#include "config/TextEncoding.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"

namespace {

using namespace tgl;

// A file that is written back unchanged keeps every line, each ended by CR LF.
void CheckText(const TIniDocument& document, std::string_view text) {
  std::string expected;
  for (const std::string& line : SplitLines(text)) expected += line + "\r\n";
  if (document.Text() != expected) std::abort();
  if (TIniDocument(document.Text()).Text() != expected) std::abort();
}

// The values of a section as one pass gives them are the values key by key lookups give,
// and merging them into a list in one pass is merging them one by one.
void CheckSection(const TIniDocument& document, const std::string& section, const TStrings& list) {
  TNameValues keys = document.KeysWithValues(section);
  if (keys.size() != document.KeyNames(section).size()) std::abort();
  for (const auto& [name, value] : keys)
    if (document.Find(section, name) != value) std::abort();
  TStrings once = list, oneByOne = list;
  SetValuesOf(once, keys);
  for (const auto& [name, value] : keys) SetValueOf(oneByOne, name, value);
  if (once != oneByOne) std::abort();
  TStrings values = ValuesOfNameParts(once);
  for (size_t i = 0; i < once.size(); ++i)
    if (values[i] != ValueOf(once, NamePart(once[i]))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  TWindows1252 codePage;
  TPlatformScope scope(TPlatform{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 &codePage});
  TDecodedText decoded = DecodeText(bytes);
  if (decoded.Reversible != (EncodeText(decoded.Text, decoded.Encoding) == bytes)) std::abort();

  TIniDocument document(decoded.Text);
  CheckText(document, decoded.Text);
  // The lines of the text itself make a list with every kind of line in it.
  const TStrings list = SplitLines(decoded.Text);
  for (const std::string& section : document.SectionNames()) CheckSection(document, section, list);
  CheckSection(document, "", list);
  return 0;
}
