// Frames placed in a panel: one control per component in component order, lookup by Tag
// where the last component wins, the order the controls are freed in, and the headless
// controls that the tests use in place of windows.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "panels/FrameRegistry.h"
#include "support/HeadlessControls.h"

namespace tgl::test {
namespace {

std::unique_ptr<TGenericTuningFrame> PlacedFrame(const std::string& name) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  auto frame = registry.CreateTuningFrame(name, nullptr);
  THeadlessPanel panel;
  frame->SetParent(panel);
  return frame;
}

TEST(PlacedFrame, HasOneControlPerComponentInComponentOrder) {
  for (const char* name : {"TNT", "GeForce", "Radeon", "Voodoo3", "VSA100", "RagePro"}) {
    auto frame = PlacedFrame(name);
    const TControlSet& controls = frame->Controls();
    ASSERT_EQ(controls.Count(), static_cast<int>(frame->Layout().size())) << name;
    for (int index = 0; index < controls.Count(); ++index) {
      EXPECT_EQ(controls.Controls(index).Name(), frame->Layout()[index].Name);
      EXPECT_EQ(controls.Controls(index).Tag(), frame->Layout()[index].Tag);
      EXPECT_EQ(controls.Controls(index).Kind(), frame->Layout()[index].Kind);
    }
  }
}

TEST(PlacedFrame, ATagSharedWithALabelFindsTheControlBesideIt) {
  struct Case {
    const char* Frame;
    int Tag;
    const char* Control;
  } cases[] = {
      {"TNT", 121, "DXPreRenderCombo"},   {"TNT", 119, "DXVSyncCombo"},
      {"TNT", 1, "GLVSyncCombo"},         {"TNT", 4, "GLTextureCombo"},
      {"GeForce", 4, "GLTextureCombo"},   {"GeForce", 143, "ComboBox1"},
      {"GeForce", 201, "AntialiasingCombo"}, {"Radeon", 205, "AntiModeBox"},
      {"Radeon", 206, "ComboBox2"},       {"Voodoo3", 201, "ComboBox1"},
      {"Voodoo3", 206, "ComboBox4"},      {"VSA100", 106, "HSRCombo"},
      {"RagePro", 1, "GameRefreshCombo"},
  };
  for (const Case& c : cases) {
    auto frame = PlacedFrame(c.Frame);
    TControl* control = frame->Controls().LastWithTag(c.Tag);
    ASSERT_NE(control, nullptr) << c.Frame << " " << c.Tag;
    EXPECT_EQ(control->Name(), c.Control) << c.Frame << " " << c.Tag;
  }
  // Whatever the frame: no Tag other than 0 ends on a label.
  for (const char* name : {"TNT", "GeForce", "Radeon", "Voodoo3", "VSA100", "RagePro"}) {
    auto frame = PlacedFrame(name);
    for (const auto& control : frame->Controls()) {
      if (control->Tag() == 0) continue;
      EXPECT_NE(frame->Controls().LastWithTag(control->Tag())->Kind(), cmLabel)
          << name << " " << control->Tag();
    }
  }
  EXPECT_EQ(PlacedFrame("TNT")->Controls().LastWithTag(999), nullptr);
}

TEST(PlacedFrame, ControlsShowTheLayoutUntilSomethingChangesThem) {
  auto frame = PlacedFrame("GeForce");
  const TControlSet& controls = frame->Controls();
  EXPECT_EQ(controls.Find("S3TCCheck")->Caption(), "Enable S3 texture compression");
  EXPECT_FALSE(controls.Find("S3TCCheck")->Checked());
  EXPECT_EQ(controls.Find("GroupBox1")->Caption(), "Antialiasing");
  EXPECT_EQ(controls.Find("OpenGLSheet")->Caption(), "OpenGL");
  EXPECT_FALSE(controls.Find("Label7")->Visible());
  EXPECT_FALSE(controls.Find("GLTextureCombo")->Visible());
  EXPECT_TRUE(controls.Find("GLFlippingCombo")->Visible());
  EXPECT_TRUE(controls.Find("ComboBox1")->Items().empty());
  EXPECT_EQ(controls.Find("ComboBox1")->ItemIndex(), -1);
  EXPECT_EQ(controls.Find("ComboBox1")->DropDownCount(), DefaultDropDownCount);
  EXPECT_EQ(controls.Find("PageControl1")->ItemIndex(), 0);  // DirectXSheet first
  EXPECT_EQ(controls.Find("NoSuchComponent"), nullptr);
}

TEST(PlacedFrame, AFrameIsPlacedOnce) {
  auto frame = PlacedFrame("RagePro");
  THeadlessPanel panel;
  try {
    frame->SetParent(panel);
    FAIL() << "no error";
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(), "TuningFrame: a frame is placed only once");
  }
  EXPECT_EQ(frame->Controls().Count(), 2);
}

