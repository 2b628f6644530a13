// The option hub with a panel: SelectCard places the card's frame and binds every option,
// ShowValues shows the options' values, and the states a failed selection leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "BoundHubTest.h"
#include "base/Errors.h"
#include "config/ConfigFiles.h"

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

// A panel whose frames note how many of their controls are alive and whether they are
// shown, and a proxy that notes how many of its frame's controls still were when it was
// freed.
struct TFrameNotes {
  int LiveControls = 0;
  bool Shown = false;
};

class TCountedControl : public THeadlessControl {
public:
  TCountedControl(const TFrameComponent& component, TFrameNotes& notes)
      : THeadlessControl(component), Notes(notes) {
    ++Notes.LiveControls;
  }
  ~TCountedControl() override { --Notes.LiveControls; }
  TFrameNotes& Notes;
};

class TNotedHost : public TControlHost {
public:
  explicit TNotedHost(TFrameNotes& notes) : Notes(notes) {}
  void Reveal() override { Notes.Shown = true; }
  void Conceal() override { Notes.Shown = false; }
  TFrameNotes& Notes;
};

class TNotingPanel : public TFramePanel {
public:
  std::unique_ptr<TControlSet> Realize(const std::vector<TFrameComponent>& layout) override {
    TFrameNotes& notes = *Frames.emplace_back(std::make_unique<TFrameNotes>());
    auto controls = std::make_unique<TControlSet>(std::make_unique<TNotedHost>(notes));
    for (const TFrameComponent& component : layout)
      controls->Add(std::make_unique<TCountedControl>(component, notes));
    controls->Reveal();
    return controls;
  }
  // Every frame made, in order; they outlive the hub.
  std::vector<std::unique_ptr<TFrameNotes>> Frames;
};

class TNotingProxy : public TOptionProxy {
public:
  TNotingProxy(std::vector<int>& notes, const TFrameNotes& frame) : Notes(notes), Frame(frame) {}
  ~TNotingProxy() override { Notes.push_back(Frame.LiveControls); }
  std::vector<int>& Notes;
  const TFrameNotes& Frame;
};

TEST_F(HubFrame, TheFrameAndItsControlsGoBeforeTheProxiesThatPointToThem) {
  TNotingPanel panel;
  std::vector<int> liveAtProxyEnd;
  {
    TFieldHub hub(Frames, panel);
    const TrlCardConfig& geForce = NewCard("GeForce");
    const TrlCardConfig& tnt = NewCard("TNT");
    const TrlCardConfig& broken = NewCard("Broken");
    hub.SelectCard(&geForce);
    EXPECT_GT(panel.Frames[0]->LiveControls, 0);
    hub.Options(0).SetProxy(std::make_unique<TNotingProxy>(liveAtProxyEnd, *panel.Frames[0]));
    hub.Options(hub.OptionCount() - 1)
        .SetProxy(std::make_unique<TNotingProxy>(liveAtProxyEnd, *panel.Frames[0]));
    hub.SelectCard(&tnt);
    EXPECT_TRUE(liveAtProxyEnd.empty()) << "the GeForce is kept for a return";
    hub.Options(0).SetProxy(std::make_unique<TNotingProxy>(liveAtProxyEnd, *panel.Frames[1]));
    // A card that could not be made is not kept: leaving it frees it at once.
    WriteDefinition("Broken", {"[%General%]", "Frame=Test", "[Refused]", "Type=List",
                               "Control=Check", "LinkTag=7"});
    EXPECT_THROW(hub.SelectCard(&broken), EAbort);
    hub.Options(0).SetProxy(std::make_unique<TNotingProxy>(liveAtProxyEnd, *panel.Frames[2]));
    hub.SelectCard(&tnt);
    EXPECT_EQ(liveAtProxyEnd, (std::vector<int>{0}));
  }
  EXPECT_EQ(liveAtProxyEnd, (std::vector<int>{0, 0, 0, 0}));
  for (const auto& frame : panel.Frames) EXPECT_EQ(frame->LiveControls, 0);
}

