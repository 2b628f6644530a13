// The main window of the real TesmoraGL.exe under Wine: the card box and the tuning panel,
// the game list with the save question, Run, the start hidden in the tray and a second
// start, closing. Wine's own display adapter (PCI\VEN_0000&DEV_0000) is unknown to the
// embedded catalogue; a Cards.CFG in the program folder makes it a GeForce.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <thread>

#include "WineHarness.h"
#include "Windows95Registry.h"

namespace tgl::wine {
namespace {

const char* const Form = "TTesmoraGLxForm";
const int ExitTimeout = 30;
const char* const RunCommand = "101";  // the command of ExecuteAction's buttons
const char* const PalettedCheck = "145";  // option "DX 8bit textures", on the first page
const char* const DeleteCommand = "105";
const char* const NewCommand = "100";
const char* const EditCommand = "104";
const char* const WmCommand = "273";
// Virtual-key codes.
const char* const DownKey = "40";
const char* const InsertKey = "45";
const char* const DeleteKey = "46";
const char* const F2Key = "113";
// The game list's context menu: "Export profile file..." and "Import profile file...".
const char* const ExportProfileCommand = "210";
const char* const ImportProfileCommand = "211";

const std::string WineGeForceCatalogue =
    "[Idents]\r\nVEN_0000&DEV_0000=GeForce\r\n[Files]\r\nGeForce=GeForce\r\n";
const std::string SaveQuestion =
    "Do you want to save changes (overwise changes will be reverted)? ";

struct TItem {
  std::string Text;
  bool Selected = false;
};

class MainWindowTest : public ::testing::Test {
protected:
  ~MainWindowTest() override {
    Program.reset();
    // They exist on no Windows that Wine pretends to be but Windows 95.
    if (Windows95DevicesImported) ImportRegistry(RemoveWindows95Devices);
    RunReg({"delete", "HKCU\\Software\\Wine", "/v", "Version", "/f"});
  }

  void Start(const std::vector<std::string>& arguments = {}) {
    Program = std::make_unique<TWineProcess>(Folder.Exe(), arguments, Folder.Path());
  }
  void StartShown(const std::vector<std::string>& arguments = {}) {
    Start(arguments);
    TRunResult shown = RunDriver({"shown", Form, "30000"});
    ASSERT_EQ(shown.ExitCode, 0) << shown.Output;
  }
  std::optional<int> WaitForExit() { return Program->Wait(ExitTimeout); }

  void ImportRegistry(const std::string& text) {
    Folder.Write("import.reg", text);
    TRunResult result =
        RunWine("regedit", {"/s", WindowsPath(Folder.Path() + "import.reg")}, Folder.Path(), 60);
    ASSERT_EQ(result.ExitCode, 0);
  }

  static std::vector<TItem> Items() {
    std::vector<TItem> items;
    for (const std::string& line : OutputLines(RunDriver({"items", Form}).Output)) {
      std::istringstream fields(line);
      std::string word, index, state;
      fields >> word >> index >> state;
      if (word != "ITEM") continue;
      size_t text = line.find(" text=");
      items.push_back({line.substr(text + 6), (std::stoi(state.substr(6)) & 2) != 0});
    }
    return items;
  }
  static int IndexOf(const std::string& text) {
    std::vector<TItem> items = Items();
    for (size_t index = 0; index < items.size(); ++index)
      if (items[index].Text == text) return static_cast<int>(index);
    return -1;
  }
  static std::string Selected() {
    for (const TItem& item : Items())
      if (item.Selected) return item.Text;
    return "<none>";
  }
  // Polls, with a bound, until the game list shows `text` selected.
  static bool WaitSelected(const std::string& text) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (Selected() == text) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }
  static void Select(const std::string& text) {
    int index = IndexOf(text);
    ASSERT_GE(index, 0) << text;
    ASSERT_EQ(RunDriver({"select", Form, std::to_string(index)}).ExitCode, 0);
  }
  static std::string Answer(const std::string& button) {
    TRunResult result = RunDriver({"answer", "20000", button});
    return result.Output.rfind("TEXT ", 0) == 0 ? OutputLines(result.Output)[0].substr(5)
                                                : "<no message box>";
  }
  // The tree line of the first window of that class and ID.
  static std::string WindowLine(const std::string& className, int id = -1) {
    for (const std::string& line : OutputLines(RunDriver({"tree", Form, "20000"}).Output)) {
      std::istringstream fields(line);
      std::string depth, kind, idField;
      fields >> depth >> kind >> idField;
      if (kind == className && (id < 0 || idField == "id=" + std::to_string(id))) return line;
    }
    return "<none>";
  }
  static std::string TextOf(const std::string& line) {
    size_t text = line.find(" text=");
    return text == std::string::npos ? "" : line.substr(text + 6);
  }
  // Windows 98, Wine's adapter a GeForce, the games Arena and Quake: shown, Arena selected.
  void StartOnArenaOfTwoGames() {
    SetWindowsVersion("win98");
    Folder.Write("Cards.CFG", WineGeForceCatalogue);
    Folder.Write("Games.CFG", "[Arena]\r\nPath=C:\\Arena.exe\r\n[Quake]\r\nPath=C:\\Quake.exe\r\n");
    StartShown();
    Select("Arena");
    ASSERT_TRUE(WaitSelected("Arena"));
  }
  // The GeForce values of a profile in Games.CFG, read back as the program wrote them.
  std::string GamesFile() const { return Folder.Read("Games.CFG"); }
  bool Holds(const std::string& text) const { return GamesFile().find(text) != std::string::npos; }

