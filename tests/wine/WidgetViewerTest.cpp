// The widget kit as real windows under Wine, in the widget viewer (tests/wine/probes): the
// tray icon in Wine's notification area, its side-bar menu (when it opens, where, which item
// the keys choose, images switched at run time), the menu lock while the about box is open,
// the logo's animation and replay rule, the link, and the about box itself.
//
// The shell's mouse messages reach the tray icon's window as the shell sends them: the
// driver posts the icon's callback message, and sends it where no menu may open (a send
// returns only once the handler is done, and a menu would keep it from returning).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

const int ExitTimeout = 30;
const char* const ViewerClass = "TglWidgetViewer";
const char* const TrayClass = "TglTrayIcon";
const char* const DialogClass = "#32770";

// Window messages as Windows numbers them, and the viewer's and widgets' own.
const char* const TrayCallback = "0x8001";  // WM_APP + 1
const char* const RightButtonUp = "0x205";
const char* const LeftDoubleClick = "0x203";
const char* const ViewerState = "0x800A";   // 1 tray icon shown, 2 has a menu, 4 images on
const char* const ViewerImages = "0x800B";
const char* const ViewerAnimate = "0x800C";
const char* const GifState = "0x447";       // frame | animating << 16
const char* const VkTab = "9";
const char* const VkReturn = "13";
const char* const VkEscape = "27";
const char* const VkDown = "40";
const int LogoId = 101;
const int LinkId = 102;

std::string Viewer() { return ExeDir() + "/widgetviewer.exe"; }

// The driver's answer, without its line end.
std::string Drive(const std::vector<std::string>& arguments) {
  std::string output = RunDriver(arguments).Output;
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
}

// The number a "RESULT n" answer carries; -1 for any other answer.
long long Result(const std::string& answer) {
  return answer.rfind("RESULT ", 0) == 0 ? std::stoll(answer.substr(7)) : -1;
}

// Asks until `done` holds, for at most `seconds`.
bool PollUntil(const std::function<bool()>& done, int seconds = 20) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < deadline) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return done();
}

long long ViewerStateBits() { return Result(Drive({"send", ViewerClass, ViewerState, "0", "0", "10000"})); }

void PostTrayMouse(const char* mouseMessage) {
  ASSERT_EQ(Drive({"post", TrayClass, TrayCallback, "1", mouseMessage}), "DONE");
}

struct TMenuRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

// Right-clicks the tray icon with the mouse at x, y and waits for the menu.
TMenuRect OpenTrayMenu(int x = 400, int y = 500) {
  Drive({"cursor", std::to_string(x), std::to_string(y)});
  PostTrayMouse(RightButtonUp);
  std::string answer = Drive({"popupmenu", "20000"});
  TMenuRect menu;
  EXPECT_EQ(std::sscanf(answer.c_str(), "MENU at=%d,%d,%d,%d", &menu.Left, &menu.Top, &menu.Width, &menu.Height), 4)
      << answer;
  return menu;
}

void PressInMenu(const std::vector<std::string>& keys) {
  std::vector<std::string> arguments{"menukeys"};
  arguments.insert(arguments.end(), keys.begin(), keys.end());
  ASSERT_EQ(Drive(arguments), "DONE");
  EXPECT_TRUE(PollUntil([] { return Drive({"menus"}) == "MENUS 0"; })) << "the menu stays open";
}

size_t CountLines(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

bool HasLineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

class WidgetViewer : public ::testing::Test {
protected:
  void SetUp() override {
    // Icons of another test would spoil the counts.
    ASSERT_EQ(Drive({"trayicons", "0", "20000"}), "TRAYICONS 0");
  }
};

TEST_F(WidgetViewer, TheTrayIconComesBackWhenExplorerRestartsAndGoesWhenTheProgramEnds) {
  TWineProcess viewer(Viewer(), {"--hidden"}, ExeDir());
  EXPECT_EQ(Drive({"trayicons", "1", "20000"}), "TRAYICONS 1");
  // Explorer restarted: the notification area is empty and says so.
  EXPECT_EQ(Drive({"explorerrestart", TrayClass}), "RESTARTED deleted=1");
  EXPECT_EQ(Drive({"trayicons", "1", "20000"}), "TRAYICONS 1");
  EXPECT_TRUE(PollUntil([] { return ViewerStateBits() == 3; }));
  OpenTrayMenu();
  PressInMenu({"x"});
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);
  std::vector<std::string> lines = OutputLines(viewer.Output());
  EXPECT_TRUE(HasLineStartingWith(lines, "TRAY shown=1")) << viewer.Output();
  EXPECT_EQ(CountLines(lines, "CHOSE Exit"), 1u) << viewer.Output();
  EXPECT_EQ(CountLines(lines, "TRAY removed=1"), 1u) << viewer.Output();
  EXPECT_EQ(Drive({"trayicons", "0", "20000"}), "TRAYICONS 0");
}

