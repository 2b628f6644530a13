// Feeds arbitrary bytes to the list grammar, the hexadecimal rule and the definition loader.
// The first byte chooses the Windows mode (bit 0) and whether the text is read as a disk
// file or as an embedded text (bit 1); the rest is the text of the tuning definition file
// "FUZZ", which may include the built-in files and itself.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "base/StartupState.h"
#include "cards/CardConfig.h"
#include "config/BackupRotation.h"
#include "config/IniDocument.h"
#include "options/FieldHub.h"
#include "options/HexNumber.h"
#include "options/ListText.h"
#include "platform/Platform.h"
#include "platform/TableTexts.h"
#include "platform/Windows1252.h"

namespace {

using namespace tgl;

const char* const ProgramFolder = "/fuzz/";
const char* const FuzzFile = "/fuzz/FUZZ.CFG";

// A program folder that holds at most the one fuzzed file and refuses every write.
class TFuzzFiles : public TFileSystem {
public:
  std::string_view Text;
  bool HasFile = false;

  std::string FindFile(const std::string& folder, const std::string& name) const override {
    return HasFile && folder == ProgramFolder && SameText(name, "FUZZ.CFG") ? FuzzFile : "";
  }
  bool FileExists(const std::string& path) const override { return HasFile && path == FuzzFile; }
  bool PathExists(const std::string& path) const override { return FileExists(path); }
  bool IsReadOnly(const std::string& path) const override { return FileExists(path); }
  bool ReadFileInto(const std::string& path, size_t maxBytes, std::string& content) const override {
    content.assign(FileExists(path) ? Text.substr(0, maxBytes) : std::string_view());
    return FileExists(path);
  }
  void WriteFile(const std::string& path, std::string_view) override {
    throw EError("Cannot create file " + path);
  }
  void AppendToFile(const std::string& path, std::string_view) override {
    throw EError("Cannot create file " + path);
  }
  bool CanReplaceInOneStep() const override { return true; }
  bool ReplaceInOneStep(const std::string&, const std::string&) override { return false; }
  bool RenameFile(const std::string&, const std::string&) override { return false; }
  bool RemoveFile(const std::string&) noexcept override { return false; }
};

class TSilentMessages : public TMessages {
public:
  void ShowMessage(const std::string&, TMessageKind) override {}
  TAnswer Ask(const std::string&, TQuestionButtons, TMessageKind) override {
    return TAnswer::anCancel;
  }
};

void CheckListRoundTrip(std::string_view text) {
  TStrings items = ReadListText(text);
  if (ReadListText(RenderListText(items)) != items) std::abort();
}

void CheckLists(const TRegistryOption& option) {
  if (ReadListText(option.StringsText()) != option.Strings()) std::abort();
  if (ReadListText(option.ValuesText()) != option.Values()) std::abort();
}

void CheckOption(const TRegistryOption& option) {
  if (!TIniDocument::IsKeyName(option.Name())) std::abort();  // it could never be saved
  CheckLists(option);
}

void LoadDefinition(std::string_view text, bool ntMode, bool fromDisk) {
  std::vector<TEmbeddedEntry> entries(BuiltInTexts().begin(), BuiltInTexts().end());
  if (!fromDisk) entries.push_back({"FUZZ", text});
  TTableTexts texts(entries);
  TFuzzFiles files;
  files.Text = text;
  files.HasFile = fromDisk;
  TSilentMessages messages;
  TWindows1252 codePage;
  TPlatformScope scope(TPlatform{&files, &texts, &messages, nullptr, nullptr, nullptr, nullptr,
                                 &codePage});
  Startup() = TStartupState{};
  GamesBackup().reset();
  Startup().ProgramDir = ProgramFolder;
  Startup().WindowsVersion = ntMode ? wvWindows2000 : wvWindows98;

  TrlCardConfig card;
  card.TuningFile = "FUZZ";
  TFieldHub hub;
  try {
    hub.SelectCard(&card);
  } catch (const EAbort&) {
  } catch (const EError& error) {
    if (std::string_view(error.what()) != "String contains non-HEX data") std::abort();
  }
  for (int i = 0; i < hub.OptionCount(); ++i) CheckOption(hub.Options(i));
  if (hub.CommonTemplate()) CheckLists(*hub.CommonTemplate());
  if (hub.Paths().empty() || static_cast<int>(hub.Paths().size()) > TFieldHub::MaxPathEntry + 1)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  CheckListRoundTrip(text);
  try {
    NormalizeNumber(text);
  } catch (const EError&) {
  }
  LoadDefinition(text, mode & 1, mode & 2);
  return 0;
}
