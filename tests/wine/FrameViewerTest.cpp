// The tuning frames as real windows: the frame viewer puts a frame in a panel under Wine,
// and the window driver reads every child window back. Each component must be a window of
// its kind with its Tag as control ID, inside its parent's window, in component order, at
// its place and showing its caption; the user's changes must reach the controls' handlers.
#include <gtest/gtest.h>

#include <sstream>

#include "WineHarness.h"
#include "panels/FrameRegistry.h"

namespace tgl::wine {
namespace {

const int ExitTimeout = 30;

std::string Viewer() { return Win64Dir() + "/frameviewer.exe"; }

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

// What the viewer shows of a component with --fill and page `page` in front: combo boxes
// hold three entries with the first, their own name, selected; check boxes with an odd Tag
// are checked.
TWindowLine Expected(const TFrameComponent& c, int depth, int pageIndex, int page, int pages) {
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
  if (c.Kind == cmCheckBox) w.State = "check=" + std::to_string(c.Tag % 2);
  if (c.Kind == cmGroupBox) w.State = "groupbox";
  if (c.Kind == cmComboBox) w.State = "items=3,selected=0";
  if (c.Kind == cmPageControl) w.State = "tabs=" + std::to_string(pages) + ",selected=" + std::to_string(page);
  w.Text = c.Kind == cmComboBox ? std::string(c.Name) : c.Kind == cmTabSheet ? "" : std::string(c.Caption);
  return w;
}

// The frame's components depth first, each parent's children in component order: the order
// in which the windows lie when each is created after the ones before it.
void ExpectedTree(const std::vector<TFrameComponent>& layout, const std::vector<int>& parents,
                  int parent, int depth, int page, int pages, std::vector<std::string>& lines) {
  int pageIndex = 0;
  for (size_t index = 0; index < layout.size(); ++index) {
    if (parents[index] != parent) continue;
    const TFrameComponent& component = layout[index];
    lines.push_back(Canonical(Expected(component, depth, pageIndex, page, pages), component.Kind));
    if (component.Kind == cmTabSheet) ++pageIndex;
    ExpectedTree(layout, parents, static_cast<int>(index), depth + 1, page, pages, lines);
  }
}

std::vector<std::string> ExpectedWindows(const std::string& frameName, int page) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  auto frame = registry.CreateTuningFrame(frameName, nullptr);
  const std::vector<TFrameComponent>& layout = frame->Layout();
  int pages = static_cast<int>(std::count_if(layout.begin(), layout.end(), [](const TFrameComponent& c) {
    return c.Kind == cmTabSheet;
  }));
  // The viewer's panel and the frame, which fills it.
  std::vector<std::string> lines = {"0 TglPanel id=0 visible=1 at=8,8 state=- text=",
                                    "1 TglPanel id=0 visible=1 at=0,0 state=- text="};
  ExpectedTree(layout, ParentIndexes(layout), -1, 2, page, pages, lines);
  return lines;
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
  TWineProcess viewer(Viewer(), arguments, Win64Dir());
  TRunResult tree = RunDriver({"tree", "TglFrameViewer", "20000"});
  ASSERT_EQ(tree.ExitCode, 0) << tree.Output;
  std::vector<std::string> expected = ExpectedWindows(c.Frame, c.Page < 0 ? 0 : c.Page);
  std::vector<std::string> actual = ActualWindows(tree.Output);
  EXPECT_EQ(actual.size(), expected.size());
  for (size_t index = 0; index < std::min(actual.size(), expected.size()); ++index)
    EXPECT_EQ(actual[index], expected[index]) << "window " << index;
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
  TWineProcess viewer(Viewer(), {"GeForce", "--fill"}, Win64Dir());
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
  TWineProcess viewer(Viewer(), {"RagePro", "--fill"}, Win64Dir());
  ASSERT_EQ(RunDriver({"shown", "TglFrameViewer", "20000"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"key", "TglFrameViewer", "ComboBox", "1", "40"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"close", "TglFrameViewer"}).ExitCode, 0);
  ASSERT_EQ(viewer.Wait(ExitTimeout), 0);
  EXPECT_NE(viewer.Output().find("CHANGE GameRefreshCombo checked=0 index=1"), std::string::npos)
      << viewer.Output();
}

TEST(FrameViewerChanges, AFrameNameNobodyRegisteredIsReported) {
  TWineProcess viewer(Viewer(), {"Voodoo4"}, Win64Dir());
  EXPECT_EQ(ReadMessageBoxAndPressOk(), "Couldn't find appropriate tuning frame");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 1);
}

}  // namespace
}  // namespace tgl::wine
