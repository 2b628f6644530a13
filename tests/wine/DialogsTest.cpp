// The game properties and options dialogs of the real TesmoraGL.exe under Wine: New with a
// dropped program, Edit with a rename and the three refusals, Options with every control,
// Cancel and the autorun value, a profile file whose title is taken, and dialogs opened and
// closed many times.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

const char* const Form = "TTesmoraGLxForm";
const char* const WmCommand = "0x111";
const char* const NewCommand = "100";
const char* const EditCommand = "104";
const char* const OptionsCommand = "107";
// The game list's context menu: "Export profile file..." and "Import profile file...".
const char* const ExportProfileCommand = "210";
const char* const ImportProfileCommand = "211";
const char* const F1Key = "112";
const char* const NewCaption = "New program properties";
const char* const EditCaption = "Program properties";
const char* const OptionsCaption = "Options";
const char* const ImportCaption = "Import profile file";
const char* const RunKey = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

const std::string WineGeForceCatalogue =
    "[Idents]\r\nVEN_0000&DEV_0000=GeForce\r\n[Files]\r\nGeForce=GeForce\r\n";
const std::string Games =
    "[%%Default%_GeForce%]\r\nGL Force Antialiasing=1\r\n"
    "[Quake]\r\nPath=C:\\Games\\Quake\\quake.exe\r\nParameters=-game ctf\r\n"
    "[%Quake_GeForce%]\r\nGL Anisotropic filtering=2\r\n"
    "[Arena]\r\nPath=C:\\Games\\Arena.exe\r\nParameters=\r\n";

std::string Drive(const std::vector<std::string>& arguments) {
  std::string output = RunDriver(arguments).Output;
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
}

class DialogsTest : public ::testing::Test {
protected:
  DialogsTest() {
    SetWindowsVersion("win98");
    Folder.Write("Cards.CFG", WineGeForceCatalogue);
    Folder.Write("Games.CFG", Games);
  }
  ~DialogsTest() override {
    Program.reset();
    RunReg({"delete", RunKey, "/v", "TesmoraGL", "/f"});
    RunReg({"delete", "HKCU\\Software\\Wine", "/v", "Version", "/f"});
  }

  void StartShown() {
    Program = std::make_unique<TWineProcess>(Folder.Exe(), std::vector<std::string>{},
                                             Folder.Path());
    TRunResult shown = RunDriver({"shown", Form, "30000"});
    ASSERT_EQ(shown.ExitCode, 0) << shown.Output;
  }
  void CloseProgram() {
    EXPECT_EQ(RunDriver({"close", Form}).ExitCode, 0);
    EXPECT_EQ(Program->Wait(30), 0);
  }
  static void Command(const char* command) {
    ASSERT_EQ(Drive({"post", Form, WmCommand, command, "0"}), "DONE");
  }
  // The dialog's client size and its controls by ID: "text" and "state" of each.
  struct TDialog {
    std::string Size;
    std::map<int, std::pair<std::string, std::string>> Controls;
  };
  static std::optional<TDialog> WaitDialog(const char* caption) {
    TRunResult result = RunDriver({"dialog", caption, "20000"});
    if (result.ExitCode != 0) return std::nullopt;
    TDialog dialog;
    for (const std::string& line : OutputLines(result.Output)) {
      if (line.rfind("DIALOG ", 0) == 0) dialog.Size = line.substr(7);
      std::istringstream fields(line);
      std::string depth, kind, id, visible, at, state;
      fields >> depth >> kind >> id >> visible >> at >> state;
      if (id.rfind("id=", 0) != 0) continue;
      size_t text = line.find(" text=");
      dialog.Controls[std::stoi(id.substr(3))] = {
          text == std::string::npos ? "" : line.substr(text + 6), state.substr(6)};
    }
    return dialog;
  }
  static bool DialogGone(const char* caption) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (RunDriver({"dialog", caption, "0"}).ExitCode != 0) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }
  static std::string Answer(const std::string& button) {
    TRunResult result = RunDriver({"answer", "20000", button});
    return result.Output.rfind("TEXT ", 0) == 0 ? OutputLines(result.Output)[0].substr(5)
                                                : "<no message box>";
  }
  static std::string SelectedItem() {
    for (const std::string& line : OutputLines(RunDriver({"items", Form}).Output)) {
      std::istringstream fields(line);
      std::string word, index, state;
      fields >> word >> index >> state;
      if (word == "ITEM" && (std::stoi(state.substr(6)) & 2) != 0)
        return line.substr(line.find(" text=") + 6);
    }
    return "<none>";
  }
  static bool WaitSelected(const std::string& text) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (SelectedItem() == text) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }
  static void Select(int index) {
    ASSERT_EQ(RunDriver({"select", Form, std::to_string(index)}).ExitCode, 0);
  }
  std::string GamesFile() const { return Folder.Read("Games.CFG"); }
  // Polls, with a bound, until the autorun value is `expected` (the command writes it once
  // the dialog's window has gone); the value read last.
  std::string WaitAutoRunValue(const std::string& expected) const {
    std::string value;
    for (int attempt = 0; attempt < 30; ++attempt) {
      value = AutoRunValue();
      if (value == expected) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return value;
  }
  std::string AutoRunValue() const {
    std::string value = RegValue(RunKey, "TesmoraGL");
    const std::string type = "REG_SZ ";
    if (value.empty()) return "<none>";
    return value.rfind(type, 0) == 0 ? value.substr(type.size()) : "<unreadable: " + value + ">";
  }

  TProgramFolder Folder;
  std::unique_ptr<TWineProcess> Program;
};