  TProgramFolder Folder;
  std::unique_ptr<TWineProcess> Program;
  bool Windows95DevicesImported = false;
};

TEST_F(MainWindowTest, StatusBarNamesTheEmulatedWindows) {
  // Windows 95 has no EnumDisplayDevicesA: its adapters are found in HKEY_DYN_DATA.
  ImportRegistry(Windows95Devices);
  Windows95DevicesImported = true;
  const std::pair<const char*, const char*> cases[] = {{"win95", "Windows 95"},
                                                       {"win98", "Windows 98"},
                                                       {"winme", "Windows Me"},
                                                       {"win2k", "Windows 2000"}};
  for (const auto& [version, text] : cases) {
    SCOPED_TRACE(version);
    SetWindowsVersion(version);
    StartShown();
    EXPECT_EQ(TextOf(WindowLine("msctls_statusbar32")), text);
    EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
    EXPECT_EQ(WaitForExit(), 0);
  }
}

TEST_F(MainWindowTest, SettingsThatCannotBeSavedAreShownOnceAndTheProgramStillEnds) {
  SetWindowsVersion("win98");
  StartShown();
  // A read-only Games.CFG is never written.
  Folder.Write("Games.CFG", "[Arena]\r\nPath=C:\\Arena.exe\r\n");
  ASSERT_EQ(::chmod((Folder.Path() + "Games.CFG").c_str(), 0444), 0);
  ASSERT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Answer("ok"), "Unable to write to " + WindowsPath(Folder.Path()) + "Games.CFG");
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_EQ(RunDriver({"msgbox", "1000"}).ExitCode, 2) << "no second message";

