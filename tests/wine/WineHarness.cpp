#include "WineHarness.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace tgl::wine {
namespace {

// wine for the i686 build in a 32-bit prefix, wine64 for the x86_64 build.
const char* const WineLoader = TGL_WINE_LOADER;

// The display of the prefix's own X server (":3"), which its set-up left beside it; empty
// when it has none and the display the tests were started on is to be used.
std::string PrefixDisplay() {
  std::string number = test::ReadBytes(PrefixDir() + ".display");
  while (!number.empty() && (number.back() == '\n' || number.back() == '\r')) number.pop_back();
  return number.empty() ? "" : ":" + number;
}

std::vector<std::string> WineEnvironment() {
  const std::string display = PrefixDisplay();
  std::vector<std::string> environment;
  for (char** variable = environ; *variable; ++variable) {
    std::string entry = *variable;
    if (entry.rfind("WINEPREFIX=", 0) == 0 || entry.rfind("WINEDEBUG=", 0) == 0 ||
        entry.rfind("WINEDLLOVERRIDES=", 0) == 0 ||
        (!display.empty() && entry.rfind("DISPLAY=", 0) == 0))
      continue;
    environment.push_back(entry);
  }
  if (!display.empty()) environment.push_back("DISPLAY=" + display);
  environment.push_back("WINEPREFIX=" + PrefixDir());
  environment.push_back("WINEDEBUG=-all");
  // No Mono or Gecko installer dialogs in a test prefix.
  environment.push_back("WINEDLLOVERRIDES=mscoree,mshtml=");
  return environment;
}

}  // namespace

std::string ExeDir() { return TGL_E2E_DIR; }
std::string PrefixDir() {
  // The test run names each test's prefix; run by hand, a test uses the first stream's.
  const char* prefix = std::getenv("TGL_WINE_PREFIX");
  return prefix ? prefix : TGL_FIRST_WINE_PREFIX;
}
std::string SourceDir() { return TGL_SOURCE_DIR; }

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

