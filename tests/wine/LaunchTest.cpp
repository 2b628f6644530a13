// Games launched from outside the window, on the real TesmoraGL.exe under Wine: /run and
// /apply as a shortcut gives them (started with CreateProcessA by the driver), a request
// handed to the running instance, and the driver settings put back when the game ends or
// at the next start after the program was killed. The marker program stands for the game;
// while marker.wait exists it keeps running, as a game being played does.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

const char* const Form = "TTesmoraGLxForm";
// The game list menu's "Create desktop shortcut" (after Export and Import profile file).
const char* const DesktopShortcutCommand = "212";
const int ExitTimeout = 30;
const std::string WineGeForceCatalogue =
    "[Idents]\r\nVEN_0000&DEV_0000=GeForce\r\n[Files]\r\nGeForce=GeForce\r\n";
const char* const Recovered =
    "Tesmora Game Launcher ended while a game was running.\\r"
    "The driver settings changed for that game have been restored.";

class LaunchTest : public ::testing::Test {
protected:
  LaunchTest() {
    SetWindowsVersion("win98");
    Folder.Write("Cards.CFG", WineGeForceCatalogue);
    Folder.Write("marker.exe", ReadBytes(ExeDir() + "/marker.exe"));
    std::string cardKey = ProbeDriverKey(Folder);
    if (!cardKey.empty()) {
      DriverKey = cardKey + "\\NVidia";
      RunReg({"delete", DriverKey, "/f"});
    }
  }
  ~LaunchTest() override {
    ::unlink((Folder.Path() + "marker.wait").c_str());
    Program.reset();
    RunReg({"delete", "HKCU\\Software\\Wine", "/v", "Version", "/f"});
  }

