// The tuning frames as real windows: the frame viewer puts a frame in a panel under Wine,
// and the window driver reads every child window back. Each component must be a window of
// its kind with its Tag as control ID, inside its parent's window, in component order, at
// its place and showing its caption; the user's changes must reach the controls' handlers.
// With a card, an option hub makes the frame: the windows must show what the same hub shows
// on headless controls, and a user's change must land in the option.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "WineHarness.h"
#include "base/StartupState.h"
#include "cards/CardConfig.h"
#include "options/FieldHub.h"
#include "panels/FrameRegistry.h"
#include "support/HeadlessControls.h"
#include "support/TestSupport.h"

namespace tgl::wine {
namespace {

const int ExitTimeout = 30;

std::string Viewer() { return ExeDir() + "/frameviewer.exe"; }

// One line of the driver's tree: "depth class id=.. visible=.. at=l,t,w,h state=.. text=..".
struct TWindowLine {
  int Depth = 0;
  std::string Class;
  int Id = 0;
  int Visible = 0;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  std::string State;
  std::string Text;
};

TWindowLine ParseLine(const std::string& line) {
  TWindowLine window;
  std::istringstream in(line);
  std::string at;
  in >> window.Depth >> window.Class;
  auto field = [&](const char* name) {
    std::string token;
    in >> token;
    EXPECT_EQ(token.rfind(name, 0), 0u) << line;
    return token.substr(std::string(name).size());
  };
  window.Id = std::stoi(field("id="));
  window.Visible = std::stoi(field("visible="));
  at = field("at=");
  std::sscanf(at.c_str(), "%d,%d,%d,%d", &window.Left, &window.Top, &window.Width, &window.Height);
  window.State = field("state=");
  size_t text = line.find(" text=");
  window.Text = text == std::string::npos ? "" : line.substr(text + 6);
  return window;
}

// The form both sides are compared in. A label is as wide as its text in the font at hand,
// a combo box as high as that font makes it, and a page as large as the tab control's
// display area: those are left out.
std::string Canonical(const TWindowLine& w, TComponentKind kind) {
  std::ostringstream line;
  line << w.Depth << " " << w.Class << " id=" << w.Id << " visible=" << w.Visible;
  if (kind != cmTabSheet) line << " at=" << w.Left << "," << w.Top;
  if (kind == cmPageControl || kind == cmGroupBox || kind == cmCheckBox || kind == cmComboBox)
    line << "," << w.Width;
  if (kind == cmPageControl || kind == cmGroupBox || kind == cmCheckBox) line << "," << w.Height;
  line << " state=" << w.State << " text=" << w.Text;
  return line.str();
}

const char* WindowClassOf(TComponentKind kind) {
  switch (kind) {
    case cmPageControl: return "SysTabControl32";
    case cmTabSheet: return "TglPanel";
    case cmGroupBox: return "Button";
    case cmLabel: return "Static";
    case cmCheckBox: return "Button";
    case cmComboBox: return "ComboBox";
  }
  return "?";
}

// The state and text of a check box or combo box, as the driver prints them.
struct TShown {
  std::string State;
  std::string Text;
};
using TShownOf = std::function<TShown(size_t componentIndex)>;

// What the viewer shows of a component with page `page` in front; check boxes and combo
// boxes show what `shown` says.
TWindowLine Expected(const TFrameComponent& c, int depth, int pageIndex, int page, int pages,
                     const TShown& shown) {
  TWindowLine w;
  w.Depth = depth;
  w.Class = WindowClassOf(c.Kind);
  w.Id = c.Tag;
  w.Visible = c.Kind == cmTabSheet ? pageIndex == page : c.Visible;
  w.Left = c.Bounds.Left;
  w.Top = c.Bounds.Top;
  w.Width = c.Bounds.Width;
  w.Height = c.Bounds.Height;
  w.State = "-";
  if (c.Kind == cmGroupBox) w.State = "groupbox";
  if (c.Kind == cmPageControl) w.State = "tabs=" + std::to_string(pages) + ",selected=" + std::to_string(page);
  w.Text = c.Kind == cmTabSheet ? "" : std::string(c.Caption);
  if (c.Kind == cmCheckBox || c.Kind == cmComboBox) {
    w.State = shown.State;
    w.Text = shown.Text;
  }
  return w;
}

// With --fill: combo boxes hold three entries with the first, their own name, selected;
// check boxes with an odd Tag are checked.
TShownOf FilledControls(const std::vector<TFrameComponent>& layout) {
  return [&layout](size_t index) {
    const TFrameComponent& c = layout[index];
    if (c.Kind == cmCheckBox) return TShown{"check=" + std::to_string(c.Tag % 2), std::string(c.Caption)};
    return TShown{"items=3,selected=0", std::string(c.Name)};
  };
}

// What the same controls show headless.
TShownOf ControlsOf(const TControlSet& controls) {
  return [&controls](size_t index) {
    const TControl& control = controls.Controls(static_cast<int>(index));
    if (control.Kind() == cmCheckBox)
      return TShown{"check=" + std::to_string(control.Checked() ? 1 : 0), control.Caption()};
    int selected = control.ItemIndex();
    TStrings items = control.Items();
    return TShown{"items=" + std::to_string(items.size()) + ",selected=" + std::to_string(selected),
                  selected >= 0 ? items[static_cast<size_t>(selected)] : std::string()};
  };
}

// The frame's components depth first, each parent's children in component order: the order
// in which the windows lie when each is created after the ones before it.
void ExpectedTree(const std::vector<TFrameComponent>& layout, const std::vector<int>& parents,
                  int parent, int depth, int page, int pages, const TShownOf& shown,
                  std::vector<std::string>& lines) {
  int pageIndex = 0;
  for (size_t index = 0; index < layout.size(); ++index) {
    if (parents[index] != parent) continue;
    const TFrameComponent& component = layout[index];
    TShown state;
    if (component.Kind == cmCheckBox || component.Kind == cmComboBox) state = shown(index);
    lines.push_back(Canonical(Expected(component, depth, pageIndex, page, pages, state), component.Kind));
    if (component.Kind == cmTabSheet) ++pageIndex;
    ExpectedTree(layout, parents, static_cast<int>(index), depth + 1, page, pages, shown, lines);
  }
}

std::vector<std::string> ExpectedWindows(const TGenericTuningFrame& frame, int page,
                                         const TShownOf& shown) {
  const std::vector<TFrameComponent>& layout = frame.Layout();
  int pages = static_cast<int>(std::count_if(layout.begin(), layout.end(), [](const TFrameComponent& c) {
    return c.Kind == cmTabSheet;
  }));
  // The viewer's panel and the frame, which fills it.
  std::vector<std::string> lines = {"0 TglPanel id=0 visible=1 at=8,8 state=- text=",
                                    "1 TglPanel id=0 visible=1 at=0,0 state=- text="};
  ExpectedTree(layout, ParentIndexes(layout), -1, 2, page, pages, shown, lines);
  return lines;
}

std::vector<std::string> ExpectedFilledWindows(const std::string& frameName, int page) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  auto frame = registry.CreateTuningFrame(frameName, nullptr);
  return ExpectedWindows(*frame, page, FilledControls(frame->Layout()));
}

std::vector<std::string> ActualWindows(const std::string& driverOutput) {
  std::vector<std::string> lines;
  std::istringstream in(driverOutput);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    TWindowLine window = ParseLine(line);
    TComponentKind kind = cmLabel;
    if (window.Class == "SysTabControl32") kind = cmPageControl;
    else if (window.Class == "ComboBox") kind = cmComboBox;
    else if (window.Class == "Button") kind = window.State == "groupbox" ? cmGroupBox : cmCheckBox;
    else if (window.Class == "TglPanel") kind = window.Depth >= 3 ? cmTabSheet : cmLabel;
    lines.push_back(Canonical(window, kind));
  }
  return lines;
}

