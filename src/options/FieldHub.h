#pragma once
// The option hub: every tuning option of the selected card, loaded from the card's tuning
// definition file and the files it includes, the card's tuning frame with a control proxy
// binding each option to its control, and the transfers of the options' values between
// the options and the game profiles in Games.CFG or the driver registry.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/StringList.h"
#include "cards/CardConfig.h"
#include "config/CustomIniFile.h"
#include "options/OptionKeywords.h"
#include "options/RegistryOption.h"
#include "options/RegistryPath.h"
#include "options/RegistryWritePlan.h"
#include "options/RegistryWriteReport.h"
#include "platform/Registry.h"

namespace tgl {

class TFramePanel;
class TFrameRegistry;
class TGenericTuningFrame;

class TFieldHub {
public:
  // A hub that puts the tuning frame of each card it selects into `panel`, made by its
  // name from `frames`. Both must outlive the hub.
  TFieldHub(const TFrameRegistry& frames, TFramePanel& panel);
  // A hub without a panel: it loads and transfers options but makes no frame and binds no
  // controls, as the tools that only move values need.
  TFieldHub();
  virtual ~TFieldHub();
  TFieldHub(const TFieldHub&) = delete;
  TFieldHub& operator=(const TFieldHub&) = delete;

  // Raised when SelectCard or SetProfileName changed what the options should hold.
  std::function<void()> OnReloadValues;

  // Makes `card` the current card: frees the old card's frame, then its options with their
  // proxies; loads the new card's options, creates its frame, binds every option to its
  // control and raises OnReloadValues. Nothing happens when `card` already is the current
  // card. A failure passes out with the new card current, the options loaded so far in
  // place, and the frame and the proxies missing as far as they were not built: a load
  // failure (the silent abort, "String contains non-HEX data"), "Couldn't find appropriate
  // tuning frame", and the errors and the silent abort of the control proxies.
  // No card (nullptr) leaves the hub without options and frame.
  // A hub with a panel keeps a card that was fully made, with its options, proxies and
  // frame (hidden), instead of freeing it, and a return to it takes that back with every
  // value as freshly loaded, as long as its definition files still hold what they held
  // (otherwise it is made anew). Making a frame's windows is most of what a card change
  // costs, and a user who changes cards goes back and forth between a few.
  void SelectCard(const TrlCardConfig* card);
  const TrlCardConfig* CurrentCard() const { return FCurrentCard; }
  // The current card's tuning frame; none without a card, without a panel, or when it
  // could not be made.
  TGenericTuningFrame* Frame() const { return FFrame.get(); }

  // With `show`, every option that has a proxy shows its value in its control; with false
  // nothing happens, since the controls write into their options as they change.
  // The silent abort without a card.
  void ShowValues(bool show);

  int OptionCount() const { return static_cast<int>(FOptions.size()); }
  // Error: "List index out of bounds (%d)" for an index outside the list.
  TRegistryOption& Options(int index);
  const TRegistryOption& Options(int index) const;

  // The path list: entry 0 is the card's driver key, the others come from "%General%".
  const TStrings& Paths() const { return FPaths; }
  // Error: "List index out of bounds (%d)" for a number outside the list.
  const std::string& PathEntry(int index) const;

  const std::string& FrameName() const { return FFrameName; }
  // The frame named in "%General%", or the card's tuning file when none was named.
  std::string GetFrameName() const;
  // The current card's tuning file; empty without a card.
  std::string GetTuningFile() const;
  const TRegistryOption* CommonTemplate() const { return FCommonTemplate.get(); }

  const std::string& ProfileName() const { return FProfileName; }
  // Raises OnReloadValues when the name changes (letter case counts).
  void SetProfileName(const std::string& name);