  // A game "Marker Game" that starts the marker and sets the antialiasing quality.
  void WriteGames(const std::string& configuration = "") {
    Folder.Write("Games.CFG", configuration + "[Marker Game]\r\nPath=" +
                                  WindowsPath(Folder.Path()) +
                                  "marker.exe\r\nParameters=-x\r\n"
                                  "[%Marker Game_GeForce%]\r\nGL Antialiasing Quality=2\r\n"
                                  "[%%Default%_GeForce%]\r\nGL Antialiasing Quality=0\r\n");
  }
  // The program started with this command line after its own quoted name, as a shortcut
  // starts it; "EXIT n", or "RUNNING" when it has not ended in time.
  std::string Launch(const std::string& arguments, int timeoutMs = 30000) const {
    std::vector<std::string> lines = OutputLines(
        RunDriver({"launch", WindowsPath(Folder.Exe()), std::to_string(timeoutMs), arguments},
                  timeoutMs / 1000 + 30)
            .Output);
    return lines.empty() ? "<no answer>" : lines[0];
  }
  void Start(const std::vector<std::string>& arguments = {}) {
    Program = std::make_unique<TWineProcess>(Folder.Exe(), arguments, Folder.Path());
  }
  // A value of the driver's key (OpenGL\Name) as "TYPE data", as reg.exe prints it; empty
  // when it is missing.
  std::string Value(const std::string& subkeyAndName) const {
    size_t split = subkeyAndName.rfind('\\');
    return RegValue(DriverKey + "\\" + subkeyAndName.substr(0, split),
                    subkeyAndName.substr(split + 1));
  }
  void SetValue(const std::string& subkeyAndName, const std::string& type,
                const std::string& data) const {
    size_t split = subkeyAndName.rfind('\\');
    ASSERT_EQ(RunReg({"add", DriverKey + "\\" + subkeyAndName.substr(0, split), "/v",
                      subkeyAndName.substr(split + 1), "/t", type, "/d", data, "/f"}),
              0);
  }
  // marker.txt, once the marker has written it; empty when it never ran.
  std::string WaitForMarker() const {
    for (int attempt = 0; attempt < 150; ++attempt) {
      std::string text = Folder.Read("marker.txt");
      if (text.find("\r\nCWD ") != std::string::npos) return text;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return "";
  }
  // Polls until the value reads `expected`; what it last read.
  std::string WaitForValue(const std::string& name, const std::string& expected) const {
    std::string value;
    for (int attempt = 0; attempt < 30 && value != expected; ++attempt) {
      value = Value(name);
      if (value != expected) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return value;
  }
  // The values a Run of Marker Game changes, set to other types first; one stays absent.
  void SetEarlierValues() const {
    SetValue("OpenGL\\EnableFSAA", "REG_SZ", "kept text");
    SetValue("OpenGL\\FSAAQuality", "REG_BINARY", "0102ff");
    SetValue("OpenGL\\RenderQualityFlags", "REG_DWORD", "9");
  }
  void ExpectEarlierValues() const {
    EXPECT_EQ(WaitForValue("OpenGL\\FSAAQuality", "REG_BINARY 0102FF"), "REG_BINARY 0102FF");
    EXPECT_EQ(Value("OpenGL\\EnableFSAA"), "REG_SZ kept text");
    EXPECT_EQ(Value("OpenGL\\RenderQualityFlags"), "REG_DWORD 0x9");
    EXPECT_EQ(Value("Direct3D\\AntialiasEnable"), "") << "absent before the run";
  }
  static std::string Answer(const std::string& button) {
    TRunResult result = RunDriver({"answer", "20000", button});
    return result.Output.rfind("TEXT ", 0) == 0 ? OutputLines(result.Output)[0].substr(5)
                                                : "<no message box>";
  }

  TProgramFolder Folder;
  std::unique_ptr<TWineProcess> Program;
  std::string DriverKey;
};

TEST_F(LaunchTest, RunFromAShortcutAppliesTheGameStartsItAndEndsWithoutAWindow) {
  ASSERT_FALSE(DriverKey.empty());
  WriteGames();
  EXPECT_EQ(Launch("/run:\"marker game\""), "EXIT 0");
  std::string marker = WaitForMarker();
  EXPECT_NE(marker.find("marker.exe\" -x\r\n"), std::string::npos) << marker;
  EXPECT_EQ(Value("OpenGL\\FSAAQuality"), "REG_DWORD 0x2");
  EXPECT_FALSE(Folder.Exists("TesmoraGL.Restore")) << "restore is off by default";
}

TEST_F(LaunchTest, ApplyDefaultWritesTheDefaultValuesAndStartsNothing) {
  ASSERT_FALSE(DriverKey.empty());
  WriteGames();
  std::string before = Folder.Read("Games.CFG");
  EXPECT_EQ(Launch("/apply:Default"), "EXIT 0");
  EXPECT_EQ(Value("OpenGL\\FSAAQuality"), "REG_DWORD 0x0");
  EXPECT_FALSE(Folder.Exists("marker.txt"));
  EXPECT_NE(Folder.Read("Games.CFG").find(before), std::string::npos)
      << "the games and their values stay as they were";
}

TEST_F(LaunchTest, AnUnknownTitleIsToldAndEndsWithExitCodeOne) {
  ASSERT_FALSE(DriverKey.empty());
  WriteGames();
  Start({"/run:Marker"});
  EXPECT_EQ(Answer("ok"), "There is no game titled \"Marker\" in Tesmora Game Launcher.");
  EXPECT_EQ(Program->Wait(ExitTimeout), 1);
  EXPECT_FALSE(Folder.Exists("marker.txt"));
  EXPECT_EQ(Value("OpenGL\\FSAAQuality"), "");
}

TEST_F(LaunchTest, ASecondStartHandsItsRunToTheRunningInstance) {
  ASSERT_FALSE(DriverKey.empty());
  WriteGames("[%%Configuration]\r\nOnRun=0\r\n");
  Start();
  ASSERT_EQ(RunDriver({"shown", Form, "30000"}).ExitCode, 0);
  EXPECT_EQ(Launch("/run:\"Marker Game\""), "EXIT 0");
  std::string marker = WaitForMarker();
  EXPECT_NE(marker.find("marker.exe\" -x\r\n"), std::string::npos) << marker;
  EXPECT_EQ(WaitForValue("OpenGL\\FSAAQuality", "REG_DWORD 0x2"), "REG_DWORD 0x2");

  EXPECT_EQ(Launch("/run:\"Nothing\""), "EXIT 0") << "handed over: the running one tells";
  EXPECT_EQ(Answer("ok"), "There is no game titled \"Nothing\" in Tesmora Game Launcher.");
  EXPECT_EQ(RunDriver({"shown", Form, "5000"}).ExitCode, 0) << "OnRun 0: the window stays";
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Program->Wait(ExitTimeout), 0);
}

TEST_F(LaunchTest, WithRestoreOnTheEarlierValuesComeBackWhenTheGameEnds) {
  ASSERT_FALSE(DriverKey.empty());
  WriteGames("[%%Configuration]\r\nRestoreDriverSettings=1\r\n");
  SetEarlierValues();
  Folder.Write("marker.wait", "");
  Start({"/run:Marker Game"});
  ASSERT_FALSE(WaitForMarker().empty());
  EXPECT_EQ(WaitForValue("OpenGL\\FSAAQuality", "REG_DWORD 0x2"), "REG_DWORD 0x2");
  EXPECT_NE(Value("Direct3D\\AntialiasEnable"), "");
  EXPECT_TRUE(Folder.Exists("TesmoraGL.Restore"));
  EXPECT_EQ(Program->Wait(1), std::nullopt) << "it waits for the game";
  EXPECT_EQ(RunDriver({"shown", Form, "1000"}).ExitCode, 2) << "without a window";
  // Out of sight, the game is still named where the program is: in its tray tip.
  const std::string tip = "Running Marker Game: settings will be restored";
  TRunResult tips = RunDriver({"traytip", "20000", tip});
  EXPECT_EQ(tips.ExitCode, 0) << tips.Output;
  std::vector<std::string> lines = OutputLines(tips.Output);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "TRAYTIP " + tip), lines.end()) << tips.Output;

  ::unlink((Folder.Path() + "marker.wait").c_str());
  EXPECT_EQ(Program->Wait(ExitTimeout), 0);
  ExpectEarlierValues();
  EXPECT_FALSE(Folder.Exists("TesmoraGL.Restore"));
}