  // The instance mutex is free again: the next start is a first instance.
  ASSERT_EQ(::chmod((Folder.Path() + "Games.CFG").c_str(), 0644), 0);
  StartShown();
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(MainWindowTest, AnUnknownAdapterIsListedAndShowsTheNoticeInsteadOfAPanel) {
  SetWindowsVersion("win98");
  Folder.Write("Games.CFG", "[zork]\r\n[Abe]\r\n[Zap]\r\n[1942]\r\n");
  StartShown();
  // Sorted as lstrcmpA sorts: letter case counts last; the Default entry first.
  std::vector<std::string> titles;
  for (const TItem& item : Items()) titles.push_back(item.Text);
  EXPECT_EQ(titles, (std::vector<std::string>{" Default ", "1942", "Abe", "Zap", "zork"}));
  EXPECT_EQ(Selected(), " Default ");
  std::vector<std::string> cards = OutputLines(RunDriver({"cards", Form}).Output);
  ASSERT_EQ(cards.size(), 1u);
  EXPECT_EQ(cards[0].rfind("CARD 0 selected=1 ", 0), 0u) << cards[0];
  EXPECT_EQ(TextOf(WindowLine("TglNotice")),
            "Your videocard isn't supported by \\rTesmora Game Launcher");
  EXPECT_NE(RunDriver({"tree", Form, "20000"})
                .Output.find(" text=Supported cards: 3dfx Voodoo3, Voodoo4 and Voodoo5, ATI "
                             "Rage Pro and Radeon, nVidia TNT and GeForce. Run still starts "
                             "the game, without changing the driver's settings."),
            std::string::npos)
      << "below it, in the normal font, the cards that are supported";
  EXPECT_EQ(WindowLine("SysTabControl32"), "<none>") << "no tuning panel";
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(MainWindowTest, ShowAllCardsListsTheCatalogueAndTheGeForceShowsItsDefaults) {
  SetWindowsVersion("win98");
  Folder.Write("Games.CFG", "[%%Configuration]\r\nShowAllCards=1\r\n");
  StartShown();
  std::vector<std::string> cards = OutputLines(RunDriver({"cards", Form}).Output);
  ASSERT_EQ(cards.size(), 10u);
  EXPECT_EQ(cards[9], "CARD 9 selected=0 _GeForce");

  ASSERT_EQ(RunDriver({"pick", Form, "9"}).ExitCode, 0);
  std::string antialiasing = "<none>";
  for (int attempt = 0; attempt < 100 && antialiasing == "<none>"; ++attempt)
    antialiasing = WindowLine("Button", 200);
  EXPECT_NE(antialiasing.find("state=check=0"), std::string::npos) << antialiasing;
  EXPECT_NE(WindowLine("Button", 144).find("state=check=1"), std::string::npos);
  EXPECT_NE(WindowLine("Button", 122).find("state=check=1"), std::string::npos);
  EXPECT_NE(WindowLine("ComboBox", 201).find("selected=1"), std::string::npos);
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_TRUE(Holds("ShowAllCards=1\r\n")) << "never rewritten, kept";
}

TEST_F(MainWindowTest, TheSaveQuestionSavesRevertsOrKeepsTheEdits) {
  ASSERT_NO_FATAL_FAILURE(StartOnArenaOfTwoGames());

  // Yes: the edit of Arena is saved, Quake comes.
  ASSERT_EQ(RunDriver({"click", Form, "Button", PalettedCheck}).ExitCode, 0);
  Select("Quake");
  EXPECT_EQ(Answer("yes"), SaveQuestion);
  EXPECT_TRUE(WaitSelected("Quake"));
  EXPECT_TRUE(Holds("[%Arena_GeForce%]")) << GamesFile();
  EXPECT_TRUE(Holds("DX 8bit textures=1")) << GamesFile();

  // No: Quake's edit is dropped, Arena comes with its saved value.
  ASSERT_EQ(RunDriver({"click", Form, "Button", PalettedCheck}).ExitCode, 0);
  Select("Arena");
  EXPECT_EQ(Answer("no"), SaveQuestion);
  EXPECT_TRUE(WaitSelected("Arena"));
  EXPECT_FALSE(Holds("[%Quake_GeForce%]")) << GamesFile();
  EXPECT_NE(WindowLine("Button", 145).find("state=check=1"), std::string::npos);

  // Cancel: Arena stays, with its edit, and nothing is written.
  ASSERT_EQ(RunDriver({"click", Form, "Button", PalettedCheck}).ExitCode, 0);
  std::string before = GamesFile();
  Select("Quake");
  EXPECT_EQ(Answer("cancel"), SaveQuestion);
  EXPECT_TRUE(WaitSelected("Arena"));
  EXPECT_NE(WindowLine("Button", 145).find("state=check=0"), std::string::npos);
  EXPECT_EQ(GamesFile(), before);

  // Closing asks too: Cancel keeps the window, Yes saves and ends.
  ASSERT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Answer("cancel"), SaveQuestion);
  EXPECT_EQ(RunDriver({"shown", Form, "5000"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Answer("yes"), SaveQuestion);
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_TRUE(Holds("DX 8bit textures=0")) << GamesFile();
}

// Run and Apply write the driver's keys of Wine's adapter: its DeviceKey, as cardprobe.exe
// reports it, followed by the GeForce's key.
class RunTest : public MainWindowTest {
protected:
  RunTest() {
    SetWindowsVersion("win98");
    Folder.Write("Cards.CFG", WineGeForceCatalogue);
    Folder.Write("marker.exe", ReadBytes(ExeDir() + "/marker.exe"));
    std::string cardKey = ProbeDriverKey(Folder);
    if (!cardKey.empty()) OpenGLKey = cardKey + "\\NVidia\\OpenGL";
    RunReg({"delete", OpenGLKey, "/f"});
  }

  // A value of the card's OpenGL key as reg.exe prints it ("REG_DWORD 0x2"); empty when it
  // is missing.
  std::string RegistryValue(const std::string& name) const { return RegValue(OpenGLKey, name); }

  // marker.txt, once the marker program has written it; empty when it never ran.
  std::string WaitForMarker() const {
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string text = Folder.Read("marker.txt");
      if (text.find("\r\nCWD ") != std::string::npos) return text;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return "";
  }

  // Makes the card's OpenGL key refuse writes until the returned guard goes, which also
  // removes the key: the other tests write it. The server that enforces the DACL is the one
  // the running program uses, so the program must be running.
  struct TWritesDenied {
    std::string Key, Folder;
    ~TWritesDenied() {
      RunWine(Folder + "denyregistrywrites.exe", {Key, "/undo"}, Folder, 60);
      RunReg({"delete", "HKLM\\" + Key, "/f"});
    }
  };
  std::unique_ptr<TWritesDenied> DenyWrites() {
    Folder.Write("denyregistrywrites.exe", ReadBytes(ExeDir() + "/denyregistrywrites.exe"));
    const std::string key = OpenGLKey.substr(std::string("HKLM\\").size());
    // Made in place: a temporary's destructor would allow the writes again at once.
    std::unique_ptr<TWritesDenied> denied(new TWritesDenied{key, Folder.Path()});
    TRunResult deny = RunWine(Folder.Path() + "denyregistrywrites.exe", {key}, Folder.Path(), 60);
    EXPECT_EQ(deny.ExitCode, 0) << deny.Output;
    return denied;
  }

  std::string OpenGLKey = "<no adapter>";
};

TEST_F(RunTest, RunWritesTheGamesValuesStartsItInItsFolderAndThenDoesWhatOnRunSays) {
  ASSERT_NE(OpenGLKey, "<no adapter>");
  for (int onRun : {0, 1, 2}) {
    SCOPED_TRACE("OnRun " + std::to_string(onRun));
    ::unlink((Folder.Path() + "marker.txt").c_str());
    Folder.Write("Games.CFG", "[%%Configuration]\r\nOnRun=" + std::to_string(onRun) +
                                  "\r\n[Marker]\r\nPath=" + WindowsPath(Folder.Path()) +
                                  "marker.exe\r\nParameters=-x \"a b\"\r\n"
                                  "[%Marker_GeForce%]\r\nGL Antialiasing Quality=" +
                                  std::to_string(onRun) + "\r\n");
    StartShown();
    Select("Marker");
    ASSERT_TRUE(WaitSelected("Marker"));
    ASSERT_EQ(RunDriver({"button", Form, RunCommand}).ExitCode, 0);

    std::string marker = WaitForMarker();
    EXPECT_NE(marker.find("marker.exe\" -x \"a b\"\r\n"), std::string::npos) << marker;
    std::string folder = WindowsPath(Folder.Path());
    folder.pop_back();
    EXPECT_NE(marker.find("\r\nCWD " + folder + "\r\n"), std::string::npos) << marker;
    EXPECT_EQ(RegistryValue("FSAAQuality"), "REG_DWORD 0x" + std::to_string(onRun));

    if (onRun == 2) {
      EXPECT_EQ(WaitForExit(), 0);
      continue;
    }
    TRunResult window = RunDriver({"window", Form, "5000"});
    EXPECT_NE(window.Output.find(onRun == 0 ? "visible=1 iconic=0" : "visible=0 iconic=1"),
              std::string::npos)
        << window.Output;
    EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
    EXPECT_EQ(WaitForExit(), 0);
  }
}

TEST_F(RunTest, EnterOnTheDefaultEntryAppliesAndStartsNothing) {
  ASSERT_NE(OpenGLKey, "<no adapter>");
  Folder.Write("Games.CFG", "[%%Default%_GeForce%]\r\nGL Antialiasing Quality=2\r\n");
  StartShown();
  ASSERT_TRUE(WaitSelected(" Default "));
  ASSERT_EQ(RunDriver({"listkey", Form, "13"}).ExitCode, 0);
  std::string value;
  for (int attempt = 0; attempt < 20 && value != "REG_DWORD 0x2"; ++attempt)
    value = RegistryValue("FSAAQuality");
  EXPECT_EQ(value, "REG_DWORD 0x2");
  EXPECT_EQ(RunDriver({"shown", Form, "5000"}).ExitCode, 0) << "Apply neither minimises nor ends";
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

// The tray icon's menu opens on a right click while the window is away: the driver posts
// the icon's callback message as the shell would.
class TrayTest : public MainWindowTest {
protected:
  static std::string Drive(const std::vector<std::string>& arguments) {
    std::string output = RunDriver(arguments).Output;
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    return output;
  }
  static void OpenTrayMenu() {
    ASSERT_EQ(Drive({"post", TrayClass, TrayCallback, "1", RightButtonUp}), "DONE");
    ASSERT_EQ(Drive({"popupmenu", "20000"}).rfind("MENU at=", 0), 0u);
  }
  static bool MenusClosed() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (Drive({"menus"}) == "MENUS 0") return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }
  static constexpr const char* TrayClass = "TglTrayIcon";
  static constexpr const char* TrayCallback = "0x8001";  // WM_APP + 1
  static constexpr const char* RightButtonUp = "0x205";
  static constexpr const char* LeftDoubleClick = "0x203";
};

TEST_F(TrayTest, TheTrayMenuShowsTheHiddenWindowAndExitEndsWithoutTheQuestion) {
  SetWindowsVersion("win98");
  Folder.Write("Cards.CFG", WineGeForceCatalogue);
  Start({"/minimized"});
  ASSERT_EQ(Drive({"trayicons", "1", "30000"}), "TRAYICONS 1");
  EXPECT_NE(Drive({"window", Form, "5000"}).find("visible=0"), std::string::npos);

  OpenTrayMenu();
  ASSERT_EQ(Drive({"menukeys", "s"}), "DONE");  // Show Game Launcher
  ASSERT_EQ(RunDriver({"shown", Form, "20000"}).ExitCode, 0);
  EXPECT_EQ(TextOf(WindowLine("msctls_statusbar32")), "Windows 98");

  // Edited values, then Exit from the tray: no question, the edits are lost, the settings
  // are saved, and the icon goes.
  ASSERT_EQ(RunDriver({"click", Form, "Button", PalettedCheck}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"minimize", Form}).ExitCode, 0);
  OpenTrayMenu();
  ASSERT_EQ(Drive({"menukeys", "x"}), "DONE");
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_EQ(RunDriver({"msgbox", "1000"}).ExitCode, 2) << "no question";
  EXPECT_FALSE(Holds("DX 8bit textures")) << GamesFile();
  EXPECT_TRUE(Holds("[%%Configuration]\r\nConfirmSaving=1\r\n")) << GamesFile();
  EXPECT_EQ(Drive({"trayicons", "0", "20000"}), "TRAYICONS 0");
}

TEST_F(TrayTest, WhileTheAboutBoxIsOpenTheTrayIconHasNoMenuAndCannotShowTheWindow) {
  SetWindowsVersion("win98");
  Start({"/minimized"});
  ASSERT_EQ(Drive({"trayicons", "1", "30000"}), "TRAYICONS 1");
  OpenTrayMenu();
  ASSERT_EQ(Drive({"menukeys", "a"}), "DONE");  // About
  ASSERT_EQ(Drive({"shown", "#32770", "20000"}).rfind("WINDOW", 0), 0u);
  EXPECT_EQ(Drive({"send", TrayClass, TrayCallback, "1", RightButtonUp, "10000"}), "RESULT 0");
  EXPECT_EQ(Drive({"menus"}), "MENUS 0");
  EXPECT_EQ(Drive({"send", TrayClass, TrayCallback, "1", LeftDoubleClick, "10000"}), "RESULT 0");
  EXPECT_NE(Drive({"window", Form, "5000"}).find("visible=0"), std::string::npos);

  // The box closed: the menu is back, and a double click shows the window.
  EXPECT_EQ(Drive({"postkey", "#32770", "27"}), "DONE");
  ASSERT_TRUE(MenusClosed());
  std::string shown;
  for (int attempt = 0; attempt < 50 && shown.rfind("WINDOW", 0) != 0; ++attempt) {
    Drive({"send", TrayClass, TrayCallback, "1", LeftDoubleClick, "10000"});
    shown = Drive({"shown", Form, "200"});
  }
  EXPECT_EQ(shown.rfind("WINDOW", 0), 0u) << shown;
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(MainWindowTest, MinimizedStartsHiddenAndASecondStartShowsIt) {
  SetWindowsVersion("win98");
  Start({"/MINIMIZED"});
  TRunResult window = RunDriver({"window", Form, "30000"});
  ASSERT_EQ(window.ExitCode, 0) << window.Output;
  EXPECT_NE(window.Output.find("visible=0"), std::string::npos) << window.Output;

  EXPECT_EQ(RunWine(Folder.Exe(), {}, Folder.Path(), ExitTimeout).ExitCode, 0);
  TRunResult shown = RunDriver({"shown", Form, "10000"});
  EXPECT_EQ(shown.ExitCode, 0) << shown.Output;
  EXPECT_EQ(TextOf(WindowLine("msctls_statusbar32")), "Windows 98") << "shown for the first time";
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

// The read-back after a write: the OpenGL key of the adapter refuses new values (its DACL
// denies KEY_SET_VALUE). Cancel starts nothing; OK starts the game anyway. The game of the
// cancelled Run is a copy of the marker in a folder of its own, so its record would show.
TEST_F(RunTest, ValuesTheRegistryRefusesAreAskedAboutAndCancelStartsNothing) {
  ASSERT_NE(OpenGLKey, "<no adapter>");
  ASSERT_EQ(::mkdir((Folder.Path() + "cancelled").c_str(), 0755), 0);
  Folder.Write("cancelled/marker.exe", ReadBytes(ExeDir() + "/marker.exe"));
  const std::string folder = WindowsPath(Folder.Path());
  Folder.Write("Games.CFG", "[Cancelled]\r\nPath=" + folder + "cancelled\\marker.exe\r\n"
                            "[%Cancelled_GeForce%]\r\nGL Antialiasing Quality=2\r\n"
                            "[Marker]\r\nPath=" + folder + "marker.exe\r\n"
                            "[%Marker_GeForce%]\r\nGL Antialiasing Quality=2\r\n");
  StartShown();
  auto denied = DenyWrites();
  ASSERT_FALSE(HasFailure());

  Select("Cancelled");
  ASSERT_TRUE(WaitSelected("Cancelled"));
  ASSERT_EQ(RunDriver({"button", Form, RunCommand}).ExitCode, 0);
  std::string text = Answer("cancel");
  EXPECT_EQ(text.rfind("Some settings did not reach the driver registry:\\r", 0), 0u) << text;
  EXPECT_NE(text.find("\\rAntialiasing Quality: wanted REG_DWORD 2, found no value\\r"),
            std::string::npos)
      << text;
  EXPECT_TRUE(text.ends_with("\\r\\rStart the game anyway?")) << text;
  EXPECT_EQ(RegistryValue("FSAAQuality"), "");

  Select("Marker");
  ASSERT_TRUE(WaitSelected("Marker"));
  ASSERT_EQ(RunDriver({"button", Form, RunCommand}).ExitCode, 0);
  EXPECT_EQ(Answer("ok").rfind("Some settings did not reach the driver registry:", 0), 0u);
  EXPECT_NE(WaitForMarker(), "") << "OK starts the game anyway";
  EXPECT_FALSE(Folder.Exists("cancelled/marker.txt")) << "Cancel started the game";
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

// Twenty refused values: the message lists eight, a line each, and sends the user to the
// log, which names all twenty although it is off. A tuning definition in the program
// folder puts twenty options of no control into the refused key.
TEST_F(RunTest, OfTwentyRefusedValuesTheMessageListsEightAndTheLogAll) {
  ASSERT_NE(OpenGLKey, "<no adapter>");
  std::string definition = "[%Common9x%]\r\nStoreAs=DWord\r\n";
  for (int i = 1; i <= 20; ++i)
    definition += "[Extra " + std::to_string(i) + "]\r\nCaption=Extra setting " +
                  std::to_string(i) + "\r\nKey=NVidia\\OpenGL\\Extra" + std::to_string(i) +
                  "\r\nType=Switch\r\nControl=Check\r\nDefault=1\r\n";
  Folder.Write("GeForce.CFG", definition);
  StartShown();
  auto denied = DenyWrites();
  ASSERT_FALSE(HasFailure());

  // Apply on the Default entry, which is selected at start.
  ASSERT_EQ(RunDriver({"button", Form, RunCommand}).ExitCode, 0);
  std::string text = Answer("ok");
  auto count = [](const std::string& in, const std::string& part) {
    int found = 0;
    for (size_t at = in.find(part); at != std::string::npos; at = in.find(part, at + 1)) ++found;
    return found;
  };
  EXPECT_EQ(count(text, ": wanted REG_DWORD 1, found no value"), 8) << text;
  EXPECT_NE(text.find("\\rExtra setting 1: wanted REG_DWORD 1, found no value\\r"),
            std::string::npos)
      << text;
  EXPECT_TRUE(text.ends_with("\\r... and 12 more: see TesmoraGL.Log")) << text;
  std::string log = Folder.Exists("TesmoraGL.Log") ? Folder.Read("TesmoraGL.Log") : "";
  EXPECT_EQ(count(log, "Setting not applied: Extra setting "), 20) << log;
  EXPECT_NE(log.find("Setting not applied: Extra setting 20: HKEY_LOCAL_MACHINE\\"),
            std::string::npos)
      << log;
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

// A game travels as a profile file: exported from the context menu's command, deleted,
// imported back through the open dialog. The run's first write of Games.CFG (the Delete)
// copied it to Games.CFG.1 first.
TEST_F(MainWindowTest, AnExportedGameComesBackWithItsValuesAfterADelete) {
  SetWindowsVersion("win98");
  Folder.Write("Cards.CFG", WineGeForceCatalogue);
  const std::string games =
      "[Arena]\r\nPath=C:\\Games\\Arena.exe\r\nParameters=-x \"a b\"\r\n"
      "[%Arena_GeForce%]\r\nDX 8bit textures=1\r\n[Quake]\r\nPath=C:\\Quake.exe\r\n";
  Folder.Write("Games.CFG", games);
  StartShown();
  Select("Arena");
  ASSERT_TRUE(WaitSelected("Arena"));
  const char* const Command = "0x111";  // WM_COMMAND
  ASSERT_EQ(RunDriver({"post", Form, Command, ExportProfileCommand, "0"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"filedialog", "Export profile file", "20000",
                       WindowsPath(Folder.Path()) + "arena.tgp"})
                .ExitCode,
            0);
  std::string exported;
  for (int attempt = 0; attempt < 100 && exported.find("[End]") == std::string::npos; ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    exported = Folder.Exists("arena.tgp") ? Folder.Read("arena.tgp") : "";
  }
  EXPECT_NE(exported.find("Title=Arena\r\n"), std::string::npos) << exported;

  ASSERT_EQ(RunDriver({"post", Form, Command, DeleteCommand, "0"}).ExitCode, 0);
  EXPECT_EQ(Answer("ok"), "Delete game profile?");
  for (int attempt = 0; attempt < 100 && IndexOf("Arena") >= 0; ++attempt)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ASSERT_EQ(IndexOf("Arena"), -1);
  EXPECT_FALSE(Holds("[Arena]"));
  EXPECT_EQ(Folder.Read("Games.CFG.1"), games);

  ASSERT_EQ(RunDriver({"post", Form, Command, ImportProfileCommand, "0"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"filedialog", "Import profile file", "20000",
                       WindowsPath(Folder.Path()) + "arena.tgp"})
                .ExitCode,
            0);
  EXPECT_TRUE(WaitSelected("Arena"));
  EXPECT_TRUE(Holds("[Arena]\r\nPath=C:\\Games\\Arena.exe\r\nParameters=-x \"a b\"\r\n"))
      << GamesFile();
  EXPECT_TRUE(Holds("[%Arena_GeForce%]\r\nDX 8bit textures=1\r\n")) << GamesFile();
  EXPECT_NE(WindowLine("Button", 145).find("state=check=1"), std::string::npos);
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_EQ(Folder.Read("Games.CFG.1"), games) << "one copy for the run";
  EXPECT_FALSE(Folder.Exists("Games.CFG.2"));
}

// A folder named Games.CFG: the program says so, runs without games, and at the end saves
// nothing over it (a new file there would take the place of the user's games).
TEST_F(MainWindowTest, AGamesCfgThatCannotBeReadIsToldAndKept) {
  SetWindowsVersion("win98");
  Folder.Write("Cards.CFG", WineGeForceCatalogue);
  ASSERT_EQ(::mkdir((Folder.Path() + "Games.CFG").c_str(), 0755), 0);
  Start();
  std::string text = Answer("ok");
  EXPECT_NE(text.find("\\Games.CFG cannot be read.\\rIt is kept as it is, and nothing is saved "
                      "to it while it cannot be read."),
            std::string::npos)
      << text;
  ASSERT_EQ(RunDriver({"shown", Form, "30000"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
  struct stat info {};
  ASSERT_EQ(::stat((Folder.Path() + "Games.CFG").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_FALSE(Folder.Exists("Games.CFG.1"));
}

// A save that fails while the user moves to another game keeps the game and its edit, and
// says why; Games.CFG is left as it was.
TEST_F(MainWindowTest, AFailedSaveKeepsTheGameAndItsEdit) {
  ASSERT_NO_FATAL_FAILURE(StartOnArenaOfTwoGames());
  ASSERT_EQ(RunDriver({"click", Form, "Button", PalettedCheck}).ExitCode, 0);
  const std::string before = GamesFile();
  ASSERT_EQ(::chmod((Folder.Path() + "Games.CFG").c_str(), 0444), 0);
  ASSERT_EQ(RunDriver({"listkey", Form, DownKey}).ExitCode, 0);
  EXPECT_EQ(Answer("yes"), SaveQuestion);
  EXPECT_EQ(Answer("ok"), "Unable to write to " + WindowsPath(Folder.Path()) + "Games.CFG");
  EXPECT_TRUE(WaitSelected("Arena"));
  EXPECT_NE(WindowLine("Button", 145).find("state=check=1"), std::string::npos)
      << "the edit is still on the panel";
  EXPECT_EQ(GamesFile(), before);

  // Writable again: the next try saves.
  ASSERT_EQ(::chmod((Folder.Path() + "Games.CFG").c_str(), 0644), 0);
  ASSERT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(Answer("yes"), SaveQuestion);
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_TRUE(Holds("DX 8bit textures=1")) << GamesFile();
}

// On a Windows the program does not support, creation stops before the games: New from the
// keyboard must do nothing, and the program still ends normally.
TEST_F(MainWindowTest, AnUnsupportedWindowsLeavesNewDisabledAndEndsNormally) {
  SetWindowsVersion("nt40");
  Start();
  EXPECT_EQ(Answer("ok"), "Program doesn't support your Windows version");
  ASSERT_EQ(RunDriver({"shown", Form, "30000"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"listkey", Form, InsertKey}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"post", Form, WmCommand, NewCommand, "0"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"msgbox", "1000"}).ExitCode, 2) << "no message, no dialog";
  EXPECT_EQ(RunDriver({"dialog", "New program properties", "0"}).ExitCode, 2);
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

// After a question or a dialog the game list has the keyboard again, as in a dialog box.
TEST_F(MainWindowTest, TheGameListGetsTheFocusBackAfterAQuestionAndADialog) {
  ASSERT_NO_FATAL_FAILURE(StartOnArenaOfTwoGames());
  auto focusIsOnTheList = [] {
    std::string focus;
    for (int attempt = 0; attempt < 50; ++attempt) {
      focus = OutputLines(RunDriver({"focus", Form}).Output).at(0);
      if (focus.rfind("FOCUS SysListView32 ", 0) == 0) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ADD_FAILURE() << focus;
    return false;
  };

  ASSERT_EQ(RunDriver({"post", Form, WmCommand, DeleteCommand, "0"}).ExitCode, 0);
  EXPECT_EQ(Answer("cancel"), "Delete game profile?");
  EXPECT_TRUE(focusIsOnTheList());
  // F2 where the focus is opens the game's properties: the list has the keyboard.
  ASSERT_EQ(RunDriver({"focuskey", Form, F2Key}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"dialog", "Program properties", "20000"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"dlgclick", "Program properties", "2"}).ExitCode, 0);
  EXPECT_TRUE(focusIsOnTheList());
  ASSERT_EQ(RunDriver({"focuskey", Form, DeleteKey}).ExitCode, 0);
  EXPECT_EQ(Answer("cancel"), "Delete game profile?");
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

// Parameters in quotes, typed in the game's properties, reach the game as typed after the
// program was ended and started again.
TEST_F(RunTest, QuotedParametersReachTheGameUnchangedAfterARestart) {
  ASSERT_NE(OpenGLKey, "<no adapter>");
  Folder.Write("Games.CFG", "[Marker]\r\nPath=" + WindowsPath(Folder.Path()) + "marker.exe\r\n");
  const std::string parameters = "\"C:\\My Mods\\x.cfg\"";
  StartShown();
  Select("Marker");
  ASSERT_TRUE(WaitSelected("Marker"));
  ASSERT_EQ(RunDriver({"post", Form, WmCommand, EditCommand, "0"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"dialog", "Program properties", "20000"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"settext", "Program properties", "106", parameters}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"dlgclick", "Program properties", "1"}).ExitCode, 0);
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);

  StartShown();
  Select("Marker");
  ASSERT_TRUE(WaitSelected("Marker"));
  ASSERT_EQ(RunDriver({"button", Form, RunCommand}).ExitCode, 0);
  std::string marker = WaitForMarker();
  EXPECT_NE(marker.find("marker.exe\" " + parameters + "\r\n"), std::string::npos) << marker;
  EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

}  // namespace
}  // namespace tgl::wine
