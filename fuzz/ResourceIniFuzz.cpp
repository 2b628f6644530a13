// Feeds arbitrary bytes to the reader of embedded texts as the embedded text "FUZZ", and
// exports it. Lookups must agree with the lists the reader gives (the first section of a
// name wins, a key is found by the exact text before its "="), numbers must parse without
// harm, writes must be refused, and the export must write the very bytes it holds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzPlatform.h"
#include "base/Errors.h"
#include "base/TextUtils.h"
#include "config/ConfigFiles.h"
#include "config/ResourceIniFile.h"

namespace {

using namespace tgl;
using namespace tgl::fuzz;

void CheckSection(TCustomIniFile& reader, const std::string& section) {
  TStrings names, lines;
  reader.ReadSection(section, names);
  reader.ReadSectionValues(section, lines);
  if (names.size() != lines.size()) std::abort();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (Trim(lines[i]).size() != lines[i].size()) std::abort();
    if (names[i] != Trim(NamePart(lines[i]))) std::abort();
    const std::string name(NamePart(lines[i]));
    // The first line of a name answers for it, whatever the later ones hold. A key that is
    // found reads the same under any default; no one default text would do, as the input
    // can spell any text as a value.
    if (IndexOfName(lines, name) == static_cast<int>(i) && lines[i].find('=') != std::string::npos &&
        reader.ReadString(section, name, "a") != reader.ReadString(section, name, "b"))
      std::abort();
    reader.ReadInteger(section, name, 0);
    reader.ReadBool(section, name, true);
  }
}

void CheckRefusesWrites(TCustomIniFile& reader) {
  int refused = 0;
  auto expectRefusal = [&](auto write) {
    try {
      write();
    } catch (const EError& error) {
      if (std::string_view(error.what()) == "TResourceIniFile: couldn't modify data (only read allowed)")
        ++refused;
    }
  };
  expectRefusal([&] { reader.WriteString("S", "K", "V"); });
  expectRefusal([&] { reader.WriteBool("S", "K", true); });
  expectRefusal([&] { reader.EraseSection("S"); });
  expectRefusal([&] { reader.DeleteKey("S", "K"); });
  if (refused != 4) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TFuzzPlatform platform(/*withIniCache=*/false, {{"FUZZ", text}});

  TResourceIniFile reader("fuzz");
  TStrings sections;
  reader.ReadSections(sections);
  for (const std::string& section : sections) CheckSection(reader, section);
  CheckSection(reader, "");
  CheckRefusesWrites(reader);

  // The reader that a lookup of the file name gives reads the same text.
  std::unique_ptr<TCustomIniFile> found = ReadConfigFile("FUZZ.CFG");
  TStrings foundSections;
  found->ReadSections(foundSections);
  if (foundSections != sections) std::abort();

  if (!ExportConfigFile("Fuzz")) std::abort();
  if (platform.Files.Files.size() != 1 ||
      platform.Files.Files[std::string(FuzzProgramDir) + "Fuzz.Cfg"] != text)
    std::abort();
  return 0;
}
