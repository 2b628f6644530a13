// Control proxies on headless controls: the value texts a check box and a combo box stand
// for, what a control shows of its option's value, the drop-down lines, the binding by Tag,
// and the refusals and errors of binding and of reading a control.
#include <gtest/gtest.h>

#include "BoundHubTest.h"
#include "base/Errors.h"
#include "options/CheckControlProxy.h"
#include "options/ComboControlProxy.h"
#include "options/ProxyClass.h"

namespace tgl::test {
namespace {

using ControlProxy = TBoundHubTest;

TEST_F(ControlProxy, ACheckBoxStoresItsFirstValueTextCheckedAndItsSecondUnchecked) {
  struct Case {
    const char* Option;
    const char* Checked;
    const char* Unchecked;
  } cases[] = {
      {"GL Anisotropic filtering", "2", "0"},  // Values=2, 0
      {"DX Force Antialiasing", "8", "0"},     // Values=8, 0
      {"DX Enable Antialiasing", "1", "0"},    // no Values: the switch's own 1, 0
  };
  Select("GeForce");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Option);
    THeadlessControl& box = ControlOf(c.Option);
    OptionNamed(c.Option).SetValue("untouched");
    ASSERT_FALSE(box.Checked());
    box.Click();
    EXPECT_EQ(OptionNamed(c.Option).Value(), c.Checked);
    box.Click();
    EXPECT_EQ(OptionNamed(c.Option).Value(), c.Unchecked);
  }
}

TEST_F(ControlProxy, ACheckBoxIsCheckedExactlyForTheFirstValueText) {
  Select("GeForce");
  TRegistryOption& option = OptionNamed("GL Anisotropic filtering");
  THeadlessControl& box = ControlOf(option.Name());
  struct Case {
    const char* Value;
    bool Checked;
  } cases[] = {{"2", true}, {"0", false}, {"16", false}, {"", false}, {" 2", false}, {"2", true}};
  for (const Case& c : cases) {
    option.SetValue(c.Value);
    option.Proxy()->UpdateControl();
    EXPECT_EQ(box.Checked(), c.Checked) << c.Value;
    EXPECT_EQ(option.Value(), c.Value) << "showing a value changes no value";
  }
}

TEST_F(ControlProxy, AComboBoxSelectsTheEntryOfTheValueAndStoresThePickedEntrysValue) {
  Select("TNT");
  TRegistryOption& option = OptionNamed("DX Texel alignment");  // Values=7, 6, 5, 4, 3, 2, 1, 0
  THeadlessControl& combo = ControlOf(option.Name());
  EXPECT_EQ(combo.Name(), "TexelAlignmentCombo");
  EXPECT_EQ(combo.Items(), option.Strings());
  EXPECT_EQ(combo.Hint(), "Change alignment of texel corner");
  EXPECT_EQ(combo.ItemIndex(), -1) << "filled, but nothing selected before the values are shown";

  option.SetValue("3");
  option.Proxy()->UpdateControl();
  EXPECT_EQ(combo.ItemIndex(), 4);
  EXPECT_EQ(combo.Items()[4], "3 - Default");
  for (const char* outside : {"9", "", "03", "3 "}) {
    option.SetValue(outside);
    option.Proxy()->UpdateControl();
    EXPECT_EQ(combo.ItemIndex(), -1) << outside;
  }
  combo.Pick(1);
  EXPECT_EQ(option.Value(), "6");
  combo.Pick(7);
  EXPECT_EQ(option.Value(), "0");
}

TEST_F(ControlProxy, AComboBoxWithoutSelectionStandsForTheEmptyValue) {
  Select("TNT");
  TRegistryOption& option = OptionNamed("DX VSync");
  option.SetValue("2");
  ControlOf(option.Name()).SetItemIndex(-1);
  auto* proxy = dynamic_cast<TControlProxy*>(option.Proxy());
  EXPECT_EQ(proxy->ReadFromControl(), "");
  proxy->ControlChanged();
  EXPECT_EQ(option.Value(), "");
}