TEST_F(LaunchTest, KilledWhileTheGameRunsTheNextStartRestoresAndSaysSo) {
  ASSERT_FALSE(DriverKey.empty());
  WriteGames("[%%Configuration]\r\nRestoreDriverSettings=1\r\n");
  SetEarlierValues();
  Folder.Write("marker.wait", "");
  Start({"/run:Marker Game"});
  ASSERT_FALSE(WaitForMarker().empty());
  ASSERT_EQ(WaitForValue("OpenGL\\FSAAQuality", "REG_DWORD 0x2"), "REG_DWORD 0x2");
  RunWine("taskkill", {"/f", "/im", "TesmoraGL.exe"}, Folder.Path(), 30);
  EXPECT_NE(Program->Wait(ExitTimeout), std::nullopt);
  ::unlink((Folder.Path() + "marker.wait").c_str());
  ASSERT_TRUE(Folder.Exists("TesmoraGL.Restore"));

  Start();
  EXPECT_EQ(Answer("ok"), Recovered);
  ExpectEarlierValues();
  EXPECT_FALSE(Folder.Exists("TesmoraGL.Restore"));
  EXPECT_EQ(RunDriver({"shown", Form, "30000"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Program->Wait(ExitTimeout), 0);
}

// The desktop is moved into the test's folder for the test (Wine's own is the user's home).
TEST_F(LaunchTest, TheDesktopShortcutRunsTheGameByItsTitleInItsFolder) {
  ASSERT_FALSE(DriverKey.empty());
  WriteGames("[%%Configuration]\r\nOnRun=0\r\n");
  const std::string desktop = Folder.Path() + "desk/";
  ASSERT_EQ(::mkdir(desktop.c_str(), 0755), 0);
  const std::string shellFolders =
      "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  ASSERT_EQ(RunReg({"add", shellFolders, "/v", "Desktop", "/t", "REG_EXPAND_SZ", "/d",
                    WindowsPath(desktop), "/f"}),
            0);
  Start();
  ASSERT_EQ(RunDriver({"shown", Form, "30000"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"select", Form, "1"}).ExitCode, 0);  // after " Default "
  // The context menu's "Create desktop shortcut" sends this command.
  ASSERT_EQ(RunDriver({"post", Form, "0x111", DesktopShortcutCommand, "0"}).ExitCode, 0);
  const std::string link = desktop + "Marker Game.lnk";
  for (int attempt = 0; attempt < 100 && !Folder.Exists("desk/Marker Game.lnk"); ++attempt)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::vector<std::string> shortcut =
      OutputLines(RunDriver({"shortcut", WindowsPath(link)}).Output);
  RunReg({"add", shellFolders, "/v", "Desktop", "/t", "REG_EXPAND_SZ", "/d",
          "%USERPROFILE%\\Desktop", "/f"});
  std::string folder = WindowsPath(Folder.Path());
  folder.pop_back();
  EXPECT_EQ(shortcut, (std::vector<std::string>{"TARGET " + WindowsPath(Folder.Exe()),
                                                "ARGS /run:\"Marker Game\"", "DIR " + folder,
                                                "ICON " + folder + "\\marker.exe,0"}));
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Program->Wait(ExitTimeout), 0);

  // What the shortcut starts runs the game.
  ASSERT_EQ(shortcut.size(), 4u);
  EXPECT_EQ(Launch(shortcut[1].substr(5)), "EXIT 0");
  EXPECT_NE(WaitForMarker().find("marker.exe\" -x\r\n"), std::string::npos);
}

TEST_F(LaunchTest, TheTrayMenuListsTheGamesAndRunsTheChosenOne) {
  ASSERT_FALSE(DriverKey.empty());
  WriteGames();
  Start({"/minimized"});
  auto drive = [](const std::vector<std::string>& arguments) {
    std::vector<std::string> lines = OutputLines(RunDriver(arguments).Output);
    return lines.empty() ? std::string() : lines[0];
  };
  ASSERT_EQ(drive({"trayicons", "1", "30000"}), "TRAYICONS 1");
  // The icon's right click as the shell posts it (WM_APP + 1, WM_RBUTTONUP).
  ASSERT_EQ(drive({"post", "TglTrayIcon", "0x8001", "1", "0x205"}), "DONE");
  ASSERT_EQ(drive({"popupmenu", "20000"}).rfind("MENU at=", 0), 0u);
  ASSERT_EQ(drive({"menukeys", "40", "13"}), "DONE");  // the first item: Marker Game
  std::string marker = WaitForMarker();
  EXPECT_NE(marker.find("marker.exe\" -x\r\n"), std::string::npos) << marker;
  EXPECT_EQ(WaitForValue("OpenGL\\FSAAQuality", "REG_DWORD 0x2"), "REG_DWORD 0x2");
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Program->Wait(ExitTimeout), 0);
}

}  // namespace
}  // namespace tgl::wine
