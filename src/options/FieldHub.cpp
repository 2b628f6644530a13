#include "options/FieldHub.h"

#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/ConfigFiles.h"
#include "config/IniDocument.h"
#include "config/Log.h"
#include "panels/TuningFrame.h"

namespace tgl {
namespace {

[[noreturn]] void FailListIndex(int index) {
  throw EError(Format("List index out of bounds (%d)", {std::to_string(index)}));
}

}  // namespace

TFieldHub::TFieldHub(const TFrameRegistry& frames, TFramePanel& panel)
    : FFrames(&frames), FPanel(&panel) {}

TFieldHub::TFieldHub() = default;

TFieldHub::~TFieldHub() { ClearCard(); }

// The frame goes first: its controls hold handlers that call the proxies, and the proxies
// hold the controls, so no control may outlive the proxy it calls.
void TFieldHub::ClearCard() {
  FFrame.reset();
  ClearOptions();
  FCommonTemplate.reset();
}

void TFieldHub::ClearOptions() {
  // Lists free their items from the last to the first.
  while (!FOptions.empty()) FOptions.pop_back();
}

TRegistryOption& TFieldHub::Options(int index) {
  if (index < 0 || index >= OptionCount()) FailListIndex(index);
  return *FOptions[index];
}

const TRegistryOption& TFieldHub::Options(int index) const {
  if (index < 0 || index >= OptionCount()) FailListIndex(index);
  return *FOptions[index];
}

const std::string& TFieldHub::PathEntry(int index) const {
  if (index < 0 || index >= static_cast<int>(FPaths.size())) FailListIndex(index);
  return FPaths[index];
}

void TFieldHub::EnsurePathCount(int index) {
  while (static_cast<int>(FPaths.size()) <= index) FPaths.emplace_back();
}

std::string TFieldHub::GetTuningFile() const {
  return FCurrentCard ? FCurrentCard->TuningFile : std::string();
}

std::string TFieldHub::GetFrameName() const {
  return FFrameName.empty() ? GetTuningFile() : FFrameName;
}

void TFieldHub::SetProfileName(const std::string& name) {
  if (name == FProfileName) return;
  FProfileName = name;
  if (OnReloadValues) OnReloadValues();
}

void TFieldHub::SelectCard(const TrlCardConfig* card) {
  if (card == FCurrentCard) return;
  // Taken out of the kept ones first, so that keeping the card left frees another.
  std::unique_ptr<TKeptCard> kept = TakeKeptCard(card);
  LeaveCard();
  FCurrentCard = card;
  if (!card) return;
  if (!ReturnToKeptCard(std::move(kept))) {
    AddPath(FieldText(card->Device.DeviceKey));
    FLoadCount = 0;
    FFilesKnown = true;
    LoadFile(GetTuningFile());
    CreateFrame();
    LinkControls();
    FCardMade = FPanel && FFrame && FFilesKnown;
  }
  if (OnReloadValues) OnReloadValues();
}

TRegistryOption* TFieldHub::FindOption(const std::string& name) const {
  for (auto option = FOptions.rbegin(); option != FOptions.rend(); ++option)
    if ((*option)->Name() == name) return option->get();
  return nullptr;
}

void TFieldHub::LoadFile(const std::string& name) {
  TConfigSource source = FindConfigFile(name + ".CFG");
  // A file that includes itself, directly or through others, would otherwise load forever,
  // whatever spelling of its name each include uses.
  const std::string identity = source.Identity();
  if (!identity.empty())
    for (const std::string& loading : FLoadingFiles)
      if (loading == identity) return;
  // Files that include one another twice over double the loads at every step; what no
  // sound set of files comes near ends the load as a broken definition does.
  if (++FLoadCount > MaxFileLoads) {
    WriteLog(Format("Loading of \"%s\" stopped: more than %d tuning definition files to load",
                    {GetTuningFile(), std::to_string(MaxFileLoads)}));
    Abort();
  }
  if (FPanel && FFilesKnown) {
    std::optional<std::string> fingerprint = ContentFingerprint(source);
    if (fingerprint)
      FLoadedFiles.push_back({name, std::move(*fingerprint)});
    else
      FFilesKnown = false;
  }
  FLoadingFiles.push_back(identity);
  struct TLoadingEntry {
    TStrings& Files;
    ~TLoadingEntry() { Files.pop_back(); }
  } entry{FLoadingFiles};
  std::unique_ptr<TCustomIniFile> ini = ReadConfigFile(source);
  LoadGeneral(*ini);
  LoadOptions(*ini);
}

void TFieldHub::LoadGeneral(TCustomIniFile& ini) {
  const std::string general = "%General%";
  TStrings keys;
  ini.ReadSection(general, keys);
  for (const std::string& key : keys) {
    if (StartsWithText(key, "PATH"))
      LoadPathKey(ini, key);
    else if (StartsWithText(key, "INCLUDE"))
      LoadFile(ini.ReadString(general, key, ""));
  }
  FFrameName = ini.ReadString(general, "Frame", "");
}

// A path key that names no usable entry is skipped without a word.
void TFieldHub::LoadPathKey(TCustomIniFile& ini, const std::string& key) {
  std::optional<int32_t> index = ParseInteger(Trim(std::string_view(key).substr(4)));
  if (!index || *index < 0 || *index > MaxPathEntry) return;
  try {
    std::string path = ini.ReadString("%General%", key, "");
    EnsurePathCount(*index);
    FPaths[*index] = std::move(path);
  } catch (const std::exception&) {
  }
}

void TFieldHub::LoadOptions(TCustomIniFile& ini) {
  TStrings sections;
  ini.ReadSections(sections);
  std::unique_ptr<TRegistryOption> common =
      TRegistryOption::CreateFrom(this, FCommonTemplate.get(), "%Common%", ini);
  FCommonTemplate = TRegistryOption::CreateFrom(
      this, common.get(), IsNTMode() ? "%CommonNT%" : "%Common9x%", ini);
  for (const std::string& section : sections) {
    if (!section.empty() && section.front() == '%') continue;
    // Such an option could never be saved to a profile, and its failing save would stop the
    // saves of every other option of the card.
    if (!TIniDocument::IsKeyName(section)) {
      WriteLog(Format("Option \"%s\" left out: its name cannot be a key of Games.CFG", {section}));
      continue;
    }
    LoadOptionSection(ini, section);
  }
}

// A section named like an existing option overrides it: the new option starts from the old
// one, takes its class unless the section names another type, and moves to the end.
void TFieldHub::LoadOptionSection(TCustomIniFile& ini, const std::string& section) {
  std::string type = ini.ReadString(section, "Type", "");
  if (TRegistryOption* existing = FindOption(section)) {
    TOptionClass optionClass = OptionClassFor(OptionTypeOr(type, existing->OptionType()));
    FOptions.push_back(optionClass(this, existing, section, ini));
    for (auto option = FOptions.begin(); option != FOptions.end(); ++option)
      if (option->get() == existing) {
        FOptions.erase(option);
        break;
      }
    return;
  }
  TOptionClass optionClass = OptionClassFor(OptionTypeOf(type));
  FOptions.push_back(optionClass(this, FCommonTemplate.get(), section, ini));
}

}  // namespace tgl