TEST_F(ControlProxy, TheDropDownListHasALinePerValueButFiveToFifteen) {
  struct Case {
    const char* Values;  // nullptr: none given, the switch's own two
    int Lines;
  } cases[] = {
      {nullptr, 5}, {"1", 5},  {"1, 2", 5},  {"1, 2, 3, 4, 5", 5}, {"1, 2, 3, 4, 5, 6", 6},
      {"1, 2, 3, 4, 5, 6, 7, 8", 8},  {"0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14", 15},
      {"0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15", 15},
      {"0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19", 15},
  };
  int number = 0;
  for (const Case& c : cases) {
    std::string file = "Lines" + std::to_string(number++);
    std::string values = c.Values ? std::string("Values=") + c.Values : "";
    WriteDefinition(file, {"[%General%]", "Frame=Test", "[Opt]", "Type=List", "Control=Combo",
                           "LinkTag=9", values});
    Select(file);
    EXPECT_EQ(ControlOf("Opt").DropDownCount(), c.Lines) << (c.Values ? c.Values : "none");
  }
  EXPECT_EQ(ComboDropDownCount(0), 5);
  EXPECT_EQ(ComboDropDownCount(-1), 5);
}

TEST_F(ControlProxy, ALabelWithTheSameTagNeverWinsOverTheControlBesideIt) {
  Select("TNT");
  EXPECT_EQ(OptionNamed("DX Prerender").LinkTag(), 121);
  EXPECT_EQ(ControlOf("DX Prerender").Name(), "DXPreRenderCombo");
  EXPECT_EQ(ControlNamed("Label3").Caption(), "Prerender limit") << "a label keeps its caption";

  WriteDefinition("Shared", {"[%General%]", "Frame=Test", "[Shared]", "Type=Switch",
                             "Control=Combo", "LinkTag=5", "[Twice]", "Type=Switch",
                             "Control=Combo", "LinkTag=12"});
  Select("Shared");
  EXPECT_EQ(ControlOf("Shared").Name(), "SharedCombo");
  EXPECT_EQ(ControlNamed("SharedLabel").Caption(), "Shared");
  EXPECT_EQ(ControlOf("Twice").Name(), "LastCombo12") << "the last component with the Tag wins";
  EXPECT_TRUE(ControlNamed("FirstCombo12").Items().empty());
}

TEST_F(ControlProxy, ALinkedCheckBoxShowsTheOptionsCaptionAndDescription) {
  Select("Vsa100");
  THeadlessControl& box = ControlOf("S3TC GL");
  EXPECT_EQ(box.Name(), "CheckBox1");
  EXPECT_EQ(box.Caption(), "Enable S3TC texture compression") << "laid out as \"S3TC xxxxxxxx\"";
  EXPECT_EQ(box.Hint(), "S3TC texture compression");
  EXPECT_FALSE(box.Checked()) << "as laid out until the values are shown";
}

std::string BindingOutcome(TFieldHub& hub, const TrlCardConfig& card) {
  try {
    hub.SelectCard(&card);
  } catch (const EAbort&) {
    return "<silent abort>";
  } catch (const EError& error) {
    return error.what();
  }
  return "<bound>";
}