// Application file, Application title, Parameters, Wait for program; OK and Cancel.
enum {
  FilenameEdit = 101,
  NameEdit = 104,
  ParametersEdit = 106,
  WaitForEdit = 110,
  OK = 1,
  Cancel = 2
};

TEST_F(DialogsTest, NewWithADroppedProgramListsAndSelectsItWithTheDefaultValues) {
  StartShown();
  std::string program = WindowsPath(Folder.Exe());
  ASSERT_EQ(Drive({"drop", Form, program}), "DONE");
  std::optional<TDialog> dialog = WaitDialog(NewCaption);
  ASSERT_TRUE(dialog) << "the dialog, and no file chooser";
  EXPECT_EQ(dialog->Size, "432,185");
  EXPECT_EQ(dialog->Controls[FilenameEdit].first, program);
  EXPECT_EQ(dialog->Controls[NameEdit].first, "TesmoraGL");
  EXPECT_EQ(dialog->Controls[ParametersEdit].first, "");
  EXPECT_EQ(RunDriver({"dialog", "Choice program", "0"}).ExitCode, 2);
  ASSERT_EQ(Drive({"settext", NewCaption, std::to_string(ParametersEdit), " -fast "}), "DONE");
  ASSERT_EQ(Drive({"dlgclick", NewCaption, std::to_string(OK)}), "DONE");
  EXPECT_TRUE(WaitSelected("TesmoraGL"));
  CloseProgram();
  std::string games = GamesFile();
  EXPECT_NE(games.find("[TesmoraGL]\r\nPath=" + program + "\r\nParameters=-fast\r\n"),
            std::string::npos)
      << games;
  EXPECT_NE(games.find("[%TesmoraGL_GeForce%]\r\nGL Force Antialiasing=1\r\n"), std::string::npos)
      << games;
}