void ExpectSameWindows(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
  EXPECT_EQ(actual.size(), expected.size());
  for (size_t index = 0; index < std::min(actual.size(), expected.size()); ++index)
    EXPECT_EQ(actual[index], expected[index]) << "window " << index;
}

struct TViewerCase {
  const char* Frame;
  int Page;  // -1: as the frame shows itself, its first page
};

void PrintTo(const TViewerCase& c, std::ostream* out) { *out << c.Frame << " page " << c.Page; }

class FrameViewer : public ::testing::TestWithParam<TViewerCase> {};

TEST_P(FrameViewer, EveryComponentIsAChildWindowWithItsTagInItsParent) {
  const TViewerCase& c = GetParam();
  std::vector<std::string> arguments = {c.Frame, "--fill"};
  if (c.Page >= 0) arguments.insert(arguments.end(), {"--page", std::to_string(c.Page)});
  TWineProcess viewer(Viewer(), arguments, ExeDir());
  TRunResult tree = RunDriver({"tree", "TglFrameViewer", "20000"});
  ASSERT_EQ(tree.ExitCode, 0) << tree.Output;
  ExpectSameWindows(ActualWindows(tree.Output), ExpectedFilledWindows(c.Frame, c.Page < 0 ? 0 : c.Page));
  EXPECT_EQ(RunDriver({"close", "TglFrameViewer"}).ExitCode, 0);
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);
}