// Between two good options: the bad one stops the binding at itself, the frame stays.
TEST_F(ControlProxy, AnOptionWithoutAFittingControlStopsTheBindingAtItself) {
  const std::string checkError = "TCheckControlProxy must be linked to CheckBox";
  const std::string comboError = "TComboControlProxy must be linked to ComboBox. Field \"Bad\"";
  struct Case {
    std::vector<std::string> Lines;
    std::string Outcome;
  } cases[] = {
      {{"Type=Switch", "Control=Radio", "LinkTag=9"}, "This type of control proxy not realized yet"},
      {{"Type=Slider", "Control=Slider", "LinkTag=9"}, "This type of control proxy not realized yet"},
      {{"Type=Switch", "Control=Check", "LinkTag=999"}, checkError},
      {{"Type=Switch", "Control=Combo", "LinkTag=999"}, comboError},
      {{"Type=Switch", "Control=Check"}, checkError},  // LinkTag -1
      {{"Type=List", "Control=Combo"}, comboError},
      {{"Type=Switch", "Control=Check", "LinkTag=9"}, checkError},   // a combo box
      {{"Type=Switch", "Control=Combo", "LinkTag=7"}, comboError},   // a check box
      {{"Type=Switch", "Control=Combo", "LinkTag=6"}, comboError},   // a label only
      {{"Type=Switch", "Control=Check", "LinkTag=6"}, checkError},
      {{"Type=Switch", "Control=Combo", "LinkTag=0"}, comboError},   // the group box
      {{"Type=List", "Control=Check", "LinkTag=8"}, "<silent abort>"},
      {{"Type=Slider", "Control=Check", "LinkTag=8"}, "<silent abort>"},
      {{"Type=Slider", "Control=Combo", "LinkTag=9"}, "<silent abort>"},
  };
  int number = 0;
  for (const Case& c : cases) {
    std::string file = "Bad" + std::to_string(number++);
    SCOPED_TRACE(c.Lines[0] + " " + c.Lines[1]);
    std::initializer_list<std::string> before = {"[%General%]", "Frame=Test", "[Before]",
                                                 "Type=Switch", "Control=Check", "LinkTag=7",
                                                 "[Bad]"};
    std::vector<std::string> lines(before);
    lines.insert(lines.end(), c.Lines.begin(), c.Lines.end());
    lines.insert(lines.end(), {"[After]", "Type=Switch", "Control=Combo", "LinkTag=10"});
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    Folder.Write(file + ".CFG", text);

    const TrlCardConfig& card = NewCard(file);
    EXPECT_EQ(BindingOutcome(Hub, card), c.Outcome);
    EXPECT_EQ(Hub.CurrentCard(), &card);
    ASSERT_EQ(Hub.OptionCount(), 3);
    ASSERT_NE(Hub.Frame(), nullptr);
    EXPECT_EQ(ControlOf("Before").Name(), "Check7");
    EXPECT_EQ(OptionNamed("Bad").Proxy(), nullptr);
    EXPECT_EQ(OptionNamed("After").Proxy(), nullptr);
    EXPECT_TRUE(ControlNamed("Combo10").Items().empty()) << "the later options bound nothing";
  }
}

TEST_F(ControlProxy, OnlyCheckAndComboHaveAProxyClass) {
  EXPECT_EQ(ProxyClassFor(ckCheck), &TCheckControlProxy::Create);
  EXPECT_EQ(ProxyClassFor(ckCombo), &TComboControlProxy::Create);
  for (TControlKind kind : {ckRadio, ckSlider}) {
    try {
      ProxyClassFor(kind);
      ADD_FAILURE() << kind;
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), "This type of control proxy not realized yet");
    }
  }
}

TEST_F(ControlProxy, AStateWithoutAValueTextFailsAndTheOptionKeepsItsValue) {
  WriteDefinition("Short", {"[%General%]", "Frame=Test",
                            "[One value]", "Type=Switch", "Control=Check", "LinkTag=7", "Values=5",
                            "[More strings]", "Type=List", "Control=Combo", "LinkTag=9",
                            "Strings=a, b, c", "Values=1, 2",
                            "[More values]", "Type=List", "Control=Combo", "LinkTag=10",
                            "Strings=a", "Values=1, 2, 3"});
  Select("Short");
  auto expectListIndexError = [](THeadlessControl& control, auto act, const char* message) {
    try {
      act(control);
      ADD_FAILURE() << "no error";
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), message);
    }
  };
  THeadlessControl& box = ControlOf("One value");
  box.Click();
  EXPECT_EQ(OptionNamed("One value").Value(), "5");
  expectListIndexError(box, [](THeadlessControl& c) { c.Click(); }, "List index out of bounds (1)");
  EXPECT_EQ(OptionNamed("One value").Value(), "5");

  THeadlessControl& combo = ControlOf("More strings");
  combo.Pick(1);
  EXPECT_EQ(OptionNamed("More strings").Value(), "2");
  expectListIndexError(combo, [](THeadlessControl& c) { c.Pick(2); }, "List index out of bounds (2)");
  EXPECT_EQ(OptionNamed("More strings").Value(), "2");

  // Values beyond the display texts cannot be shown: no selection, and nothing fails.
  TRegistryOption& more = OptionNamed("More values");
  more.SetValue("3");
  more.Proxy()->UpdateControl();
  EXPECT_EQ(ControlOf("More values").ItemIndex(), -1);
  EXPECT_EQ(ControlOf("More values").Items(), (TStrings{"a"}));
}

}  // namespace
}  // namespace tgl::test
