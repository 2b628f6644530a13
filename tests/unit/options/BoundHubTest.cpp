#include "BoundHubTest.h"

#include <stdexcept>

namespace tgl::test {
namespace {

constexpr TFrameComponent TestComponents[] = {
    Label("", "SharedLabel", "Shared", 5, 8, 8, 40),
    Label("", "LonelyLabel", "Lonely", 6, 8, 32, 40),
    ComboBox("", "SharedCombo", 5, 88, 4, 100),
    CheckBox("", "Check7", "Check seven", 7, 8, 56, 120),
    CheckBox("", "Check8", "Check eight", 8, 8, 80, 120),
    ComboBox("", "Combo9", 9, 88, 104, 100),
    ComboBox("", "Combo10", 10, 88, 128, 100),
    ComboBox("", "FirstCombo12", 12, 88, 152, 100),
    ComboBox("", "LastCombo12", 12, 88, 176, 100),
    GroupBox("", "Group", "Group", 200, 8, 100, 90),
};

}  // namespace

TTestFrame::TTestFrame(const TrlCardConfig* card) : TGenericTuningFrame(card) {
  AddComponents(TestComponents);
}

TBoundHubTest::TBoundHubTest() {
  RegisterBuiltInFrames(Frames);
  Frames.RegisterTuningFrame("Test", &FrameClassOf<TTestFrame>);
}

void TBoundHubTest::WriteDefinition(const std::string& name,
                                    std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  Folder.Write(name + ".CFG", text);
}

const TrlCardConfig& TBoundHubTest::NewCard(const std::string& tuningFile) {
  auto card = std::make_unique<TrlCardConfig>();
  card->CardName = tuningFile;
  card->TuningFile = tuningFile;
  CopyToCharBuffer(card->Device.DeviceKey, "System\\CurrentControlSet\\Services\\Class\\Display\\0000");
  Cards.push_back(std::move(card));
  return *Cards.back();
}

const TrlCardConfig& TBoundHubTest::Select(const std::string& tuningFile) {
  const TrlCardConfig& card = NewCard(tuningFile);
  Hub.SelectCard(&card);
  return card;
}

TRegistryOption& TBoundHubTest::OptionNamed(const std::string& name) {
  for (int index = 0; index < Hub.OptionCount(); ++index)
    if (Hub.Options(index).Name() == name) return Hub.Options(index);
  throw std::logic_error("no option " + name);
}

TControlProxy* TBoundHubTest::ProxyOf(const std::string& optionName) {
  return dynamic_cast<TControlProxy*>(OptionNamed(optionName).Proxy());
}

THeadlessControl& TBoundHubTest::ControlOf(const std::string& optionName) {
  TControlProxy* proxy = ProxyOf(optionName);
  if (!proxy) throw std::logic_error("no proxy for " + optionName);
  auto* control = dynamic_cast<THeadlessControl*>(proxy->Control());
  if (!control) throw std::logic_error("no control for " + optionName);
  return *control;
}

THeadlessControl& TBoundHubTest::ControlNamed(std::string_view name) {
  if (!Hub.Frame()) throw std::logic_error("no frame");
  return HeadlessControl(Hub.Frame()->Controls(), name);
}

}  // namespace tgl::test
