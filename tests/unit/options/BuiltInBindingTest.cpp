// The built-in tuning definitions against the frames chosen for them: every option finds a
// control of its kind by its LinkTag, and every check box and combo box is bound to an
// option; through the option hub, for every card of the catalogue, in both modes.
#include <gtest/gtest.h>

#include <algorithm>

#include "BoundHubTest.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "cards/CardCatalogue.h"
#include "config/ResourceIniFile.h"
#include "options/CheckControlProxy.h"
#include "options/ComboControlProxy.h"
#include "panels/FrameRegistry.h"
#include "support/HeadlessControls.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

struct TDefinedOption {
  std::string Name;
  std::string Type;
  std::string Control;
  int LinkTag;
};

// The options of a definition file and the files it includes, as the option hub loads
// them: a later section of the same name replaces the earlier option and keeps its Tag
// unless it gives its own; its type and control are never taken over.
void CollectOptions(const std::string& file, std::vector<TDefinedOption>& options) {
  TResourceIniFile ini(file);
  TStrings keys;
  ini.ReadSection("%General%", keys);
  for (const std::string& key : keys)
    if (StartsWithText(key, "INCLUDE")) CollectOptions(ini.ReadString("%General%", key, ""), options);
  TStrings sections;
  ini.ReadSections(sections);
  for (const std::string& section : sections) {
    if (section.starts_with("%")) continue;
    TDefinedOption option{section, "", "", -1};
    auto earlier = std::find_if(options.begin(), options.end(),
                                [&](const TDefinedOption& o) { return o.Name == section; });
    if (earlier != options.end()) {
      option.LinkTag = earlier->LinkTag;
      options.erase(earlier);
    }
    option.Type = UpperCase(ini.ReadString(section, "Type", ""));
    option.LinkTag = ini.ReadInteger(section, "LinkTag", option.LinkTag);
    // Without "Control" a switch gets a check box and anything else a combo box.
    option.Control = UpperCase(ini.ReadString(section, "Control", ""));
    if (option.Control.empty()) option.Control = option.Type == "SWITCH" ? "CHECK" : "COMBO";
    options.push_back(option);
  }
}

// The "Frame" of the file's own [%General%], or else the file's name.
std::string FrameNameOf(const std::string& file) {
  std::string frame = TResourceIniFile(file).ReadString("%General%", "Frame", "");
  return frame.empty() ? file : frame;
}

using BuiltInBinding = TCoreTest;

TEST_F(BuiltInBinding, EveryOptionFindsItsControlAndEveryControlItsOption) {
  struct Case {
    const char* TuningFile;
    const char* FrameClass;
    size_t Options;
  } cases[] = {
      {"Voodoo3", "TVoodoo3Frame", 7},     {"Vsa100", "TFrameVSA100Frame", 10},
      {"Voodoo4", "TFrameVSA100Frame", 10}, {"Voodoo6000", "TFrameVSA100Frame", 10},
      {"RagePro", "TRageProFrame", 1},     {"Radeon", "TRadeonFrame", 13},
      {"TNT", "TTNTFrame", 10},            {"GeForce", "TGeForceFrame", 18},
  };
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.TuningFile);
    std::vector<TDefinedOption> options;
    CollectOptions(c.TuningFile, options);
    EXPECT_EQ(options.size(), c.Options);
    auto frame = registry.CreateTuningFrame(FrameNameOf(c.TuningFile), nullptr);
    EXPECT_EQ(frame->ClassName(), c.FrameClass);
    THeadlessPanel panel;
    frame->SetParent(panel);

    for (const TDefinedOption& option : options) {
      TControl* control = frame->Controls().LastWithTag(option.LinkTag);
      ASSERT_NE(control, nullptr) << option.Name;
      EXPECT_EQ(control->Kind(), option.Control == "CHECK" ? cmCheckBox : cmComboBox) << option.Name;
    }
    for (const auto& control : frame->Controls()) {
      if (control->Kind() != cmCheckBox && control->Kind() != cmComboBox) continue;
      bool bound = std::any_of(options.begin(), options.end(), [&](const TDefinedOption& o) {
        return frame->Controls().LastWithTag(o.LinkTag) == control.get();
      });
      EXPECT_TRUE(bound) << control->Name();
    }
  }
}

