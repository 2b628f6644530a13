// The installer made by `make dist`, silent, in the test run's prefix: it puts the files
// and the Start-menu entries in place, the program starts from there, and the silent
// uninstaller removes what was installed and keeps the user's Games.CFG and log unless it
// is told to remove them.
//
// In a 32-bit prefix this runs the shipped installer with the i686 build. Where this
// machine cannot run 32-bit programs it runs the same installer script built for x86_64
// (tools/make-dist --amd64) with the x86_64 build: the stub differs, the script does not.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <thread>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

namespace fs = std::filesystem;

const std::string RunKey = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string UninstallKey = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TesmoraGL";

bool IsX86_64Build() { return fs::path(TGL_WINE_LOADER).filename() == "wine64"; }

fs::path Installer() {
  for (const auto& entry : fs::directory_iterator(TGL_DIST_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.find(IsX86_64Build() ? "-setup-x64.exe" : "-setup.exe") != std::string::npos)
      return entry.path();
  }
  return {};
}

fs::path InstallDir() { return fs::path(PrefixDir()) / "drive_c" / "Program Files" / "TesmoraGL"; }
const std::string InstallDirWindows = "C:\\Program Files\\TesmoraGL";

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
  for (const char* name : {"TesmoraGL.exe", "README.txt", "LICENSE.txt", "WHATSNEW.txt", "Uninstall.exe"})
    EXPECT_TRUE(fs::exists(InstallDir() / name)) << name;
  // The very exe the end-to-end tests run.
  EXPECT_EQ(ReadBytes((InstallDir() / "TesmoraGL.exe").string()), ReadBytes(ExeDir() + "/TesmoraGL.exe"));

  const fs::path menu = StartMenuFolder();
  ASSERT_FALSE(menu.empty());
  EXPECT_TRUE(fs::exists(menu / "TesmoraGL.lnk"));
  EXPECT_TRUE(fs::exists(menu / "Uninstall TesmoraGL.lnk"));

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

  ASSERT_TRUE(Uninstall({"/REMOVEPROFILES"}));
  EXPECT_TRUE(WaitUntil([] { return !fs::exists(InstallDir()); }, 30));
}

}  // namespace
}  // namespace tgl::wine
