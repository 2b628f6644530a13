// The installer made by `make dist`, silent, in the test run's prefix: it puts the files
// and the Start-menu entries in place, the program starts from there, and the silent
// uninstaller removes what was installed and keeps the user's Games.CFG and log unless it
// is told to remove them. Neither touches anything while the program runs, and the
// uninstaller keeps the journal of a restore still pending. Add/Remove Programs and the
// exe's Version tab show the release of src/base/ReleaseInfo.h.
//
// In a 32-bit prefix this runs the shipped installer with the i686 build. Where this
// machine cannot run 32-bit programs it runs the same installer script built for x86_64
// (tools/make-dist --amd64) with the x86_64 build: the stub differs, the script does not.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "VersionResource.h"
#include "WineHarness.h"
#include "base/ReleaseInfo.h"

namespace tgl::wine {
namespace {

namespace fs = std::filesystem;

const std::string RunKey = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string UninstallKey = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TesmoraGL";

const std::string Version = TGL_VERSION_TEXT;

bool IsX86_64Build() { return fs::path(TGL_WINE_LOADER).filename() == "wine64"; }

// The packages are named by the release's version.
fs::path Installer() {
  return fs::path(TGL_DIST_DIR) / ("TesmoraGL-" + Version + (IsX86_64Build() ? "-setup-x64.exe" : "-setup.exe"));
}
fs::path ShippedExe() { return fs::path(TGL_DIST_DIR) / ("TesmoraGL-" + Version) / "TesmoraGL.exe"; }

fs::path InstallDir() { return fs::path(PrefixDir()) / "drive_c" / "Program Files" / "TesmoraGL"; }
const std::string InstallDirWindows = "C:\\Program Files\\TesmoraGL";
const char* const InstalledFiles[] = {"TesmoraGL.exe", "README.txt", "LICENSE.txt", "WHATSNEW.txt", "Uninstall.exe"};

// The Start-menu folder the installer made, wherever this Wine keeps the common menu.
fs::path StartMenuFolder() {
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(PrefixDir()) / "drive_c",
                                                            fs::directory_options::skip_permission_denied))
    if (entry.is_directory() && entry.path().filename() == "TesmoraGL" &&
        entry.path().parent_path().filename() == "Programs")
      return entry.path();
  return {};
}

// The uninstaller copies itself away and returns at once: wait for its work to show.
bool WaitUntil(const std::function<bool()>& done, int seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// The installed files by name, with their bytes.
std::map<std::string, std::string> InstalledContent() {
  std::map<std::string, std::string> content;
  for (const char* name : InstalledFiles)
    if (fs::exists(InstallDir() / name)) content[name] = ReadBytes((InstallDir() / name).string());
  return content;
}

class InstallTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(Installer().empty()) << "no installer in " << TGL_DIST_DIR << ": run make dist";
    fs::remove_all(InstallDir());
  }
  void TearDown() override {
    RunReg({"delete", RunKey, "/v", "TesmoraGL", "/f"});
    RunReg({"delete", UninstallKey, "/f"});
    if (fs::path menu = StartMenuFolder(); !menu.empty()) fs::remove_all(menu);
    fs::remove_all(InstallDir());
  }

  void Install(const std::vector<std::string>& options) {
    TRunResult result = RunWine(Installer().string(), options, ExeDir(), 120);
    ASSERT_EQ(result.ExitCode, 0) << result.Output;
  }
  // Silent uninstall; true once the program and the uninstaller are gone.
  bool Uninstall(const std::vector<std::string>& options) {
    std::vector<std::string> arguments = {"/S"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    TRunResult result = RunWine((InstallDir() / "Uninstall.exe").string(), arguments, ExeDir(), 60);
    if (result.ExitCode != 0) return false;
    return WaitUntil([] {
      return !fs::exists(InstallDir() / "Uninstall.exe") && StartMenuFolder().empty() &&
             RegValue(UninstallKey, "DisplayName").empty();
    }, 60);
  }
};

TEST_F(InstallTest, SilentInstallPutsTheFilesInPlaceAndTheProgramStartsFromThere) {
  Install({"/S", "/AUTORUN"});
  for (const char* name : InstalledFiles) EXPECT_TRUE(fs::exists(InstallDir() / name)) << name;
  // The very exe the end-to-end tests run.
  EXPECT_EQ(ReadBytes((InstallDir() / "TesmoraGL.exe").string()), ReadBytes(ExeDir() + "/TesmoraGL.exe"));

  const fs::path menu = StartMenuFolder();
  ASSERT_FALSE(menu.empty());
  EXPECT_EQ(FilesIn(menu), (std::set<std::string>{"TesmoraGL.lnk", "TesmoraGL User's Guide.lnk",
                                                    "Uninstall TesmoraGL.lnk"}));

  // The value the options dialog writes: the program's quoted path, then the switch.
  EXPECT_NE(RegValue(RunKey, "TesmoraGL").find("\"" + InstallDirWindows + "\\TesmoraGL.exe\" /minimized"),
            std::string::npos);
  EXPECT_NE(RegValue(UninstallKey, "UninstallString").find(InstallDirWindows + "\\Uninstall.exe"),
            std::string::npos);

  TWineProcess program((InstallDir() / "TesmoraGL.exe").string(), {}, InstallDir().string());
  TRunResult shown = RunDriver({"shown", "TTesmoraGLxForm", "20000"});
  EXPECT_EQ(shown.ExitCode, 0) << shown.Output;
  EXPECT_EQ(RunDriver({"close", "TTesmoraGLxForm"}).ExitCode, 0);
  EXPECT_EQ(program.Wait(30), 0);
}