using CatalogueBinding = TBoundHubTest;

// Each proxy is of the class of its option's control kind and bound to a control of that
// kind with the option's Tag, prepared from the option; every check box and combo box of
// the frame serves an option; the loaded defaults show as the options' values.
TEST_F(CatalogueBinding, EveryCardsOptionsBindToItsFrameAndEveryControlServesAnOption) {
  const std::vector<std::pair<std::string, std::string>> expectedFrames = {
      {"Voodoo3", "TVoodoo3Frame"},        {"Voodoo Series", "TFrameVSA100Frame"},
      {"Voodoo4 4500", "TFrameVSA100Frame"}, {"Voodoo5 5500", "TFrameVSA100Frame"},
      {"Voodoo5 6000", "TFrameVSA100Frame"}, {"Rage pro turbo", "TRageProFrame"},
      {"Radeon", "TRadeonFrame"},          {"TNT", "TTNTFrame"},
      {"GeForce", "TGeForceFrame"},
  };
  TResourceIniFile catalogue("Cards");
  TStrings cardNames;
  catalogue.ReadSection("Files", cardNames);
  ASSERT_EQ(cardNames.size(), expectedFrames.size());
  Hub.SetProfileName("%Default%");
  for (int version : {wvWindows98, wvWindows2000}) {
    Startup().WindowsVersion = version;
    for (size_t card = 0; card < cardNames.size(); ++card) {
      const std::string& cardName = cardNames[card];
      SCOPED_TRACE(cardName + (IsNTMode() ? " (NT)" : " (9x)"));
      EXPECT_EQ(cardName, expectedFrames[card].first);
      TrlCardConfig& config = const_cast<TrlCardConfig&>(NewCard(TuningFileOf(catalogue, cardName)));
      config.CardName = cardName;
      Hub.SelectCard(&config);
      ASSERT_NE(Hub.Frame(), nullptr);
      EXPECT_EQ(Hub.Frame()->ClassName(), expectedFrames[card].second);
      Hub.LoadFromProfile();
      Hub.ShowValues(true);

      std::vector<const TControl*> bound;
      for (int index = 0; index < Hub.OptionCount(); ++index) {
        const TRegistryOption& option = Hub.Options(index);
        SCOPED_TRACE(option.Name());
        auto* proxy = dynamic_cast<TControlProxy*>(option.Proxy());
        ASSERT_NE(proxy, nullptr);
        const TControl* control = proxy->Control();
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Tag(), option.LinkTag());
        EXPECT_EQ(control->Hint(), option.Description());
        if (option.ControlKind() == ckCheck) {
          EXPECT_NE(dynamic_cast<TCheckControlProxy*>(proxy), nullptr);
          ASSERT_EQ(control->Kind(), cmCheckBox);
          EXPECT_EQ(control->Caption(), option.Caption());
          EXPECT_EQ(control->Checked(), option.Value() == option.Values().at(0));
        } else {
          EXPECT_NE(dynamic_cast<TComboControlProxy*>(proxy), nullptr);
          ASSERT_EQ(control->Kind(), cmComboBox);
          EXPECT_EQ(control->Items(), option.Strings());
          EXPECT_EQ(control->DropDownCount(),
                    std::clamp(static_cast<int>(option.Values().size()), 5, 15));
          EXPECT_EQ(control->ItemIndex(), option.ValueIndex());
          EXPECT_NE(control->ItemIndex(), -1) << "the default " << option.Value() << " is listed";
        }
        bound.push_back(control);
      }
      for (const auto& control : Hub.Frame()->Controls()) {
        if (control->Kind() != cmCheckBox && control->Kind() != cmComboBox) continue;
        EXPECT_NE(control->Tag(), 0) << control->Name();
        EXPECT_NE(std::find(bound.begin(), bound.end(), control.get()), bound.end())
            << control->Name() << " serves no option";
      }
    }
  }
}

}  // namespace
}  // namespace tgl::test