TEST_F(WidgetViewer, TheTrayIconIsGoneBeforeAStartErrorIsShown) {
  TWineProcess viewer(Viewer(), {"--hidden", "--fail-after-tray"}, ExeDir());
  ASSERT_EQ(Drive({"shown", DialogClass, "20000"}).rfind("WINDOW", 0), 0u);
  // The process still lives, showing its error: the icon went with the unwinding.
  EXPECT_EQ(Drive({"trayicons", "0", "5000"}), "TRAYICONS 0");
  EXPECT_EQ(ReadMessageBoxAndPressOk(), "The viewer failed after adding its tray icon");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 1);
  EXPECT_TRUE(HasLineStartingWith(OutputLines(viewer.Output()), "TRAY shown=1")) << viewer.Output();
}

TEST_F(WidgetViewer, RightClickOpensTheMenuOnlyWhileTheWindowIsAwayAndTheIconHasAMenu) {
  TWineProcess viewer(Viewer(), {}, ExeDir());
  ASSERT_EQ(Drive({"shown", ViewerClass, "20000"}).rfind("WINDOW", 0), 0u);
  ASSERT_TRUE(PollUntil([] { return ViewerStateBits() == 3; }));

  // The window is on screen: nothing opens.
  EXPECT_EQ(Drive({"send", TrayClass, TrayCallback, "1", RightButtonUp, "10000"}), "RESULT 0");
  EXPECT_EQ(Drive({"menus"}), "MENUS 0");

  // Minimised: the menu opens upwards from the mouse.
  Drive({"minimize", ViewerClass});
  TMenuRect menu = OpenTrayMenu(400, 500);
  EXPECT_EQ(menu.Left, 400);
  EXPECT_EQ(menu.Top + menu.Height, 500);

  // About takes the menu away while its box is open.
  PressInMenu({"a"});
  ASSERT_EQ(Drive({"shown", DialogClass, "20000"}).rfind("WINDOW", 0), 0u);
  EXPECT_EQ(ViewerStateBits(), 1);
  EXPECT_EQ(Drive({"send", TrayClass, TrayCallback, "1", RightButtonUp, "10000"}), "RESULT 0");
  EXPECT_EQ(Drive({"menus"}), "MENUS 0");
  // A double click cannot bring the window up behind the box either.
  EXPECT_EQ(Drive({"send", TrayClass, TrayCallback, "1", LeftDoubleClick, "10000"}), "RESULT 0");

  // The box closed, the menu is back.
  EXPECT_EQ(Drive({"postkey", DialogClass, VkEscape}), "DONE");
  EXPECT_TRUE(PollUntil([] { return ViewerStateBits() == 3; }));
  OpenTrayMenu();
  PressInMenu({VkEscape});
  EXPECT_EQ(Drive({"close", ViewerClass}), "DONE");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);

  std::vector<std::string> lines = OutputLines(viewer.Output());
  EXPECT_EQ(CountLines(lines, "POPUP"), 2u) << viewer.Output();
  EXPECT_EQ(CountLines(lines, "ABOUT opened"), 1u) << viewer.Output();
  EXPECT_EQ(CountLines(lines, "ABOUT closed"), 1u) << viewer.Output();
  EXPECT_EQ(CountLines(lines, "SHOW"), 0u) << viewer.Output();
}