TEST_F(InstallTest, WithoutTheOptionTheProgramDoesNotStartWithWindows) {
  Install({"/S"});
  EXPECT_TRUE(fs::exists(InstallDir() / "TesmoraGL.exe"));
  EXPECT_EQ(RegValue(RunKey, "TesmoraGL"), "");
}

TEST_F(InstallTest, SilentUninstallRemovesWhatWasInstalledAndKeepsTheUsersFiles) {
  Install({"/S", "/AUTORUN"});
  const std::string games = "[%Settings]\r\nAutoSave=1\r\n\r\n[Quake III]\r\nPath=C:\\q3.exe\r\n";
  WriteFile(InstallDir() / "Games.CFG", games);
  WriteFile(InstallDir() / "TesmoraGL.Log", "log\r\n");

  ASSERT_TRUE(Uninstall({}));
  for (const char* name : {"TesmoraGL.exe", "README.txt", "LICENSE.txt", "WHATSNEW.txt"})
    EXPECT_FALSE(fs::exists(InstallDir() / name)) << name;
  EXPECT_EQ(RegValue(RunKey, "TesmoraGL"), "");
  EXPECT_EQ(ReadBytes((InstallDir() / "Games.CFG").string()), games);
  EXPECT_TRUE(fs::exists(InstallDir() / "TesmoraGL.Log"));
}

TEST_F(InstallTest, ToldToRemoveTheProfilesTheUninstallerLeavesNothing) {
  Install({"/S"});
  WriteFile(InstallDir() / "Games.CFG", "[Quake III]\r\nPath=C:\\q3.exe\r\n");
  WriteFile(InstallDir() / "Games.CFG.1", "[Quake III]\r\n");
  WriteFile(InstallDir() / "TesmoraGL.Log", "log\r\n");
  // A journal the program could not read, and what a journal write cut short leaves: no
  // restore is pending.
  WriteFile(InstallDir() / "TesmoraGL.Restore.damaged", "TesmoraGL restore journal 1\r\n");
  WriteFile(InstallDir() / "TesmoraGL.Restore.TesmoraGL-new", "TesmoraGL restore journal 1\r\n");

  ASSERT_TRUE(Uninstall({"/REMOVEPROFILES"}));
  EXPECT_TRUE(WaitUntil([] { return !fs::exists(InstallDir()); }, 30));
}

TEST_F(InstallTest, AddRemoveProgramsAndTheExesVersionTabShowTheRelease) {
  Install({"/S"});
  EXPECT_EQ(RegValue(UninstallKey, "DisplayVersion"), "REG_SZ " + Version);
  EXPECT_EQ(RegValue(UninstallKey, "Publisher"), "REG_SZ " TGL_PUBLISHER);
  EXPECT_EQ(RegValue(UninstallKey, "URLInfoAbout"), "REG_SZ " TGL_HOME_PAGE);

  const std::array<uint16_t, 4> release{TGL_VERSION_MAJOR, TGL_VERSION_MINOR, TGL_VERSION_PATCH, 0};
  // The exe this run installed, and the i686 one the packages ship.
  for (const fs::path& exe : {InstallDir() / "TesmoraGL.exe", ShippedExe()}) {
    std::optional<TVersionResource> resource = ReadVersionResource(exe.string());
    ASSERT_TRUE(resource) << exe;
    EXPECT_EQ(resource->FileVersion, release) << exe;
    EXPECT_EQ(resource->ProductVersion, release) << exe;
    EXPECT_EQ(resource->Strings["FileVersion"], Version) << exe;
    EXPECT_EQ(resource->Strings["ProductVersion"], Version) << exe;
    EXPECT_EQ(resource->Strings["CompanyName"], TGL_PUBLISHER) << exe;
    EXPECT_EQ(resource->Strings["ProductName"], TGL_PRODUCT_TITLE) << exe;
  }
}

// The uninstaller takes its folder from the rest of its command line after "_?=", unquoted,
// as Windows programs pass it; Wine quotes an argument that holds a space, so the folder
// goes in as words.
std::vector<std::string> InPlaceUninstallArguments() {
  std::vector<std::string> arguments{"/S"};
  std::istringstream words("_?=" + InstallDirWindows);
  for (std::string word; words >> word;) arguments.push_back(word);
  return arguments;
}

