// The option hub with a panel: SelectCard places the card's frame and binds every option,
// ShowValues shows the options' values, and the states a failed selection leaves behind.
#include <gtest/gtest.h>

#include "BoundHubTest.h"
#include "base/Errors.h"

namespace tgl::test {
namespace {

using HubFrame = TBoundHubTest;

TEST_F(HubFrame, SelectCardPlacesTheFrameThenBindsEveryOptionThenNotifies) {
  bool boundWhenNotified = false;
  Hub.OnReloadValues = [&] {
    boundWhenNotified = Hub.Frame() != nullptr;
    for (int index = 0; index < Hub.OptionCount(); ++index)
      boundWhenNotified = boundWhenNotified && Hub.Options(index).Proxy() != nullptr;
  };
  const TrlCardConfig& card = Select("GeForce");
  ASSERT_NE(Hub.Frame(), nullptr);
  EXPECT_EQ(Hub.Frame()->ClassName(), "TGeForceFrame");
  EXPECT_EQ(Hub.Frame()->Card(), &card);
  EXPECT_TRUE(Hub.Frame()->HasParent());
  EXPECT_TRUE(boundWhenNotified);

  TGenericTuningFrame* frame = Hub.Frame();
  Hub.SelectCard(&card);
  EXPECT_EQ(Hub.Frame(), frame) << "the same card again builds nothing";
}

TEST_F(HubFrame, TheFrameKeyOfTheCardsOwnFileChoosesTheFrame) {
  WriteDefinition("Mine", {"[%General%]", "include=TNT", "Frame=tnt"});
  WriteDefinition("Outer", {"[%General%]", "include=Inner"});
  WriteDefinition("Inner", {"[%General%]", "Frame=Test"});
  Select("Mine");
  EXPECT_EQ(Hub.Frame()->ClassName(), "TTNTFrame");
  // A frame named only by an included file does not count: "Outer" is no frame name.
  const TrlCardConfig& outer = NewCard("Outer");
  try {
    Hub.SelectCard(&outer);
    ADD_FAILURE() << "no error";
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(), "Couldn't find appropriate tuning frame");
  }
}

TEST_F(HubFrame, ShowValuesWithoutACardIsTheSilentAbort) {
  EXPECT_THROW(Hub.ShowValues(true), EAbort);
  EXPECT_THROW(Hub.ShowValues(false), EAbort);
  Select("TNT");
  Hub.SelectCard(nullptr);
  EXPECT_EQ(Hub.Frame(), nullptr);
  EXPECT_EQ(Hub.OptionCount(), 0);
  EXPECT_THROW(Hub.ShowValues(true), EAbort);
}

TEST_F(HubFrame, ShowValuesShowsTheLoadedValuesAndChangesNone) {
  Folder.Write("Games.CFG",
               "[%%Default%_GeForce%]\r\nDX VSync=2\r\nGL Anisotropic filtering=2\r\n"
               "DX WBuffer=0\r\nDX Prerender=4\r\n");
  Select("GeForce");
  Hub.SetProfileName("%Default%");
  Hub.LoadFromProfile();
  Hub.ShowValues(false);
  EXPECT_EQ(ControlOf("DX VSync").ItemIndex(), -1) << "false shows nothing";

  Hub.ShowValues(true);
  EXPECT_EQ(ControlOf("DX VSync").ItemIndex(), 2);
  EXPECT_TRUE(ControlOf("GL Anisotropic filtering").Checked());
  EXPECT_FALSE(ControlOf("DX WBuffer").Checked());
  EXPECT_EQ(ControlOf("DX Prerender").ItemIndex(), -1) << "4 is no value of the option";
  EXPECT_EQ(ControlOf("DX Texel alignment").ItemIndex(), 4) << "the default, 3";
  EXPECT_TRUE(ControlOf("DX S3TC").Checked()) << "the default, 1";
  EXPECT_FALSE(Hub.IsModified());
  EXPECT_EQ(OptionNamed("DX Prerender").Value(), "4");

  ControlOf("DX WBuffer").Click();
  EXPECT_EQ(OptionNamed("DX WBuffer").Value(), "1");
  EXPECT_TRUE(Hub.IsModified());
  Hub.RevertValues();
  Hub.ShowValues(true);
  EXPECT_FALSE(ControlOf("DX WBuffer").Checked());
}

TEST_F(HubFrame, AFrameNobodyRegisteredLeavesTheCardAndItsOptionsWithoutFrameAndProxies) {
  WriteDefinition("Orphan", {"[%General%]", "Frame=Nowhere", "[Opt]", "Type=Switch",
                             "Control=Check", "LinkTag=7"});
  int notified = 0;
  Hub.OnReloadValues = [&] { ++notified; };
  const TrlCardConfig& tnt = Select("TNT");
  const TrlCardConfig& orphan = NewCard("Orphan");
  notified = 0;
  try {
    Hub.SelectCard(&orphan);
    ADD_FAILURE() << "no error";
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(), "Couldn't find appropriate tuning frame");
  }
  EXPECT_EQ(notified, 0);
  EXPECT_EQ(Hub.CurrentCard(), &orphan);
  ASSERT_EQ(Hub.OptionCount(), 1);
  EXPECT_EQ(Hub.Frame(), nullptr);
  EXPECT_EQ(Hub.Options(0).Proxy(), nullptr);
  Hub.ShowValues(true);  // skips the option without proxy
  Hub.SelectCard(&orphan);
  EXPECT_EQ(Hub.Frame(), nullptr) << "the recorded card is not selected anew";