INSTANTIATE_TEST_SUITE_P(SixFrames, FrameViewer,
                         ::testing::Values(TViewerCase{"GeForce", -1}, TViewerCase{"geforce", 1},
                                           TViewerCase{"TNT", 1}, TViewerCase{"Radeon", 1},
                                           TViewerCase{"Voodoo3", 1}, TViewerCase{"vsa100", 1},
                                           TViewerCase{"RagePro", -1}),
                         [](const auto& info) {
                           return std::string(info.param.Frame) + "_page" +
                                  std::to_string(info.param.Page < 0 ? 0 : info.param.Page);
                         });

// Check boxes in a group box and on a page, combo boxes in a group box, on a page and on the
// frame itself: each user change reaches the control's handler once.
TEST(FrameViewerChanges, TheUsersChangesReachTheControls) {
  TWineProcess viewer(Viewer(), {"GeForce", "--fill"}, ExeDir());
  ASSERT_EQ(RunDriver({"shown", "TglFrameViewer", "20000"}).ExitCode, 0);
  const std::string down = "40";  // VK_DOWN: the next entry
  EXPECT_EQ(RunDriver({"click", "TglFrameViewer", "Button", "141"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"click", "TglFrameViewer", "Button", "122"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"key", "TglFrameViewer", "ComboBox", "143", down}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"key", "TglFrameViewer", "ComboBox", "119", down}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"key", "TglFrameViewer", "ComboBox", "119", down}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"close", "TglFrameViewer"}).ExitCode, 0);
  ASSERT_EQ(viewer.Wait(ExitTimeout), 0);
  EXPECT_EQ(viewer.Output(),
            "READY 467 320\r\n"
            "CHANGE DXAntiCheck checked=0 index=-1\r\n"
            "CHANGE DXWBufferCheck checked=1 index=-1\r\n"
            "CHANGE ComboBox1 checked=0 index=1\r\n"
            "CHANGE DXVSyncCombo checked=0 index=1\r\n"
            "CHANGE DXVSyncCombo checked=0 index=2\r\n");
}

TEST(FrameViewerChanges, AComboBoxStraightOnTheFrameReportsItsChange) {
  TWineProcess viewer(Viewer(), {"RagePro", "--fill"}, ExeDir());
  ASSERT_EQ(RunDriver({"shown", "TglFrameViewer", "20000"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"key", "TglFrameViewer", "ComboBox", "1", "40"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"close", "TglFrameViewer"}).ExitCode, 0);
  ASSERT_EQ(viewer.Wait(ExitTimeout), 0);
  EXPECT_NE(viewer.Output().find("CHANGE GameRefreshCombo checked=0 index=1"), std::string::npos)
      << viewer.Output();
}

TEST(FrameViewerChanges, AFrameNameNobodyRegisteredIsReported) {
  TWineProcess viewer(Viewer(), {"Voodoo4"}, ExeDir());
  EXPECT_EQ(ReadMessageBoxAndPressOk(), "Couldn't find appropriate tuning frame");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 1);
}

// A card's frame made by an option hub, in the viewer and on headless controls: both read
// the same definitions and the same Games.CFG in the test's program folder.
struct TCardCase {
  const char* TuningFile;
  bool NTMode;
  int Page;
  const char* Profile;  // nullptr: the default profile
};

void PrintTo(const TCardCase& c, std::ostream* out) {
  *out << c.TuningFile << (c.NTMode ? " NT" : " 9x") << " page " << c.Page;
}

class BoundFrameViewer : public test::TCoreTest {
protected:
  BoundFrameViewer() { RegisterBuiltInFrames(Frames); }

  // As the viewer does it: profile name, card, then the reload that loads and shows the
  // profile's values.
  void SelectHeadless(const std::string& tuningFile, bool ntMode, const std::string& profile) {
    Startup().WindowsVersion = ntMode ? wvWindows2000 : wvWindows98;
    Card.CardName = Card.TuningFile = tuningFile;
    CopyToCharBuffer(Card.Device.DeviceKey, "System\\CurrentControlSet\\Services\\Class\\Display\\0000");
    Hub.SetProfileName(profile);
    Hub.OnReloadValues = [this] {
      Hub.LoadFromProfile();
      Hub.ShowValues(true);
    };
    Hub.SelectCard(&Card);
  }

