#include "config/ConfigFiles.h"

#include "app/RootUnit.h"
#include "app/TextUtils.h"
#include "config/IniFile.h"
#include "config/IniSnapshot.h"
#include "config/ResourceIniFile.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

std::string WithoutExtension(const std::string& fileName) {
  size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

void ExportNamedValues(TCustomIniFile& catalogue, const std::string& section) {
  TStrings lines;
  catalogue.ReadSectionValues(section, lines);
  for (const std::string& value : ValuesOfNameParts(lines)) ExportConfigFile(value);
}

}  // namespace

bool ResourceExists(const std::string& name) {
  return EmbeddedTexts().Find(name).has_value();
}

std::unique_ptr<TCustomIniFile> OpenConfigFile(const std::string& fileName) {
  std::string path = Files().FindFile(Startup().ProgramDir, fileName);
  if (!path.empty()) return std::make_unique<TIniFile>(path);
  return std::make_unique<TResourceIniFile>(WithoutExtension(fileName));
}

std::unique_ptr<TCustomIniFile> ReadConfigFile(const std::string& fileName) {
  std::string path = Files().FindFile(Startup().ProgramDir, fileName);
  if (!path.empty()) return std::make_unique<TIniSnapshot>(path, TIniFile(path).Snapshot());
  return std::make_unique<TResourceIniFile>(WithoutExtension(fileName));
}

bool ExportConfigFile(const std::string& name) {
  std::optional<std::string_view> text = EmbeddedTexts().Find(name);
  if (!text) return false;
  TFileSystem& files = Files();
  const std::string& folder = Startup().ProgramDir;
  std::string fileName = name + ".Cfg";
  // An existing file of that name in another letter case is the file to replace.
  std::string existing = files.FindFile(folder, fileName);
  files.WriteFile(existing.empty() ? folder + fileName : existing, *text);
  return true;
}

void ExportAllConfigFiles() {
  std::unique_ptr<TCustomIniFile> catalogue = OpenConfigFile(CardsFileName);
  ExportConfigFile("Cards");
  ExportNamedValues(*catalogue, "Files");
  ExportNamedValues(*catalogue, "FilesNT");
}

bool HandleExportCommand(const TStrings& arguments) {
  if (arguments.empty()) return false;
  std::string command = UpperCase(arguments.front());
  if (command == "/EXPORTALL") {
    ExportAllConfigFiles();
    return true;
  }
  const std::string prefix = "/EXPORT:";
  if (command.size() < prefix.size() + 1 || command.compare(0, prefix.size(), prefix) != 0)
    return false;
  return ExportConfigFile(command.substr(prefix.size()));
}

}  // namespace tgl