TEST_F(WidgetViewer, ArrowsEnterAndMnemonicLettersChooseItems) {
  TWineProcess viewer(Viewer(), {"--hidden"}, ExeDir());
  ASSERT_EQ(Drive({"trayicons", "1", "20000"}), "TRAYICONS 1");
  const std::vector<std::vector<std::string>> presses = {
      {VkDown, VkDown, VkReturn},          // past the default item and the separator: New
      {"o"},                               // Options
      {"O"},                               // either case
      {VkDown, VkDown, VkDown, VkReturn},  // Options
      {VkEscape},                          // nothing
      {"q"},                               // no item has it: the menu stays; Esc closes it
  };
  for (const auto& keys : presses) {
    OpenTrayMenu();
    if (keys == std::vector<std::string>{"q"}) {
      Drive({"menukeys", "q"});
      EXPECT_EQ(Drive({"popupmenu", "1000"}).rfind("MENU", 0), 0u);
      PressInMenu({VkEscape});
      continue;
    }
    PressInMenu(keys);
  }
  // The default item shows the window.
  OpenTrayMenu();
  PressInMenu({VkDown, VkReturn});
  EXPECT_EQ(Drive({"shown", ViewerClass, "20000"}).rfind("WINDOW", 0), 0u);
  EXPECT_EQ(Drive({"close", ViewerClass}), "DONE");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);

  std::vector<std::string> chosen;
  for (const std::string& line : OutputLines(viewer.Output()))
    if (line.rfind("CHOSE ", 0) == 0 || line == "SHOW") chosen.push_back(line);
  EXPECT_EQ(chosen, (std::vector<std::string>{"CHOSE New", "CHOSE Options", "CHOSE Options", "CHOSE Options", "SHOW"}))
      << viewer.Output();
  // The highlighted item's hint, and none once the menu closed.
  std::vector<std::string> lines = OutputLines(viewer.Output());
  EXPECT_GE(CountLines(lines, "HINT Create run profile for new program"), 1u) << viewer.Output();
  EXPECT_GE(CountLines(lines, "HINT "), 6u) << viewer.Output();
}

TEST_F(WidgetViewer, MenuImagesGoOnAndOffAtRunTime) {
  TWineProcess viewer(Viewer(), {"--hidden"}, ExeDir());
  ASSERT_EQ(Drive({"trayicons", "1", "20000"}), "TRAYICONS 1");
  TMenuRect plain = OpenTrayMenu();
  PressInMenu({VkEscape});
  EXPECT_EQ(Result(Drive({"send", ViewerClass, ViewerImages, "1", "0", "10000"})), 0);
  EXPECT_EQ(ViewerStateBits(), 7);
  TMenuRect withImages = OpenTrayMenu();
  PressInMenu({VkEscape});
  // The image column (16 pixels and 3 on each side, then a gap of 4) takes the place of the
  // plain indent of 8; items are at least as high as an image and its margins.
  EXPECT_EQ(withImages.Width - plain.Width, 16 + 2 * 3 + 4 - 8);
  EXPECT_GE(withImages.Height, plain.Height);
  EXPECT_EQ(Result(Drive({"send", ViewerClass, ViewerImages, "0", "0", "10000"})), 0);
  TMenuRect plainAgain = OpenTrayMenu();
  PressInMenu({VkEscape});
  EXPECT_EQ(plainAgain.Width, plain.Width);
  EXPECT_EQ(plainAgain.Height, plain.Height);
  EXPECT_EQ(Drive({"close", ViewerClass}), "DONE");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);
}

// The logo control's frame and whether it plays.
struct TLogoState {
  long long Frame = -1;
  bool Animating = false;
};

TLogoState LogoState() {
  long long answer = Result(Drive({"ask", ViewerClass, "TglAnimatedGif", std::to_string(LogoId), GifState, "0", "0"}));
  if (answer < 0) return {};
  return {answer & 0xFFFF, (answer >> 16) != 0};
}

TEST_F(WidgetViewer, TheLogoPlaysOncePerTriggerAndTriggersDuringACycleAddOneMore) {
  TWineProcess viewer(Viewer(), {"--animate"}, ExeDir());
  ASSERT_EQ(Drive({"shown", ViewerClass, "20000"}).rfind("WINDOW", 0), 0u);
  // It moves, then stops on its first frame: one cycle, no loop.
  EXPECT_TRUE(PollUntil([] { return LogoState().Frame > 0; }));
  EXPECT_TRUE(PollUntil([] {
    TLogoState state = LogoState();
    return !state.Animating && state.Frame == 0;
  }));

  // Three triggers at once: the first starts it, the other two add exactly one cycle.
  for (int trigger = 0; trigger < 3; ++trigger)
    ASSERT_EQ(Drive({"post", ViewerClass, ViewerAnimate, "0", "0"}), "DONE");
  EXPECT_TRUE(PollUntil([] { return LogoState().Animating; }));
  EXPECT_TRUE(PollUntil([] { return !LogoState().Animating; }, 30));
  EXPECT_EQ(LogoState().Frame, 0);

  // A click on it: pressed and released inside.
  const std::string inside = "0xA000A";  // x 10, y 10
  EXPECT_EQ(Drive({"ask", ViewerClass, "TglAnimatedGif", std::to_string(LogoId), "0x201", "1", inside}), "RESULT 0");
  EXPECT_EQ(Drive({"ask", ViewerClass, "TglAnimatedGif", std::to_string(LogoId), "0x202", "0", inside}), "RESULT 0");
  EXPECT_EQ(Drive({"close", ViewerClass}), "DONE");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);
  std::vector<std::string> lines = OutputLines(viewer.Output());
  EXPECT_EQ(CountLines(lines, "WRAP"), 3u) << viewer.Output();
  EXPECT_EQ(CountLines(lines, "LOGO CLICK"), 1u) << viewer.Output();
}