  Hub.SelectCard(&tnt);
  ASSERT_NE(Hub.Frame(), nullptr);
  EXPECT_EQ(Hub.Frame()->ClassName(), "TTNTFrame");
  EXPECT_NE(OptionNamed("DX VSync").Proxy(), nullptr);
  EXPECT_EQ(notified, 1);
}

TEST_F(HubFrame, ShowValuesSkipsTheOptionsThatARefusedProxyLeftUnbound) {
  WriteDefinition("Half", {"[%General%]", "Frame=Test",
                           "[First]", "Type=Switch", "Control=Check", "LinkTag=7",
                           "[Refused]", "Type=List", "Control=Check", "LinkTag=8",
                           "[Later]", "Type=Switch", "Control=Combo", "LinkTag=9"});
  const TrlCardConfig& card = NewCard("Half");
  EXPECT_THROW(Hub.SelectCard(&card), EAbort);
  OptionNamed("First").SetValue("1");
  OptionNamed("Later").SetValue("0");
  Hub.ShowValues(true);
  EXPECT_TRUE(ControlNamed("Check7").Checked());
  EXPECT_EQ(ControlNamed("Combo9").ItemIndex(), -1);
  EXPECT_TRUE(ControlNamed("Combo9").Items().empty());
}

TEST_F(HubFrame, AHubWithoutAPanelLoadsOptionsButMakesNoFrame) {
  TFieldHub plain;
  const TrlCardConfig& card = NewCard("GeForce");
  plain.SelectCard(&card);
  EXPECT_EQ(plain.OptionCount(), 18);
  EXPECT_EQ(plain.Frame(), nullptr);
  for (int index = 0; index < plain.OptionCount(); ++index)
    EXPECT_EQ(plain.Options(index).Proxy(), nullptr);
  plain.ShowValues(true);
}

// Controls that count how many of them are alive, and a proxy that notes how many still
// were when it was freed.
int LiveControls = 0;

class TCountedControl : public THeadlessControl {
public:
  explicit TCountedControl(const TFrameComponent& component) : THeadlessControl(component) {
    ++LiveControls;
  }
  ~TCountedControl() override { --LiveControls; }
};

class TCountingPanel : public TFramePanel {
public:
  std::unique_ptr<TControlSet> Realize(const std::vector<TFrameComponent>& layout) override {
    auto controls = std::make_unique<TControlSet>();
    for (const TFrameComponent& component : layout)
      controls->Add(std::make_unique<TCountedControl>(component));
    return controls;
  }
};

class TNotingProxy : public TOptionProxy {
public:
  explicit TNotingProxy(std::vector<int>& notes) : Notes(notes) {}
  ~TNotingProxy() override { Notes.push_back(LiveControls); }
  std::vector<int>& Notes;
};

TEST_F(HubFrame, TheFrameAndItsControlsGoBeforeTheProxiesThatPointToThem) {
  TCountingPanel panel;
  std::vector<int> liveAtProxyEnd;
  {
    TFieldHub hub(Frames, panel);
    const TrlCardConfig& geForce = NewCard("GeForce");
    const TrlCardConfig& tnt = NewCard("TNT");
    hub.SelectCard(&geForce);
    EXPECT_GT(LiveControls, 0);
    hub.Options(0).SetProxy(std::make_unique<TNotingProxy>(liveAtProxyEnd));
    hub.Options(hub.OptionCount() - 1).SetProxy(std::make_unique<TNotingProxy>(liveAtProxyEnd));
    hub.SelectCard(&tnt);
    EXPECT_EQ(liveAtProxyEnd, (std::vector<int>{0, 0}));
    hub.Options(0).SetProxy(std::make_unique<TNotingProxy>(liveAtProxyEnd));
  }
  EXPECT_EQ(liveAtProxyEnd, (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(LiveControls, 0);
}

}  // namespace
}  // namespace tgl::test