TEST(PlacedFrame, AControlOutsideTheListIsAListIndexError) {
  auto frame = PlacedFrame("RagePro");
  for (int index : {-1, 2}) {
    try {
      frame->Controls().Controls(index);
      FAIL() << index;
    } catch (const EError& error) {
      EXPECT_EQ(std::string(error.what()), "List index out of bounds (" + std::to_string(index) + ")");
    }
  }
}

// Records the order in which controls and their host are freed.
struct TFreeLog {
  std::vector<std::string> Freed;
};

class TLoggedControl : public THeadlessControl {
public:
  TLoggedControl(const TFrameComponent& component, TFreeLog& log)
      : THeadlessControl(component), Log(log) {}
  ~TLoggedControl() override { Log.Freed.push_back(std::string(Name())); }
  TFreeLog& Log;
};

class TLoggedHost : public TControlHost {
public:
  explicit TLoggedHost(TFreeLog& log) : Log(log) {}
  ~TLoggedHost() override { Log.Freed.push_back("host"); }
  TFreeLog& Log;
};

TEST(ControlSet, FreesTheControlsFromTheLastToTheFirstThenTheirHost) {
  TFreeLog log;
  {
    TControlSet set(std::make_unique<TLoggedHost>(log));
    for (const char* name : {"Parent", "Child", "Grandchild"})
      set.Add(std::make_unique<TLoggedControl>(Label("", name, "", 0, 0, 0, 0), log));
  }
  EXPECT_EQ(log.Freed, (std::vector<std::string>{"Grandchild", "Child", "Parent", "host"}));
}

TEST(HeadlessCheckBox, AClickFlipsItAndNotifiesOncePerClick) {
  THeadlessControl box(CheckBox("", "Box", "Caption", 5, 0, 0, 10));
  std::vector<bool> seen;
  box.SetOnChange([&] { seen.push_back(box.Checked()); });
  box.Click();
  box.Click();
  box.Click();
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
  box.SetChecked(false);  // a change made by the program is no user's change
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(seen.size(), 3u);
}

TEST(HeadlessComboBox, ItemsSelectionAndPicks) {
  THeadlessControl combo(ComboBox("", "Combo", 7, 0, 0, 10));
  int changes = 0;
  combo.SetOnChange([&] { ++changes; });
  combo.SetItems({"One", "Two", "Three"});
  EXPECT_EQ(combo.Items(), (TStrings{"One", "Two", "Three"}));
  EXPECT_EQ(combo.ItemIndex(), -1);
  combo.SetItemIndex(2);
  EXPECT_EQ(combo.ItemIndex(), 2);
  combo.SetItemIndex(3);  // outside the entries: nothing is selected
  EXPECT_EQ(combo.ItemIndex(), -1);
  combo.SetItemIndex(1);
  combo.SetItems({"A", "B"});  // new entries, no selection
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(changes, 0);
  combo.Pick(1);
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
  combo.SetDropDownCount(15);
  EXPECT_EQ(combo.DropDownCount(), 15);
}

TEST(HeadlessControl, StateOfAnotherKindOfControlIsNotThere) {
  THeadlessControl label(Label("", "Label", "Text", 3, 0, 0, 10));
  label.SetChecked(true);
  label.SetItems({"x"});
  label.SetItemIndex(0);
  label.SetDropDownCount(9);
  label.Click();
  EXPECT_FALSE(label.Checked());
  EXPECT_TRUE(label.Items().empty());
  EXPECT_EQ(label.ItemIndex(), -1);
  EXPECT_EQ(label.DropDownCount(), 0);
  EXPECT_THROW(label.Pick(0), std::logic_error);

  THeadlessControl box(CheckBox("", "Box", "Caption", 5, 0, 0, 10));
  box.SetItems({"x"});
  EXPECT_TRUE(box.Items().empty());
}

TEST(HeadlessControl, CaptionHintVisibilityAndEnablingAreKept) {
  THeadlessControl box(CheckBox("", "Box", "S3TC xxxxxxxx", 5, 0, 0, 10));
  box.SetCaption("S3 texture compression");
  box.SetHint("Compress textures");
  box.SetVisible(false);
  box.SetEnabled(false);
  EXPECT_EQ(box.Caption(), "S3 texture compression");
  EXPECT_EQ(box.Hint(), "Compress textures");
  EXPECT_FALSE(box.Visible());
  EXPECT_FALSE(box.Enabled());
}

}  // namespace
}  // namespace tgl::test