  std::vector<std::string> ViewerArguments(const std::string& tuningFile, bool ntMode, int page,
                                           const char* profile) const {
    std::vector<std::string> arguments = {"--card", tuningFile, "--folder", WindowsPath(Folder.Path()),
                                          "--page", std::to_string(page)};
    if (ntMode) arguments.push_back("--nt");
    if (profile) arguments.insert(arguments.end(), {"--profile", profile});
    return arguments;
  }

  // The viewer's closing output: one line per option, and whether any was changed.
  std::string OptionLines(const std::vector<std::pair<std::string, std::string>>& changed, bool modified) {
    std::string lines;
    for (int index = 0; index < Hub.OptionCount(); ++index) {
      std::string value = Hub.Options(index).Value();
      for (const auto& change : changed)
        if (change.first == Hub.Options(index).Name()) value = change.second;
      lines += "OPTION " + Hub.Options(index).Name() + "=" + value + "\r\n";
    }
    return lines + "MODIFIED " + (modified ? "1" : "0") + "\r\n";
  }

  TFrameRegistry Frames;
  test::THeadlessPanel Panel;
  TrlCardConfig Card{};
  TFieldHub Hub{Frames, Panel};
};

class BoundFrameViewerCards : public BoundFrameViewer, public ::testing::WithParamInterface<TCardCase> {};

TEST_P(BoundFrameViewerCards, TheWindowsShowTheValuesOfTheCardsOptions) {
  const TCardCase& c = GetParam();
  Folder.Write("Games.CFG",
               "[%Quake_GeForce%]\r\nDX VSync=2\r\nDX Enable Antialiasing=1\r\n"
               "GL Anisotropic filtering=2\r\nDX S3TC=0\r\nDX Antialiasing Quality=7\r\n");
  SelectHeadless(c.TuningFile, c.NTMode, c.Profile ? c.Profile : "%Default%");
  TWineProcess viewer(Viewer(), ViewerArguments(c.TuningFile, c.NTMode, c.Page, c.Profile), ExeDir());
  TRunResult tree = RunDriver({"tree", "TglFrameViewer", "20000"});
  ASSERT_EQ(tree.ExitCode, 0) << tree.Output;
  ExpectSameWindows(ActualWindows(tree.Output),
                    ExpectedWindows(*Hub.Frame(), c.Page, ControlsOf(Hub.Frame()->Controls())));
  EXPECT_EQ(RunDriver({"close", "TglFrameViewer"}).ExitCode, 0);
  ASSERT_EQ(viewer.Wait(ExitTimeout), 0);
  EXPECT_EQ(viewer.Output(), "READY 467 320\r\n" + OptionLines({}, false));
}

INSTANTIATE_TEST_SUITE_P(
    NineCards, BoundFrameViewerCards,
    ::testing::Values(TCardCase{"GeForce", false, 0, nullptr}, TCardCase{"GeForce", false, 1, "Quake"},
                      TCardCase{"GeForce", true, 0, "Quake"}, TCardCase{"TNT", false, 1, nullptr},
                      TCardCase{"Radeon", true, 0, nullptr}, TCardCase{"Radeon", false, 1, nullptr},
                      TCardCase{"Voodoo3", false, 1, nullptr}, TCardCase{"Vsa100", false, 1, nullptr},
                      TCardCase{"Voodoo4", false, 0, nullptr}, TCardCase{"Voodoo6000", true, 0, nullptr},
                      TCardCase{"RagePro", false, 0, nullptr}),
    [](const auto& info) {
      const TCardCase& c = info.param;
      return std::string(c.TuningFile) + (c.NTMode ? "_NT" : "_9x") + "_page" + std::to_string(c.Page) +
             (c.Profile ? std::string("_") + c.Profile : "");
    });

