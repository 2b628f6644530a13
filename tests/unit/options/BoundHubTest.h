#pragma once
// A hub that puts its frames in a headless panel, with the six built-in frames and a small
// "Test" frame registered, and helpers to reach an option's proxy and control.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "cards/CardConfig.h"
#include "options/ControlProxy.h"
#include "options/FieldHub.h"
#include "panels/FrameRegistry.h"
#include "support/HeadlessControls.h"
#include "support/TestSupport.h"

namespace tgl::test {

// The "Test" frame, straight on the frame:
//   Tag 5: label SharedLabel, then combo box SharedCombo    (the label comes first)
//   Tag 6: label LonelyLabel only
//   Tag 7, 8: check boxes Check7, Check8
//   Tag 9, 10: combo boxes Combo9, Combo10
//   Tag 12: combo boxes FirstCombo12, then LastCombo12
//   group box Group, Tag 0
class TTestFrame : public TGenericTuningFrame {
public:
  explicit TTestFrame(const TrlCardConfig* card);
  std::string_view ClassName() const override { return "TTestFrame"; }
};

class TBoundHubTest : public TCoreTest {
protected:
  TBoundHubTest();

  // Writes NAME.CFG into the program folder.
  void WriteDefinition(const std::string& name, std::initializer_list<std::string> lines);
  // Selects a card of this tuning file; the card lives as long as the test.
  const TrlCardConfig& Select(const std::string& tuningFile);
  // A card of this tuning file that is not selected yet.
  const TrlCardConfig& NewCard(const std::string& tuningFile);

  TRegistryOption& OptionNamed(const std::string& name);
  // The option's proxy, or nullptr when it has none.
  TControlProxy* ProxyOf(const std::string& optionName);
  // The control the option's proxy is bound to; the test fails when there is none.
  THeadlessControl& ControlOf(const std::string& optionName);
  THeadlessControl& ControlNamed(std::string_view name);

  TFrameRegistry Frames;
  THeadlessPanel Panel;
  // Before the hub, which points to the selected one.
  std::vector<std::unique_ptr<TrlCardConfig>> Cards;
  TFieldHub Hub{Frames, Panel};
};

}  // namespace tgl::test