TEST_F(DialogsTest, EditRefusesBadTitlesThenRenamesTheGameWithItsCardSections) {
  StartShown();
  Select(2);  // " Default ", Arena, Quake
  ASSERT_TRUE(WaitSelected("Quake"));
  Command(EditCommand);
  std::optional<TDialog> dialog = WaitDialog(EditCaption);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->Controls[NameEdit].first, "Quake");
  EXPECT_EQ(dialog->Controls[ParametersEdit].first, "-game ctf");
  const std::pair<const char*, const char*> refusals[] = {
      {" arena ", "Application title should be unique"},
      {"Quake_2", "Application title shouldn't contailns any \"_\" characters."},
      {"   ", "Application title shouldn't be empty"}};
  for (const auto& [title, refusal] : refusals) {
    SCOPED_TRACE(title);
    ASSERT_EQ(Drive({"settext", EditCaption, std::to_string(NameEdit), title}), "DONE");
    ASSERT_EQ(Drive({"dlgclick", EditCaption, std::to_string(OK)}), "DONE");
    EXPECT_EQ(Answer("ok"), refusal);
    EXPECT_TRUE(WaitDialog(EditCaption)) << "the dialog stays open";
  }
  ASSERT_EQ(Drive({"settext", EditCaption, std::to_string(NameEdit), "Quake II"}), "DONE");
  ASSERT_EQ(Drive({"dlgclick", EditCaption, std::to_string(OK)}), "DONE");
  EXPECT_TRUE(DialogGone(EditCaption));
  EXPECT_TRUE(WaitSelected("Quake II"));
  CloseProgram();
  std::string games = GamesFile();
  EXPECT_EQ(games.find("[Quake]"), std::string::npos) << games;
  EXPECT_EQ(games.find("[%Quake_GeForce%]"), std::string::npos) << games;
  EXPECT_NE(games.find("[Quake II]\r\nPath=C:\\Games\\Quake\\quake.exe\r\nParameters=-game ctf"),
            std::string::npos)
      << games;
  EXPECT_NE(games.find("[%Quake II_GeForce%]\r\nGL Anisotropic filtering=2\r\n"),
            std::string::npos)
      << games;
}

// Importing the file of a game that is still listed: the clash is told, then the game
// properties dialog asks for another title; the first game keeps its entry.
TEST_F(DialogsTest, AnImportedTitleThatIsTakenIsAskedForAgainInTheGamePropertiesDialog) {
  std::string games = Games;
  games.insert(games.find("[%Quake_GeForce%]"), "WaitForProgram=quake2.exe\r\n");
  Folder.Write("Games.CFG", games);
  StartShown();
  Select(2);  // " Default ", Arena, Quake
  ASSERT_TRUE(WaitSelected("Quake"));
  const std::string file = WindowsPath(Folder.Path()) + "quake.tgp";
  Command(ExportProfileCommand);
  ASSERT_EQ(RunDriver({"filedialog", "Export profile file", "20000", file}).ExitCode, 0);
  std::string exported;
  for (int attempt = 0; attempt < 100 && exported.find("[End]") == std::string::npos; ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    exported = Folder.Exists("quake.tgp") ? Folder.Read("quake.tgp") : "";
  }
  ASSERT_NE(exported.find("Title=Quake\r\n"), std::string::npos) << exported;

  Command(ImportProfileCommand);
  ASSERT_EQ(RunDriver({"filedialog", ImportCaption, "20000", file}).ExitCode, 0);
  EXPECT_EQ(Answer("ok"), "Application title should be unique");
  std::optional<TDialog> dialog = WaitDialog(ImportCaption);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->Controls[NameEdit].first, "Quake");
  EXPECT_EQ(dialog->Controls[FilenameEdit].first, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(dialog->Controls[ParametersEdit].first, "-game ctf");
  EXPECT_EQ(dialog->Controls[WaitForEdit].first, "quake2.exe");
  ASSERT_EQ(Drive({"settext", ImportCaption, std::to_string(NameEdit), "Quake 2"}), "DONE");
  ASSERT_EQ(Drive({"settext", ImportCaption, std::to_string(WaitForEdit), "q2.exe"}), "DONE");
  ASSERT_EQ(Drive({"dlgclick", ImportCaption, std::to_string(OK)}), "DONE");
  EXPECT_TRUE(DialogGone(ImportCaption));
  EXPECT_TRUE(WaitSelected("Quake 2"));
  CloseProgram();
  games = GamesFile();
  EXPECT_NE(games.find("[Quake]\r\nPath=C:\\Games\\Quake\\quake.exe\r\nParameters=-game ctf"),
            std::string::npos)
      << games;
  EXPECT_NE(games.find("[%Quake_GeForce%]\r\nGL Anisotropic filtering=2\r\n"),
            std::string::npos)
      << games;
  EXPECT_NE(games.find("[Quake 2]\r\nPath=C:\\Games\\Quake\\quake.exe\r\nParameters=-game ctf"
                       "\r\nWaitForProgram=q2.exe\r\n"),
            std::string::npos)
      << games;
  EXPECT_NE(games.find("[%Quake 2_GeForce%]\r\nGL Anisotropic filtering=2\r\n"),
            std::string::npos)
      << games;
}

