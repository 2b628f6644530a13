#include "FuzzPlatform.h"

#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/BackupRotation.h"

namespace tgl::fuzz {

std::string TMemoryFiles::FindFile(const std::string& folder, const std::string& name) const {
  for (const auto& [path, bytes] : Files)
    if (path.size() == folder.size() + name.size() && path.compare(0, folder.size(), folder) == 0 &&
        SameText(std::string_view(path).substr(folder.size()), name))
      return path;
  return {};
}

bool TMemoryFiles::ReadFileInto(const std::string& path, size_t maxBytes, std::string& content) const {
  auto found = Files.find(path);
  content.assign(found == Files.end() ? std::string_view() : std::string_view(found->second).substr(0, maxBytes));
  return found != Files.end();
}

void TMemoryFiles::WriteFile(const std::string& path, std::string_view bytes) {
  Files[path] = std::string(bytes);
}

void TMemoryFiles::AppendToFile(const std::string& path, std::string_view bytes) {
  Files[path].append(bytes);
}

bool TMemoryFiles::ReplaceInOneStep(const std::string& source, const std::string& target) {
  auto found = Files.find(source);
  if (found == Files.end()) return false;
  std::string bytes = std::move(found->second);
  Files.erase(found);
  Files[target] = std::move(bytes);
  return true;
}

bool TMemoryFiles::RenameFile(const std::string& source, const std::string& target) {
  if (Files.count(target)) return false;
  return ReplaceInOneStep(source, target);
}

namespace {

// The target's own texts come first: one of them stands in for the built-in text of its name.
std::vector<TEmbeddedEntry> BuiltInTextsAnd(const std::vector<TEmbeddedEntry>& extraTexts) {
  std::vector<TEmbeddedEntry> entries = extraTexts;
  entries.insert(entries.end(), BuiltInTexts().begin(), BuiltInTexts().end());
  return entries;
}

}  // namespace

TFuzzPlatform::TFuzzPlatform(bool withIniCache, const std::vector<TEmbeddedEntry>& extraTexts)
    : TextEntries(BuiltInTextsAnd(extraTexts)),
      Texts(TextEntries),
      Scope(TPlatform{&Files, &Texts, &Messages, &Desktop, withIniCache ? &Cache : nullptr,
                      nullptr, nullptr, &CodePage}) {
  Startup() = TStartupState{};
  GamesBackup().reset();
  Startup().ProgramDir = FuzzProgramDir;
}

TFuzzPlatform::~TFuzzPlatform() {
  Startup() = TStartupState{};
  GamesBackup().reset();
}

}  // namespace tgl::fuzz
