// The built-in tuning definitions against the frames chosen for them: every option finds a
// control of its kind by its LinkTag, and every check box and combo box is bound to an
// option.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/TextUtils.h"
#include "config/ResourceIniFile.h"
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

}  // namespace
}  // namespace tgl::test