TEST_F(WidgetViewer, TheLinkOpensItsAddressWithTheShell) {
  test::TScratchFolder folder(TGL_E2E_ROOT);
  // The address is a batch file: what the shell does with it is plain to see.
  folder.Write("open.bat", "echo opened> \"%~dp0opened.txt\"\r\n");
  TWineProcess viewer(Viewer(), {"--home", WindowsPath(folder.Path()) + "open.bat"}, ExeDir());
  ASSERT_EQ(Drive({"shown", ViewerClass, "20000"}).rfind("WINDOW", 0), 0u);
  std::string tree = Drive({"tree", ViewerClass, "5000"});
  EXPECT_NE(tree.find("TglLinkLabel id=102 visible=1"), std::string::npos) << tree;
  EXPECT_NE(tree.find("text=" + WindowsPath(folder.Path()) + "open.bat"), std::string::npos) << tree;
  EXPECT_EQ(Drive({"key", ViewerClass, "TglLinkLabel", std::to_string(LinkId), VkReturn}), "DONE");
  EXPECT_TRUE(PollUntil([&] { return folder.Exists("opened.txt"); }, 30));
  EXPECT_EQ(Drive({"close", ViewerClass}), "DONE");
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);
}

TEST_F(WidgetViewer, TheAboutBoxShowsTheProgramAndClosesWithOkAndEsc) {
  TWineProcess viewer(Viewer(), {"--hidden"}, ExeDir());
  ASSERT_EQ(Drive({"trayicons", "1", "20000"}), "TRAYICONS 1");
  for (const char* closeWith : {"OK", "Esc"}) {
    OpenTrayMenu();
    PressInMenu({"a"});
    ASSERT_EQ(Drive({"shown", DialogClass, "20000"}), "WINDOW #32770 visible=1 iconic=0 title=About Tesmora Game Launcher");
    std::string tree = Drive({"tree", DialogClass, "5000"});
    for (const char* shown : {"Static id=102 visible=1", "text=Tesmora Game Launcher",
                              "text=Version 1.0.3 from 02-Dec-2001", "TglLinkLabel id=105 visible=1",
                              "text=www.tesmoragl.example", "TglLinkLabel id=106 visible=1",
                              "text=support@tesmoragl.example", "Button id=1 visible=1"})
      EXPECT_NE(tree.find(shown), std::string::npos) << shown << "\n" << tree;
    // The logo is 74 pixels square.
    std::vector<std::string> windows = OutputLines(tree);
    auto logo = std::find_if(windows.begin(), windows.end(),
                             [](const std::string& line) { return line.find("TglAnimatedGif id=101") != std::string::npos; });
    ASSERT_NE(logo, windows.end()) << tree;
    EXPECT_NE(logo->find(",74,74 "), std::string::npos) << *logo;
    // OK has the focus; Tab goes on to the links.
    EXPECT_EQ(Drive({"focus", DialogClass}), "FOCUS Button id=1 text=OK");
    EXPECT_EQ(Drive({"postkey", DialogClass, VkTab}), "DONE");
    EXPECT_TRUE(PollUntil([] { return Drive({"focus", DialogClass}).rfind("FOCUS TglLinkLabel id=105", 0) == 0; }));
    if (std::string(closeWith) == "OK")
      EXPECT_EQ(Drive({"click", DialogClass, "Button", "1"}), "DONE");
    else
      EXPECT_EQ(Drive({"postkey", DialogClass, VkEscape}), "DONE");
    EXPECT_TRUE(PollUntil([] { return ViewerStateBits() == 3; })) << closeWith;
  }
  OpenTrayMenu();
  PressInMenu({"x"});
  EXPECT_EQ(viewer.Wait(ExitTimeout), 0);
  std::vector<std::string> lines = OutputLines(viewer.Output());
  EXPECT_EQ(CountLines(lines, "ABOUT closed"), 2u) << viewer.Output();
  EXPECT_EQ(CountLines(lines, "ERROR"), 0u) << viewer.Output();
}

}  // namespace
}  // namespace tgl::wine