TWineProcess::TWineProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& workingDir, bool withErrors) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
  std::vector<std::string> argumentTexts{WineLoader, program};
  argumentTexts.insert(argumentTexts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environmentTexts = WineEnvironment();
  std::vector<char*> argv, envp;
  for (std::string& text : argumentTexts) argv.push_back(text.data());
  argv.push_back(nullptr);
  for (std::string& text : environmentTexts) envp.push_back(text.data());
  envp.push_back(nullptr);

  Pid = ::fork();
  if (Pid < 0) throw std::runtime_error("fork failed");
  if (Pid == 0) {
    ::setpgid(0, 0);
    ::dup2(pipeFds[1], STDOUT_FILENO);
    int devNull = ::open("/dev/null", O_RDWR);
    ::dup2(devNull, STDIN_FILENO);
    ::dup2(withErrors ? pipeFds[1] : devNull, STDERR_FILENO);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    if (::chdir(workingDir.c_str()) != 0) ::_exit(126);
    ::execve(WineLoader, argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  OutputFd = pipeFds[0];
}

TWineProcess::~TWineProcess() {
  if (!ExitCode && Pid > 0) {
    ::kill(-Pid, SIGKILL);
    ::waitpid(Pid, nullptr, 0);
  }
  if (OutputFd >= 0) ::close(OutputFd);
}

void TWineProcess::Collect(int timeoutMs) {
  if (OutputFd < 0) return;
  pollfd descriptor{OutputFd, POLLIN, 0};
  if (::poll(&descriptor, 1, timeoutMs) <= 0) return;
  char buffer[4096];
  ssize_t count = ::read(OutputFd, buffer, sizeof buffer);
  if (count > 0) {
    Collected.append(buffer, static_cast<size_t>(count));
  } else {
    ::close(OutputFd);
    OutputFd = -1;
  }
}

std::optional<int> TWineProcess::Wait(int timeoutSeconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  while (!ExitCode) {
    int status = 0;
    if (::waitpid(Pid, &status, WNOHANG) == Pid) {
      ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    Collect(50);
    if (OutputFd < 0) ::usleep(20000);
  }
  // A Wine server started by this process may hold the pipe open: drain with a bound.
  auto drainDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (OutputFd >= 0 && std::chrono::steady_clock::now() < drainDeadline) Collect(100);
  return ExitCode;
}

std::vector<std::string> OutputLines(const std::string& output) {
  std::vector<std::string> lines;
  std::istringstream stream(output);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TRunResult RunWine(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingDir, int timeoutSeconds) {
  TWineProcess process(program, arguments, workingDir);
  TRunResult result;
  result.ExitCode = process.Wait(timeoutSeconds);
  result.Output = process.Output();
  return result;
}

TRunResult RunDriver(const std::vector<std::string>& arguments, int timeoutSeconds) {
  return RunWine(ExeDir() + "/tgldriver.exe", arguments, ExeDir(), timeoutSeconds);
}

std::string ReadMessageBoxAndPressOk(int timeoutMs) {
  TRunResult result = RunDriver({"msgbox", std::to_string(timeoutMs)});
  const std::string prefix = "TEXT ";
  if (result.Output.rfind(prefix, 0) != 0) return "<no message box: " + result.Output + ">";
  std::string text = result.Output.substr(prefix.size());
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

int RunReg(const std::vector<std::string>& arguments) {
  // In a 32-bit prefix a Wine process now and then hangs at start when it starts in the
  // same instant as another one: a bounded wait, then one more try. An add has also been
  // seen to fail at once, now and then, in full runs; adding is idempotent, so a failed add
  // is tried once more too.
  const bool add = !arguments.empty() && arguments[0] == "add";
  int exitCode = -1;
  for (int attempt = 0; attempt < 2; ++attempt) {
    TWineProcess process("reg", arguments, ExeDir(), true);
    std::optional<int> ended = process.Wait(30);
    if (!ended) continue;
    exitCode = *ended;
    if (exitCode == 0 || !add) break;
    // What reg said goes to the test's log: otherwise a failed add is only an exit code.
    std::fprintf(stderr, "reg exit %d: %s\n", exitCode, process.Output().c_str());
  }
  return exitCode;
}

std::string RegValue(const std::string& key, const std::string& name) {
  // reg.exe prints "    NAME    TYPE    DATA". A query has been seen, once in a full run, to
  // show nothing for a value that was there (and that the program read back): a value not
  // shown is asked for once more.
  const std::string prefix = "    " + name + "    ";
  const std::string separator = "    ";
  bool answered = false;
  std::string missed;
  for (int attempt = 0; attempt < 2; ++attempt) {
    TWineProcess process("reg", {"query", key, "/v", name}, ExeDir(), true);
    std::optional<int> ended = process.Wait(30);
    if (!ended) continue;
    answered = true;
    for (const std::string& line : OutputLines(process.Output())) {
      if (line.rfind(prefix, 0) != 0) continue;
      // Shown the second time only: what reg said the first time goes to the test's log.
      if (!missed.empty())
        std::fprintf(stderr, "reg query of %s missed it: %s\n", name.c_str(), missed.c_str());
      std::string typeAndData = line.substr(prefix.size());
      size_t typeEnd = typeAndData.find(separator);
      if (typeEnd == std::string::npos) return typeAndData + " ";
      return typeAndData.substr(0, typeEnd) + " " + typeAndData.substr(typeEnd + separator.size());
    }
    missed = "exit " + std::to_string(*ended) + ", " + process.Output();
  }
  return answered ? "" : "<reg.exe did not answer>";
}

void SetWindowsVersion(const std::string& version) {
  if (RunReg({"add", "HKCU\\Software\\Wine", "/v", "Version", "/d", version, "/f"}) != 0)
    throw std::runtime_error("cannot set the Wine Windows version to " + version);
}

TProgramFolder::TProgramFolder() : TScratchFolder(TGL_E2E_ROOT) {
  Write("TesmoraGL.exe", ReadBytes(ExeDir() + "/TesmoraGL.exe"));
}

// The probe prints a header line, then the card: its seventh field is the driver key as
// Wine's registry names it (\Registry\Machine\...).
std::string ProbeDriverKey(const TProgramFolder& folder) {
  folder.Write("cardprobe.exe", ReadBytes(ExeDir() + "/cardprobe.exe"));
  TRunResult probe = RunWine(folder.Path() + "cardprobe.exe", {}, folder.Path(), 60);
  std::vector<std::string> lines = OutputLines(probe.Output);
  std::vector<std::string> fields;
  if (lines.size() >= 2) {
    std::istringstream card(lines[1]);
    for (std::string field; std::getline(card, field, '|');) fields.push_back(field);
  }
  const std::string machine = "\\Registry\\Machine\\";
  if (fields.size() != 7 || fields[5].rfind(machine, 0) != 0) return "";
  return "HKLM\\" + fields[5].substr(machine.size());
}

}  // namespace tgl::wine