// A profile file at its size limit, imported through the menu: it comes in whole, and the
// window answers again within a few seconds.
TEST_F(DialogsTest, AProfileFileOfOneMegabyteIsImportedWhileTheWindowKeepsAnswering) {
  std::string text =
      "[TesmoraGL profile]\r\nFormat=TesmoraGL profile 1\r\nTitle=Large\r\nPath=C:\\l.exe\r\n"
      "[Values GeForce]\r\n";
  for (int key = 0; text.size() + 40 < (1u << 20); ++key)
    text += "K" + std::to_string(key) + "=1\r\n";
  Folder.Write("large.tgp", text + "[End]\r\n");
  StartShown();
  Command(ImportProfileCommand);
  ASSERT_EQ(RunDriver({"filedialog", ImportCaption, "20000",
                       WindowsPath(Folder.Path()) + "large.tgp"}).ExitCode, 0);
  EXPECT_TRUE(WaitSelected("Large"));
  EXPECT_EQ(RunDriver({"shown", Form, "5000"}).ExitCode, 0);
  CloseProgram();
  EXPECT_NE(GamesFile().find("[%Large_GeForce%]\r\nK0=1\r\nK1=1\r\n"), std::string::npos);
}

// F1 in the main window asks for the user's guide beside the program; with no guide there,
// the message names where it should be. (Opening it with the shell is tested natively: the
// test prefix's handler for text files is not dependable. In a dialog F1 arrives as WM_HELP,
// which Windows makes of a real key press and a posted key does not give.)
TEST_F(DialogsTest, F1InTheMainWindowAsksForTheUsersGuide) {
  StartShown();
  ASSERT_EQ(Drive({"focuskey", Form, F1Key}), "DONE");
  EXPECT_EQ(Answer("ok"),
            "The user's guide " + WindowsPath(Folder.Path()) + "README.txt is missing.");
  CloseProgram();
}

// Options' controls by ID: the three confirmations, List, Auto saving, Exit, Generic, the
// autorun and the warning.
const int EveryChange[] = {101, 102, 103, 112, 121, 133, 141, 150, 161};