// A silent upgrade or removal while the program runs: it must change nothing and say so
// with its exit code, then do its work once the program is closed.
struct TStepBesideTheProgram {
  const char* Name;
  // Runs the step silently to its end; its exit code.
  std::optional<int> (*Run)();
  // Whether the step's work shows in the install folder.
  bool (*Done)();
};

const TStepBesideTheProgram StepsBesideTheProgram[] = {
    {"Upgrade",
     [] { return RunWine(Installer().string(), {"/S"}, ExeDir(), 120).ExitCode; },
     [] { return ReadBytes((InstallDir() / "README.txt").string()) ==
                 ReadBytes((fs::path(TGL_DIST_DIR) / "texts" / "README.txt").string()); }},
    // In place ("_?="), the uninstaller does not hand its work to a copy of itself and
    // return at once, so its exit code is the removal's.
    {"Uninstall",
     [] { return RunWine((InstallDir() / "Uninstall.exe").string(), InPlaceUninstallArguments(),
                         ExeDir(), 60).ExitCode; },
     [] { return !fs::exists(InstallDir() / "TesmoraGL.exe") && RegValue(UninstallKey, "DisplayName").empty(); }},
};

void PrintTo(const TStepBesideTheProgram& step, std::ostream* out) { *out << step.Name; }

class RunningProgramTest : public InstallTest, public ::testing::WithParamInterface<TStepBesideTheProgram> {};

TEST_P(RunningProgramTest, ASilentStepChangesNothingWhileTheProgramRunsAndWorksOnceItIsClosed) {
  Install({"/S"});
  // An older guide, for the upgrade to replace.
  WriteFile(InstallDir() / "README.txt", "The guide of an older release\r\n");
  const std::map<std::string, std::string> before = InstalledContent();

  TWineProcess program((InstallDir() / "TesmoraGL.exe").string(), {}, InstallDir().string());
  TRunResult shown = RunDriver({"shown", "TTesmoraGLxForm", "20000"});
  ASSERT_EQ(shown.ExitCode, 0) << shown.Output;

  EXPECT_EQ(GetParam().Run(), 2);
  EXPECT_FALSE(program.Wait(0).has_value()) << "the program no longer runs";
  EXPECT_EQ(InstalledContent(), before);
  EXPECT_EQ(RegValue(UninstallKey, "DisplayVersion"), "REG_SZ " + Version);

  EXPECT_EQ(RunDriver({"close", "TTesmoraGLxForm"}).ExitCode, 0);
  ASSERT_EQ(program.Wait(30), 0);
  EXPECT_EQ(GetParam().Run(), 0);
  EXPECT_TRUE(GetParam().Done());
}

INSTANTIATE_TEST_SUITE_P(Install, RunningProgramTest, ::testing::ValuesIn(StepsBesideTheProgram),
                         [](const auto& info) { return std::string(info.param.Name); });

// The journal of a restore still pending (a game's values may still be in the driver):
// a silent removal starts nothing and keeps it, also when told to remove the profiles,
// and the log beside it says why. Installed there again, the program restores the values.
struct TPendingRestore {
  const char* Name;
  std::vector<std::string> JournalFiles;
  std::vector<std::string> Options;
  std::set<std::string> Left;
};

const TPendingRestore PendingRestores[] = {
    {"Journal", {"TesmoraGL.Restore"}, {"/REMOVEPROFILES"}, {"TesmoraGL.Restore", "TesmoraGL.Log"}},
    // A journal write on Windows 9x cut between its two moves: the program brings the
    // journal back from its side files at its next start.
    {"InterruptedJournalWrite",
     {"TesmoraGL.Restore.TesmoraGL-old", "TesmoraGL.Restore.TesmoraGL-new"},
     {},
     {"TesmoraGL.Restore.TesmoraGL-old", "TesmoraGL.Restore.TesmoraGL-new", "Games.CFG", "TesmoraGL.Log"}},
};

void PrintTo(const TPendingRestore& restore, std::ostream* out) { *out << restore.Name; }

class PendingRestoreTest : public InstallTest, public ::testing::WithParamInterface<TPendingRestore> {};

TEST_P(PendingRestoreTest, ASilentRemovalKeepsTheJournalAndLogsWhy) {
  Install({"/S"});
  WriteFile(InstallDir() / "Games.CFG", "[Quake III]\r\nPath=C:\\q3.exe\r\n");
  const std::string journal = "TesmoraGL restore journal 1\r\nHKLM\tSoftware\\NVidia\tFSAA\tabsent\r\n";
  for (const std::string& name : GetParam().JournalFiles) WriteFile(InstallDir() / name, journal);

  ASSERT_TRUE(Uninstall(GetParam().Options));
  EXPECT_EQ(FilesIn(InstallDir()), GetParam().Left);
  for (const std::string& name : GetParam().JournalFiles)
    EXPECT_EQ(ReadBytes((InstallDir() / name).string()), journal) << name;
  EXPECT_NE(ReadBytes((InstallDir() / "TesmoraGL.Log").string()).find("TesmoraGL.Restore was kept"),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Install, PendingRestoreTest, ::testing::ValuesIn(PendingRestores),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tgl::wine