// The GeForce definitions' defaults as the windows show them, read off the definitions by
// hand: check boxes captioned by their options, combo boxes on the default's entry.
TEST_F(BoundFrameViewer, TheGeForceFrameShowsTheDefaultsOfItsDefinitions) {
  TWineProcess viewer(Viewer(), {"--card", "GeForce", "--folder", WindowsPath(Folder.Path())}, ExeDir());
  TRunResult tree = RunDriver({"tree", "TglFrameViewer", "20000"});
  ASSERT_EQ(tree.ExitCode, 0) << tree.Output;
  std::vector<std::string> shown;
  std::istringstream in(tree.Output);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    TWindowLine window = ParseLine(line);
    if (window.Class == "Button" || window.Class == "ComboBox")
      shown.push_back(std::to_string(window.Id) + " " + window.State + " " + window.Text);
  }
  for (const char* expected : {
           "119 items=3,selected=0 Application control",  // DX VSync, 0
           "121 items=8,selected=2 3 - Recommended",      // DX Prerender, 3
           "102 items=8,selected=4 3 - Default",          // DX Texel alignment, 3
           "120 items=5,selected=0 0 - Default",          // DX LOD bias, 0
           "122 check=1 W-buffer enable",                 // DX WBuffer, 1 of 1/0
           "123 check=1 Enable fog-table",                // DX FogTable, 200h of 200h/0
           "141 check=0 Enable Antialiasing",             // DX Enable Antialiasing, 0
           "142 check=0 Force Antialiasing",              // DX Force Antialiasing, 0 of 8/0
           "143 items=5,selected=1 2x2",                  // DX Antialiasing Quality, 2
           "144 check=1 Enable S3 texture compression",   // DX S3TC, 1
           "145 check=0 Enable paletted textures",        // DX 8bit textures, 0
           "1 items=3,selected=0 Always OFF",             // GL VSync control, -1
           "4 items=3,selected=0 As Desktop",             // GL Quality, 2h, on the hidden combo box
           "200 check=0 Force Antialiasing",              // GL Force Antialiasing, 0
           "201 items=3,selected=1 2x2 [LOD bias]",       // GL Antialiasing Quality, 1
           "202 check=0 Anisotropic filtering",           // GL Anisotropic filtering, 0 of 2/0
       })
    EXPECT_NE(std::find(shown.begin(), shown.end(), expected), shown.end()) << expected;
  EXPECT_EQ(RunDriver({"close", "TglFrameViewer"}).ExitCode, 0);
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);
}

// Clicks and picks go straight into the options: the viewer prints the options as the
// window closes.
TEST_F(BoundFrameViewer, AUsersChangeWritesTheChosenValueIntoTheOption) {
  SelectHeadless("GeForce", false, "%Default%");
  TWineProcess viewer(Viewer(), ViewerArguments("GeForce", false, 0, nullptr), ExeDir());
  ASSERT_EQ(RunDriver({"shown", "TglFrameViewer", "20000"}).ExitCode, 0);
  const std::string down = "40";  // VK_DOWN: the next entry
  EXPECT_EQ(RunDriver({"click", "TglFrameViewer", "Button", "141"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"click", "TglFrameViewer", "Button", "142"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"click", "TglFrameViewer", "Button", "144"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"key", "TglFrameViewer", "ComboBox", "119", down}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"key", "TglFrameViewer", "ComboBox", "143", down}).ExitCode, 0);
  TRunResult tree = RunDriver({"tree", "TglFrameViewer", "20000"});
  EXPECT_NE(tree.Output.find("Button id=142 visible=1 at=8,22,137,17 state=check=1 text=Force Antialiasing"),
            std::string::npos) << tree.Output;
  EXPECT_EQ(RunDriver({"close", "TglFrameViewer"}).ExitCode, 0);
  ASSERT_EQ(viewer.Wait(ExitTimeout), 0);
  EXPECT_EQ(viewer.Output(), "READY 467 320\r\n" + OptionLines({{"DX Enable Antialiasing", "1"},
                                                              {"DX Force Antialiasing", "8"},
                                                              {"DX S3TC", "0"},
                                                              {"DX VSync", "1"},
                                                              {"DX Antialiasing Quality", "3"}},
                                                             true));
}

// A list drops with a line for each of its option's values, five at least and fifteen at
// most: the Voodoo3's DirectX LOD bias has nine, one more than a list shows by default.
TEST_F(BoundFrameViewer, AListDropsWithALineForEachValue) {
  SelectHeadless("Voodoo3", false, "%Default%");
  TWineProcess viewer(Viewer(), ViewerArguments("Voodoo3", false, 0, nullptr), ExeDir());
  ASSERT_EQ(RunDriver({"shown", "TglFrameViewer", "20000"}).ExitCode, 0);
  TRunResult dropped = RunDriver({"droprows", "TglFrameViewer", "201"});
  EXPECT_NE(dropped.Output.find("DROPPED rows=9"), std::string::npos) << dropped.Output;
  EXPECT_EQ(RunDriver({"close", "TglFrameViewer"}).ExitCode, 0);
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);
}

TEST_F(BoundFrameViewer, ACardWhoseFrameNobodyRegisteredIsReported) {
  Folder.Write("Orphan.CFG", "[%General%]\r\nFrame=Nowhere\r\n[Opt]\r\nType=Switch\r\nLinkTag=1\r\n");
  TWineProcess viewer(Viewer(), {"--card", "Orphan", "--folder", WindowsPath(Folder.Path())}, ExeDir());
  EXPECT_EQ(ReadMessageBoxAndPressOk(), "Couldn't find appropriate tuning frame");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 1);
}

}  // namespace
}  // namespace tgl::wine
