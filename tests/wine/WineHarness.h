#pragma once
// Runs the real Windows build under Wine for the end-to-end tests: one Wine prefix for each
// stream of the test run, a fresh program folder per test, and processes that are waited for
// with a bound, never with a fixed sleep.
#include <optional>
#include <string>
#include <vector>

#include "support/ScratchFolder.h"

namespace tgl::wine {

// Folders the build hands to the tests.
// The Windows build under test (i686, or x86_64 where 32-bit programs cannot run): it
// holds TesmoraGL.exe, tgldriver.exe and the probes.
std::string ExeDir();
std::string PrefixDir();    // the WINEPREFIX of this test's stream
std::string SourceDir();    // the source tree

// The Windows form of a Linux path, as the program sees it (Z:\...).
std::string WindowsPath(const std::string& unixPath);

struct TRunResult {
  std::optional<int> ExitCode;  // nullopt when the program did not end in time
  std::string Output;           // what it wrote to its standard output
};

// One Windows program running under Wine.
class TWineProcess {
public:
  // `program` is a Linux path to a .exe; the working directory is `workingDir`. With
  // `withErrors`, what it writes to its standard error is collected with its output.
  TWineProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingDir, bool withErrors = false);
  ~TWineProcess();
  TWineProcess(const TWineProcess&) = delete;
  TWineProcess& operator=(const TWineProcess&) = delete;

  // The exit code, or nullopt when the program is still running after the time-out.
  std::optional<int> Wait(int timeoutSeconds);
  const std::string& Output() const { return Collected; }

private:
  void Collect(int timeoutMs);

  int Pid = -1;
  int OutputFd = -1;
  std::optional<int> ExitCode;
  std::string Collected;
};

// The lines a Windows program printed, without their CR LF ends.
std::vector<std::string> OutputLines(const std::string& output);

class TProgramFolder;

TRunResult RunWine(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingDir, int timeoutSeconds);

// Runs the window driver (tests/wine/driver) with these arguments.
TRunResult RunDriver(const std::vector<std::string>& arguments, int timeoutSeconds = 30);
// The text of the program's message box (line breaks as \r), after pressing its OK button.
std::string ReadMessageBoxAndPressOk(int timeoutMs = 20000);

// win95, win98, winme, win2k, winxp...: what Windows version Wine pretends to be.
void SetWindowsVersion(const std::string& version);
// Runs Wine's reg.exe with these arguments; its exit code.
int RunReg(const std::vector<std::string>& arguments);
// A registry value as reg.exe shows it, "TYPE data" ("REG_DWORD 0x2"); empty when the key
// or the value is missing.
std::string RegValue(const std::string& key, const std::string& name);

// The registry key of the first card's driver (HKLM\...) that cardprobe.exe, copied into
// `folder` and run there, finds for the Cards.CFG beside it; empty when it finds none.
std::string ProbeDriverKey(const TProgramFolder& folder);

// A fresh folder holding a copy of TesmoraGL.exe, removed after the test.
class TProgramFolder : public test::TScratchFolder {
public:
  TProgramFolder();
  std::string Exe() const { return Path() + "TesmoraGL.exe"; }
};

using test::ReadBytes;

}  // namespace tgl::wine
