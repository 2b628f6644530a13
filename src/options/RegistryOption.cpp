#include "options/RegistryOption.h"

#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/Log.h"
#include "options/HexNumber.h"
#include "options/ListText.h"

namespace tgl {

std::string NTKeyName(TCustomIniFile& ini, const std::string& section, const std::string& key) {
  std::string ntKey = key + "NT";
  if (IsNTMode() && ini.ValueExists(section, ntKey)) return ntKey;
  return key;
}

TOptionClass OptionClassFor(TOptionType type) {
  return type == otSlider ? &TRangeOption::CreateFrom : &TSwitchOption::CreateFrom;
}

std::unique_ptr<TRegistryOption> TRegistryOption::Create(TFieldHub* hub, const std::string& section,
                                                         TCustomIniFile& ini) {
  return CreateFrom(hub, nullptr, section, ini);
}

std::unique_ptr<TRegistryOption> TRegistryOption::CreateFrom(TFieldHub* hub,
                                                             const TRegistryOption* templ,
                                                             const std::string& section,
                                                             TCustomIniFile& ini) {
  std::unique_ptr<TRegistryOption> option(new TRegistryOption(hub));
  option->Construct(templ, section, ini);
  return option;
}

void TRegistryOption::Construct(const TRegistryOption* templ, const std::string& section,
                                TCustomIniFile& ini) {
  Initialize(section);
  if (templ) TakeOver(*templ);
  ReadDefinition(section, ini);
}

void TRegistryOption::Initialize(const std::string& name) {
  FName = name;
  FStrings.clear();
  FValues.clear();
  FControlKind = ckCombo;
  FOptionType = otList;
  FLinkTag = -1;
  FStoreAs = saDWord;
  FOSDependent = false;
}

// The caption, the type, the control and the OS dependence belong to each section alone.
void TRegistryOption::TakeOver(const TRegistryOption& templ) {
  FStoreAs = templ.FStoreAs;
  FLinkTag = templ.FLinkTag;
  FDefault = templ.FDefault;
  FCaption = templ.FCaption;
  FDescription = templ.FDescription;
  FKey = templ.FKey;
  FPathIndex = templ.FPathIndex;
  SetStringsText(templ.StringsText());
  SetValuesText(templ.ValuesText());
}

// The order matters: the storage kind decides whether the values are hexadecimal-converted,
// and the type decides the implicit control.
void TRegistryOption::ReadDefinition(const std::string& section, TCustomIniFile& ini) {
  FCaption = ini.ReadString(section, "Caption", section);
  FDescription = ini.ReadString(section, "Description", FDescription);
  FKey = ini.ReadString(section, NTKeyName(ini, section, "Key"), FKey);
  FPathIndex = ini.ReadInteger(section, NTKeyName(ini, section, "Path"), FPathIndex);
  FOSDependent = ini.ReadBool(section, "OSDependent", FOSDependent);
  std::string storeAsKey = NTKeyName(ini, section, "StoreAs");
  if (ini.ValueExists(section, storeAsKey)) FStoreAs = StoreAsOf(ini.ReadString(section, storeAsKey, ""));
  if (ini.ValueExists(section, "Type")) FOptionType = OptionTypeOf(ini.ReadString(section, "Type", ""));
  if (ini.ValueExists(section, "Control"))
    FControlKind = ControlKindOf(ini.ReadString(section, "Control", ""));
  else if (FOptionType == otSwitch)
    FControlKind = ckCheck;
  FDefault = NormalizeNumber(ini.ReadString(section, NTKeyName(ini, section, "Default"), FDefault));
  SetStringsText(ini.ReadString(section, "Strings", StringsText()));
  SetValuesText(ini.ReadString(section, NTKeyName(ini, section, "Values"), ValuesText()));
  if (FStoreAs == saDWord || FStoreAs == saBinDWord)
    for (std::string& item : FValues) item = NormalizeNumber(item);
  FLinkTag = ini.ReadInteger(section, "LinkTag", FLinkTag);
}

std::string TRegistryOption::StringsText() const { return RenderListText(FStrings); }

std::string TRegistryOption::ValuesText() const { return RenderListText(FValues); }

void TRegistryOption::SetStringsText(std::string_view text) {
  if (!text.empty()) FStrings = ReadListText(text);
}

void TRegistryOption::SetValuesText(std::string_view text) {
  if (!text.empty()) FValues = ReadListText(text);
}

int TRegistryOption::ValueIndex() const {
  for (size_t i = 0; i < FValues.size(); ++i)
    if (FValues[i] == FValue) return static_cast<int>(i);
  return -1;
}

bool TRegistryOption::CheckUpValue() {
  if (FControlKind == ckSlider || ValueIndex() >= 0) return false;
  WriteLog("TRegistryOption.CheckUpValue: Value not in list");
  WriteLog(Format("  Value of \"%s\" is: \"%s\", setted default: \"%s\"", {FName, FValue, FDefault}));
  FValue = FDefault;
  return true;
}

std::unique_ptr<TRegistryOption> TSwitchOption::Create(TFieldHub* hub, const std::string& section,
                                                       TCustomIniFile& ini) {
  return CreateFrom(hub, nullptr, section, ini);
}

std::unique_ptr<TRegistryOption> TSwitchOption::CreateFrom(TFieldHub* hub,
                                                           const TRegistryOption* templ,
                                                           const std::string& section,
                                                           TCustomIniFile& ini) {
  std::unique_ptr<TSwitchOption> option(new TSwitchOption(hub));
  option->Construct(templ, section, ini);
  return option;
}

void TSwitchOption::Initialize(const std::string& name) {
  TRegistryOption::Initialize(name);
  SetStringsText("Enable, Disable");
  SetValuesText("1, 0");
}

std::unique_ptr<TRegistryOption> TRangeOption::Create(TFieldHub* hub, const std::string& section,
                                                      TCustomIniFile& ini) {
  return CreateFrom(hub, nullptr, section, ini);
}

std::unique_ptr<TRegistryOption> TRangeOption::CreateFrom(TFieldHub* hub,
                                                          const TRegistryOption* templ,
                                                          const std::string& section,
                                                          TCustomIniFile& ini) {
  std::unique_ptr<TRangeOption> option(new TRangeOption(hub));
  option->Construct(templ, section, ini);
  return option;
}

}  // namespace tgl