TEST_F(HubFrame, ACardLeftAndSelectedAgainIsTakenBackShownWithItsValuesAsFreshlyLoaded) {
  TNotingPanel panel;
  TFieldHub hub(Frames, panel);
  int reloads = 0;
  hub.OnReloadValues = [&] { ++reloads; };
  const TrlCardConfig& geForce = NewCard("GeForce");
  const TrlCardConfig& tnt = NewCard("TNT");
  hub.SelectCard(&geForce);
  TGenericTuningFrame* geForceFrame = hub.Frame();
  const TStrings paths = hub.Paths();
  const int options = hub.OptionCount();
  const std::string firstOption = hub.Options(0).Name();
  hub.Options(0).SetValue("1");
  hub.Options(0).SetSavedValue("2");

  hub.SelectCard(&tnt);
  ASSERT_EQ(panel.Frames.size(), 2u);
  EXPECT_FALSE(panel.Frames[0]->Shown);
  EXPECT_TRUE(panel.Frames[1]->Shown);
  EXPECT_EQ(hub.Frame()->ClassName(), "TTNTFrame");

  reloads = 0;
  hub.SelectCard(&geForce);
  EXPECT_EQ(panel.Frames.size(), 2u) << "no frame made anew";
  EXPECT_EQ(hub.Frame(), geForceFrame);
  EXPECT_TRUE(panel.Frames[0]->Shown);
  EXPECT_FALSE(panel.Frames[1]->Shown);
  EXPECT_EQ(hub.CurrentCard(), &geForce);
  EXPECT_EQ(hub.Options(0).Name(), firstOption);
  EXPECT_EQ(hub.Options(0).Value(), "");
  EXPECT_EQ(hub.Options(0).SavedValue(), "");
  EXPECT_EQ(hub.OptionCount(), options);
  EXPECT_EQ(hub.Paths(), paths);
  EXPECT_EQ(reloads, 1);
}

// A kept card whose definition files changed since is made anew from what they hold now.
TEST_F(HubFrame, AKeptCardIsMadeAnewWhenOneOfItsDefinitionFilesChanged) {
  struct TCase {
    const char* Change;
    std::function<void()> Make;
    bool MadeAnew;
  };
  const TCase cases[] = {
      {"none", [&] { WriteDefinition("Other", {"[%General%]"}); }, false},
      {"the card's own file",
       [&] { WriteDefinition("Mine", {"[%General%]", "include1=TNT", "include2=Inner", "Frame=tnt", ";"}); },
       true},
      {"an included file", [&] { WriteDefinition("Inner", {"[%General%]", ";"}); }, true},
      {"an embedded text now shadowed by a disk file", [] { ExportConfigFile("TNT"); }, true},
  };
  for (const TCase& c : cases) {
    WriteDefinition("Mine", {"[%General%]", "include1=TNT", "include2=Inner", "Frame=tnt"});
    WriteDefinition("Inner", {"[%General%]"});
    TNotingPanel panel;
    TFieldHub hub(Frames, panel);
    const TrlCardConfig& mine = NewCard("Mine");
    const TrlCardConfig& other = NewCard("GeForce");
    hub.SelectCard(&mine);
    hub.SelectCard(&other);
    c.Make();
    hub.SelectCard(&mine);
    EXPECT_EQ(panel.Frames.size(), c.MadeAnew ? 3u : 2u) << c.Change;
    EXPECT_EQ(hub.Frame()->ClassName(), "TTNTFrame");
    std::filesystem::remove(Folder.Path() + "TNT.Cfg");
  }
}

TEST_F(HubFrame, TheCardLeftLongestAgoIsFreedBeyondTheMostKept) {
  TNotingPanel panel;
  TFieldHub hub(Frames, panel);
  std::vector<const TrlCardConfig*> cards;
  for (int index = 0; index <= TFieldHub::MaxKeptCards + 1; ++index) {
    cards.push_back(&NewCard("TNT"));
    hub.SelectCard(cards.back());
  }
  const size_t made = panel.Frames.size();
  hub.SelectCard(cards[1]);
  EXPECT_EQ(panel.Frames.size(), made) << "still kept";
  EXPECT_EQ(panel.Frames[0]->LiveControls, 0) << "the first was freed";
  hub.SelectCard(cards[0]);
  EXPECT_EQ(panel.Frames.size(), made + 1);
}

}  // namespace
}  // namespace tgl::test
