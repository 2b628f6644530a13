// Edits a disk INI file of arbitrary bytes through the program's writer and reads it back.
// The input is a script of edits (its length in the first byte) followed by the file's
// bytes. Every edit goes through TIniFile::Modify onto files in memory, with the INI cache
// installed, and the same edit is made on a document kept in memory that is never written.
// What the file then holds must read back as that document, in the file's own encoding;
// an edit the writer refuses must leave the file's bytes as they were.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "FuzzPlatform.h"
#include "base/Errors.h"
#include "config/IniFile.h"
#include "config/TextEncoding.h"

namespace {

using namespace tgl;
using namespace tgl::fuzz;

const std::string FilePath = std::string(FuzzProgramDir) + "Test.ini";

// The same reading of two documents: their sections in order and every key with its value.
void CheckSameContent(const TIniDocument& expected, const TIniDocument& actual) {
  const TStrings sections = expected.SectionNames();
  if (actual.SectionNames() != sections) std::abort();
  for (const std::string& section : sections)
    if (actual.KeysWithValues(section) != expected.KeysWithValues(section)) std::abort();
}

// A value as the file gives it back: without blanks at its ends, nor the matching quotes
// around it, as the Windows profile functions read it.
std::string ReadBack(std::string_view value) {
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

// A name that the file holds (chosen by number) or a new one from the script.
std::string SectionName(TFuzzInput& script, const TIniDocument& document) {
  const uint8_t choice = script.Byte();
  const TStrings sections = document.SectionNames();
  if ((choice & 1) && !sections.empty()) return sections[(choice >> 1) % sections.size()];
  return script.Text();
}

std::string KeyName(TFuzzInput& script, const TIniDocument& document, const std::string& section) {
  const uint8_t choice = script.Byte();
  const TStrings keys = document.KeyNames(section);
  if ((choice & 1) && !keys.empty()) return keys[(choice >> 1) % keys.size()];
  return script.Text();
}

// One edit, made on `document`; afterwards checks what the edit promises on its own.
using TEdit = std::function<void(TIniDocument&)>;
TEdit NextEdit(TFuzzInput& script, const TIniDocument& model) {
  const uint8_t kind = script.Byte() % 5;
  std::string section = SectionName(script, model);
  if (kind == 0 || kind == 1) {
    std::string key = KeyName(script, model, section);
    if (kind == 1)
      return [=](TIniDocument& document) {
        document.DeleteKey(section, key);
        if (document.Find(section, key)) std::abort();
      };
    std::string value = script.Text();
    return [=](TIniDocument& document) {
      document.Set(section, key, value);
      if (document.Find(section, key) != std::string_view(ReadBack(value))) std::abort();
    };
  }
  if (kind == 2)
    return [=](TIniDocument& document) {
      document.EraseSection(section);
      if (document.HasSection(section)) std::abort();
    };
  // Every section whose name begins with the chosen text moves or is copied under a name
  // that puts another text in front of it.
  std::string prefix = script.Text().substr(0, 4), front = script.Text();
  auto rename = [=](std::string_view name) -> std::optional<std::string> {
    if (name.substr(0, prefix.size()) != prefix) return std::nullopt;
    return front + std::string(name);
  };
  if (kind == 3) return [=](TIniDocument& document) { document.MoveSections(rename); };
  return [=](TIniDocument& document) { document.CopySections(rename); };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFuzzInput input(data, size);
  const size_t scriptSize = input.Byte();
  TFuzzInput script(input.Take(scriptSize));
  const std::string original(input.Remainder());

  TFuzzPlatform platform(/*withIniCache=*/true);
  platform.Files.OneStepReplace = scriptSize % 2 == 0;
  platform.Files.Files[FilePath] = original;
  const TDecodedText decoded = DecodeText(original);
  TIniDocument model(decoded.Text);
  TIniFile file(FilePath);

  for (int edits = 0; edits < 16 && !script.Empty(); ++edits) {
    TEdit edit = NextEdit(script, model);
    const std::string before = platform.Files.Files[FilePath];
    TIniDocument edited = model;
    bool refused = false;
    try {
      edit(edited);
    } catch (const EIniFormat&) {
      refused = true;
    }
    try {
      file.Modify(edit);
    } catch (const EError&) {
      // Refused by the document, or a Unicode file whose text the code page cannot hold.
      if (!refused && decoded.Reversible) std::abort();
      if (platform.Files.Files[FilePath] != before) std::abort();
      continue;
    }
    if (refused) std::abort();
    model = std::move(edited);

    const std::string& written = platform.Files.Files[FilePath];
    const TDecodedText readBack = DecodeText(written);
    if (!written.empty() && readBack.Encoding != decoded.Encoding) std::abort();
    CheckSameContent(model, TIniDocument(readBack.Text));
    // Through the reader, with the cache, too.
    for (const std::string& section : model.SectionNames())
      for (const auto& [key, value] : model.KeysWithValues(section))
        if (file.ReadString(section, std::string(key), "\x01") != value) std::abort();
    if (platform.Files.Files.size() != 1) std::abort();  // no side file left behind
  }
  return 0;
}
