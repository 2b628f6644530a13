#include "config/ConfigFiles.h"

#include <string_view>
#include <vector>

#include "base/Crc32.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
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

// The path as Windows resolves it, upper-cased: "sub\..\.\A.CFG" and "a.cfg" are one file.
std::string ResolvedPath(std::string_view path) {
  std::vector<std::string_view> steps;
  bool absolute = !path.empty() && (path.front() == '/' || path.front() == '\\');
  while (!path.empty()) {
    size_t separator = path.find_first_of("/\\");
    std::string_view step = path.substr(0, separator);
    path.remove_prefix(separator == std::string_view::npos ? path.size() : separator + 1);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
      continue;
    }
    // Windows drops the dots and blanks at the end of a name ("Sub." is Sub).
    while (!step.empty() && (step.back() == '.' || step.back() == ' ')) step.remove_suffix(1);
    if (!step.empty()) steps.push_back(step);
  }
  std::string resolved = absolute ? "\\" : "";
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) resolved += '\\';
    resolved.append(steps[i]);
  }
  return UpperCase(resolved);
}

}  // namespace

bool ResourceExists(const std::string& name) {
  return EmbeddedTexts().Find(name).has_value();
}

std::string TConfigSource::Identity() const {
  if (!DiskPath.empty()) return "file:" + ResolvedPath(DiskPath);
  if (ResourceExists(ResourceName)) return "text:" + UpperCase(ResourceName);
  return {};
}

TConfigSource FindConfigFile(const std::string& fileName) {
  return {Files().FindFile(Startup().ProgramDir, fileName), WithoutExtension(fileName)};
}

std::optional<std::string> ContentFingerprint(const TConfigSource& source) {
  std::string identity = source.Identity();
  if (source.DiskPath.empty()) return identity;
  std::optional<std::string> bytes = Files().ReadFile(source.DiskPath, TIniFile::MaxFileSize + 1);
  if (!bytes) return std::nullopt;
  return identity + ' ' + std::to_string(bytes->size()) + ' ' + std::to_string(Crc32(*bytes));
}

std::unique_ptr<TCustomIniFile> OpenConfigFile(const std::string& fileName) {
  TConfigSource source = FindConfigFile(fileName);
  if (!source.DiskPath.empty()) return std::make_unique<TIniFile>(source.DiskPath);
  return std::make_unique<TResourceIniFile>(source.ResourceName);
}

std::unique_ptr<TCustomIniFile> ReadConfigFile(const TConfigSource& source) {
  if (source.DiskPath.empty()) return std::make_unique<TResourceIniFile>(source.ResourceName);
  return std::make_unique<TIniSnapshot>(source.DiskPath, TIniFile(source.DiskPath).Snapshot());
}

std::unique_ptr<TCustomIniFile> ReadConfigFile(const std::string& fileName) {
  return ReadConfigFile(FindConfigFile(fileName));
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