  // Exchange every option's value with the card section of the profile in Games.CFG; a
  // missing or empty key loads the option's default. Afterwards SavedValue equals Value.
  // Silent abort without a tuning file or a profile name.
  void LoadFromProfile() { TransferProfile(false); }
  void SaveToProfile() { TransferProfile(true); }
  virtual void TransferProfile(bool save);
  // "%" + profile name + "_" + tuning file + "%".
  std::string CardSectionName() const;
  // The silent abort when the tuning file or the profile name is empty.
  void CheckProfileReady() const;
  // The option's key in its card section.
  std::string ProfileKeyOf(const TRegistryOption& option) const;

  // Exchange every option's value with its driver registry value, through one registry
  // object for the whole transfer. A value that cannot be read, converted or written is
  // logged and skipped: a failed read takes the option's default. Read values outside an
  // option's list are put back to its default; with NotifyOnWrongValue one warning tells
  // the user. Reading leaves SavedValue alone, writing changes no option.
  // Errors that end the transfer at an option: "List index out of bounds (%d)" for a path
  // number outside the path list, "DeficeKey is wrongly parsed for Display number in
  // Windows 9x" for "%NN%" when the driver key ends in no number.
  void ReadFromRegistry() { TransferRegistry(false); }
  TRegistryWriteReport WriteToRegistry() { return WriteToRegistry(PlanRegistryWrite()); }
  // Reading is ReadFromRegistry; writing is WriteToRegistry with its report dropped.
  virtual void TransferRegistry(bool write);

  // Where every option's value goes and the data it stores, worked out without touching the
  // registry (options/RegistryWritePlan.h). An error that would end the write at an option
  // is kept as the plan's Failure.
  TRegistryWritePlan PlanRegistryWrite() const;
  // Writes what the plan says as WriteToRegistry does, then reads every value back through
  // the same registry object. The report names each value that could not be stored and
  // each that reads back as other data; each of them is logged too. Nothing is reported for
  // BINARY storage, which writes nothing by design, nor for a value a later option of the
  // plan stores again. The plan's Failure is raised after the values before it are written,
  // and no values are read back then.
  TRegistryWriteReport WriteToRegistry(const TRegistryWritePlan& plan);

  // Whether some option's value differs from the one last loaded or saved.
  bool IsModified() const;
  void RevertValues();

  static TControlKind ControlKindOf(std::string_view text) { return tgl::ControlKindOf(text); }
  static TOptionType OptionTypeOf(std::string_view text) { return tgl::OptionTypeOf(text); }
  static TOptionType OptionTypeOr(std::string_view text, TOptionType fallback) {
    return tgl::OptionTypeOr(text, fallback);
  }
  static TStoreAs StoreAsOf(std::string_view text) { return tgl::StoreAsOf(text); }
  static TOptionClass OptionClassFor(TOptionType type) { return tgl::OptionClassFor(type); }

  // The highest path entry number that "%General%" may set; larger numbers are skipped
  // like any other path key that cannot be set.
  static constexpr int MaxPathEntry = 255;
  // The most tuning definition files one SelectCard loads, every include counted. Beyond
  // it the load ends in the silent abort, as a broken definition ends it.
  static constexpr int MaxFileLoads = 64;
  // The most cards kept for a return; beyond it the one left longest ago is freed. More
  // than the embedded catalogue lists, since each costs memory and window handles.
  static constexpr int MaxKeptCards = 16;

protected:
  // Loads the tuning definition file `name` (without extension) with everything it
  // includes, reading each file once. An include of a file that is still being loaded
  // further up, under whatever name, is skipped; an option section whose name cannot be a
  // key of Games.CFG is left out and logged.
  void LoadFile(const std::string& name);
  virtual void LoadGeneral(TCustomIniFile& ini);
  virtual void LoadOptions(TCustomIniFile& ini);

  // The steps of SelectCard after loading. CreateFrame makes the frame named by
  // GetFrameName and puts it in the panel; error: "Couldn't find appropriate tuning
  // frame". LinkControls gives each option, in order, the proxy of its control kind and
  // ends at the first option that gets none. The hub without a panel does neither.
  virtual void CreateFrame();
  virtual void LinkControls();

