#pragma once
// One tuning setting of a display driver: one registry value, described by one section of
// a tuning definition file and held as text. TSwitchOption serves the types SWITCH and
// LIST, TRangeOption the type SLIDER; plain TRegistryOption objects are only the common
// templates that the option sections of a file start from.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/StringList.h"
#include "config/CustomIniFile.h"
#include "options/OptionKeywords.h"
#include "options/OptionProxy.h"

namespace tgl {

class TFieldHub;
class TRegistryOption;

// A class reference: builds an option of one class from `section`, taking over the fields
// of `templ` first when there is one.
using TOptionClass = std::unique_ptr<TRegistryOption> (*)(TFieldHub* hub,
                                                          const TRegistryOption* templ,
                                                          const std::string& section,
                                                          TCustomIniFile& ini);

class TRegistryOption {
public:
  virtual ~TRegistryOption() = default;
  TRegistryOption(const TRegistryOption&) = delete;
  TRegistryOption& operator=(const TRegistryOption&) = delete;

  static std::unique_ptr<TRegistryOption> Create(TFieldHub* hub, const std::string& section,
                                                 TCustomIniFile& ini);
  static std::unique_ptr<TRegistryOption> CreateFrom(TFieldHub* hub, const TRegistryOption* templ,
                                                     const std::string& section,
                                                     TCustomIniFile& ini);

  TFieldHub* Hub() const { return FHub; }
  const std::string& Name() const { return FName; }
  TControlKind ControlKind() const { return FControlKind; }
  TOptionType OptionType() const { return FOptionType; }
  int32_t LinkTag() const { return FLinkTag; }
  TStoreAs StoreAs() const { return FStoreAs; }
  const std::string& Value() const { return FValue; }
  const std::string& SavedValue() const { return FSavedValue; }
  const std::string& Default() const { return FDefault; }
  const TStrings& Strings() const { return FStrings; }
  const TStrings& Values() const { return FValues; }
  const std::string& Caption() const { return FCaption; }
  const std::string& Description() const { return FDescription; }
  const std::string& Key() const { return FKey; }
  int32_t PathIndex() const { return FPathIndex; }
  TOptionProxy* Proxy() const { return FProxy.get(); }
  bool OSDependent() const { return FOSDependent; }

  void SetControlKind(TControlKind kind) { FControlKind = kind; }
  void SetOptionType(TOptionType type) { FOptionType = type; }
  void SetLinkTag(int32_t tag) { FLinkTag = tag; }
  void SetStoreAs(TStoreAs storeAs) { FStoreAs = storeAs; }
  void SetDefault(const std::string& value) { FDefault = value; }
  void SetValue(const std::string& value) { FValue = value; }
  void SetSavedValue(const std::string& value) { FSavedValue = value; }
  void SetProxy(std::unique_ptr<TOptionProxy> proxy) { FProxy = std::move(proxy); }

  // The lists in their one-line form; reading that text back gives the same items.
  std::string StringsText() const;
  std::string ValuesText() const;
  // Replace the list by the items of `text`; an empty text leaves the list as it is.
  void SetStringsText(std::string_view text);
  void SetValuesText(std::string_view text);

  // Index of the first item of Values equal to Value (letter case counts), or -1.
  int ValueIndex() const;
  // Puts Default in place of a Value that is not among Values, with two log lines; true
  // when it did. Slider options are never checked.
  virtual bool CheckUpValue();

protected:
  explicit TRegistryOption(TFieldHub* hub) : FHub(hub) {}

  // Builds this object as the virtual constructor would: initial state, the template's
  // fields, then the option's own section.
  void Construct(const TRegistryOption* templ, const std::string& section, TCustomIniFile& ini);
  virtual void Initialize(const std::string& name);
  virtual void ReadDefinition(const std::string& section, TCustomIniFile& ini);

private:
  void TakeOver(const TRegistryOption& templ);

  // Declared in this order so that an option frees its proxy, then Values, then Strings.
  TFieldHub* FHub;
  std::string FName;
  TControlKind FControlKind = ckCombo;
  TOptionType FOptionType = otList;
  int32_t FLinkTag = -1;
  TStoreAs FStoreAs = saDWord;
  std::string FValue;
  std::string FSavedValue;
  std::string FDefault;
  TStrings FStrings;
  TStrings FValues;
  std::string FCaption;
  std::string FDescription;
  std::string FKey;
  int32_t FPathIndex = 0;
  std::unique_ptr<TOptionProxy> FProxy;
  bool FOSDependent = false;
};

// Options of the types SWITCH and LIST; without lists of their own they offer
// "Enable, Disable" for the values "1, 0".
class TSwitchOption : public TRegistryOption {
public:
  static std::unique_ptr<TRegistryOption> Create(TFieldHub* hub, const std::string& section,
                                                 TCustomIniFile& ini);
  static std::unique_ptr<TRegistryOption> CreateFrom(TFieldHub* hub, const TRegistryOption* templ,
                                                     const std::string& section,
                                                     TCustomIniFile& ini);

protected:
  using TRegistryOption::TRegistryOption;
  void Initialize(const std::string& name) override;
};

// Options of the type SLIDER.
class TRangeOption : public TRegistryOption {
public:
  static std::unique_ptr<TRegistryOption> Create(TFieldHub* hub, const std::string& section,
                                                 TCustomIniFile& ini);
  static std::unique_ptr<TRegistryOption> CreateFrom(TFieldHub* hub, const TRegistryOption* templ,
                                                     const std::string& section,
                                                     TCustomIniFile& ini);

protected:
  using TRegistryOption::TRegistryOption;
};

// The class of options of a type: TRangeOption for otSlider, TSwitchOption otherwise.
TOptionClass OptionClassFor(TOptionType type);

// In NT mode, `key` + "NT" when the section holds that key; otherwise `key`.
std::string NTKeyName(TCustomIniFile& ini, const std::string& section, const std::string& key);

}  // namespace tgl