TEST_F(DialogsTest, OptionsCancelledChangesNothingAndOKTakesEveryControlAndTheAutoRun) {
  RunReg({"add", RunKey, "/f"});
  StartShown();
  Command(OptionsCommand);
  std::optional<TDialog> dialog = WaitDialog(OptionsCaption);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->Size, "280,375");
  EXPECT_EQ(dialog->Controls[101].second, "check=1");
  EXPECT_EQ(dialog->Controls[111].second, "check=1") << "Icons";
  EXPECT_EQ(dialog->Controls[132].second, "check=1") << "Minimize";
  EXPECT_EQ(dialog->Controls[150].second, "check=0") << "no autorun";
  EXPECT_EQ(dialog->Controls[161].second, "check=1");
  for (int id : EveryChange) Drive({"dlgclick", OptionsCaption, std::to_string(id)});
  dialog = WaitDialog(OptionsCaption);
  ASSERT_TRUE(dialog);
  for (int id : EveryChange) {
    bool checked = id == 112 || id == 121 || id == 133 || id == 141 || id == 150;
    EXPECT_EQ(dialog->Controls[id].second, checked ? "check=1" : "check=0") << id;
  }
  ASSERT_EQ(Drive({"dlgclick", OptionsCaption, std::to_string(Cancel)}), "DONE");
  EXPECT_TRUE(DialogGone(OptionsCaption));
  EXPECT_EQ(AutoRunValue(), "<none>");

  Command(OptionsCommand);
  ASSERT_TRUE(WaitDialog(OptionsCaption));
  for (int id : EveryChange) Drive({"dlgclick", OptionsCaption, std::to_string(id)});
  ASSERT_EQ(Drive({"dlgclick", OptionsCaption, std::to_string(OK)}), "DONE");
  EXPECT_TRUE(DialogGone(OptionsCaption));
  std::string quoted = "\"" + WindowsPath(Folder.Exe()) + "\" /minimized";
  EXPECT_EQ(WaitAutoRunValue(quoted), quoted);

  // Autorun off removes the value again.
  Command(OptionsCommand);
  dialog = WaitDialog(OptionsCaption);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->Controls[150].second, "check=1");
  EXPECT_EQ(dialog->Controls[133].second, "check=1") << "Exit";
  Drive({"dlgclick", OptionsCaption, "150"});
  ASSERT_EQ(Drive({"dlgclick", OptionsCaption, std::to_string(OK)}), "DONE");
  EXPECT_TRUE(DialogGone(OptionsCaption));
  EXPECT_EQ(WaitAutoRunValue("<none>"), "<none>");
  CloseProgram();
  EXPECT_EQ(GamesFile(), Games +
                             "\r\n[%%Configuration]\r\nConfirmSaving=0\r\nConfirmDelete=0\r\n"
                             "ConfirmDefault=0\r\nConfirmRegistry=0\r\nOnRun=2\r\n"
                             "GenericToolbar=1\r\nGameListStyle=0\r\nNotifyOnWrongValue=0\r\n");
}

// Under Wine no process can read another's GDI object count (GetGuiResources is a stub), so
// the windows of the program's thread are counted: a dialog, a control or a tooltip left
// behind would show. Wine destroys a closed dialog a moment after it has hidden it: the
// count is polled.
TEST_F(DialogsTest, OpeningAndClosingTheDialogsManyTimesLeavesNoWindowBehind) {
  StartShown();
  Select(1);
  ASSERT_TRUE(WaitSelected("Arena"));
  auto windowCount = [] {
    std::string output = Drive({"windows", Form});
    return output.substr(0, output.find('\n'));
  };
  std::string before = windowCount();
  ASSERT_EQ(before.rfind("WINDOWS ", 0), 0u);
  for (int round = 0; round < 10; ++round) {
    SCOPED_TRACE(round);
    Command(EditCommand);
    ASSERT_TRUE(WaitDialog(EditCaption));
    ASSERT_EQ(Drive({"dlgclick", EditCaption, std::to_string(Cancel)}), "DONE");
    ASSERT_TRUE(DialogGone(EditCaption));
    Command(OptionsCommand);
    ASSERT_TRUE(WaitDialog(OptionsCaption));
    ASSERT_EQ(Drive({"dlgclick", OptionsCaption, std::to_string(Cancel)}), "DONE");
    ASSERT_TRUE(DialogGone(OptionsCaption));
  }
  std::string after;
  for (int attempt = 0; attempt < 50 && after != before; ++attempt) {
    after = windowCount();
    if (after != before) std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  EXPECT_EQ(after, before) << Drive({"windows", Form});
  CloseProgram();
  EXPECT_EQ(GamesFile(), Games + "\r\n[%%Configuration]\r\nConfirmSaving=1\r\nConfirmDelete=1\r\n"
                                 "ConfirmDefault=1\r\nConfirmRegistry=1\r\nOnRun=1\r\n"
                                 "GenericToolbar=0\r\nGameListStyle=1\r\nNotifyOnWrongValue=1\r\n")
      << "Cancel took nothing back";
}

}  // namespace
}  // namespace tgl::wine