  // Where an option's value lies. Named is false when its path entry is empty.
  // Errors: "List index out of bounds (%d)", "DeficeKey is wrongly parsed for Display
  // number in Windows 9x".
  struct TOptionLocation {
    TRootKey Root = TRootKey::rkLocalMachine;
    TValueLocation Location;
    bool Named = false;
  };
  TOptionLocation LocateOption(const TRegistryOption& option) const;

  // Where an option's value lies, and whether its key is open in the registry object.
  struct TOptionKey {
    bool Opened = false;
    TValueLocation Location;
  };
  // Sets the root of the option's path and opens its key: read-only, or for writing and
  // created when missing. An empty path entry names no location and opens nothing.
  TOptionKey OpenOptionKey(TRegistry& registry, bool readOnly, const TRegistryOption& option) const;
  // "\Registry\Machine" as "\HKLM", and the card's display number for "%NN%".
  std::string NormalizePath(const std::string& path) const;

  void AddPath(const std::string& path) { FPaths.push_back(path); }
  // Appends empty entries until the list has more than `index` entries.
  void EnsurePathCount(int index);

private:
  // A definition file loaded for the current card, by the name it was asked for, with the
  // fingerprint of what it held (ConfigFiles.h).
  struct TLoadedFile {
    std::string Name;
    std::string Fingerprint;
  };
  // A card left for another, ready for a return. Freed as the current card is: the frame
  // first, then the options.
  struct TKeptCard {
    ~TKeptCard();
    const TrlCardConfig* Card = nullptr;
    TStrings Paths;
    std::string FrameName;
    std::vector<TLoadedFile> Files;
    std::unique_ptr<TRegistryOption> CommonTemplate;
    std::vector<std::unique_ptr<TRegistryOption>> Options;
    std::unique_ptr<TGenericTuningFrame> Frame;
  };

  // Keeps the current card when it was fully made, frees it otherwise; either way the hub
  // is left without a card's options, paths and frame.
  void LeaveCard();
  // The kept card `card`, taken out of the kept ones; nullptr when it is not kept.
  std::unique_ptr<TKeptCard> TakeKeptCard(const TrlCardConfig* card);
  // Makes `kept` the current card's options, paths and frame; false (and `kept` freed)
  // when there is none or its definition files changed since it was made.
  bool ReturnToKeptCard(std::unique_ptr<TKeptCard> kept);
  // Frees the frame, then the options with their proxies, then the common template.
  void ClearCard();
  void ClearOptions();
  void LoadPathKey(TCustomIniFile& ini, const std::string& key);
  void LoadOptionSection(TCustomIniFile& ini, const std::string& section);
  TRegistryOption* FindOption(const std::string& name) const;
  // True when the value read was outside the option's list and became its default.
  bool ReadOption(TRegistry& registry, TRegistryOption& option, const TOptionKey& key);

  std::vector<std::unique_ptr<TRegistryOption>> FOptions;
  TStrings FPaths;
  std::string FProfileName;
  const TrlCardConfig* FCurrentCard = nullptr;
  const TFrameRegistry* FFrames = nullptr;
  TFramePanel* FPanel = nullptr;
  std::string FFrameName;
  // Declared after the options, so that even an implicit destruction frees it first: its
  // controls call the proxies back, and the proxies point to its controls.
  std::unique_ptr<TGenericTuningFrame> FFrame;
  std::unique_ptr<TRegistryOption> FCommonTemplate;
  // The files being loaded, outermost first, to refuse an include that would loop.
  TStrings FLoadingFiles;
  int FLoadCount = 0;  // the loads of the current SelectCard
  // What the current card's options were loaded from, while every file could be read for
  // its fingerprint; the card can be kept once its frame and proxies are made.
  std::vector<TLoadedFile> FLoadedFiles;
  bool FFilesKnown = false;
  bool FCardMade = false;
  // The least recently left first.
  std::vector<std::unique_ptr<TKeptCard>> FKeptCards;
};

}  // namespace tgl
