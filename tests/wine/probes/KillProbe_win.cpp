// Kills a writer of Games.CFG (gameswriter.exe, beside this probe) at random moments with
// TerminateProcess and checks after each kill that Games.CFG, read as the program's next
// read finds it (a replace that stopped half-way undone first), holds the old or the new
// content whole: never a mix, never nothing, never no file.
//   killprobe.exe KILLS [SEED]
// Output, one line each:
//   REPLACE one-step|two-moves      how this Windows replaces a file, by the program's rule
//   WRITE <ms> WINDOW <ms>          a write's time, from the writer's start to its end (the
//                                   median of three writes left alone), and the span after
//                                   the start in which the kills fall: twice that time
//   SEED <n>
//   KILLS <n> BEFORE <n> AFTER <n> RETRIES <n>
//                                   kills before and after the write was complete; writers
//                                   that did not start in time, killed and started again
//   FAILURE <text>                  one for each failure; the first broken file ends the run
// Exit code 0 when every kill found the file whole.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "KillTestGames.h"
#include "Stopwatch_win.h"
#include "app/Win32Platform_win.h"
#include "base/StartupState.h"
#include "config/IniFile.h"
#include "platform/Platform.h"
#include "platform/win32/FileHandle_win.h"
#include "platform/win32/ProcessInfo_win.h"

namespace {

using tgl::TFileHandle;

// A Wine process now and then hangs at start: such a writer is killed and started again.
const DWORD StartTimeoutMs = 20000;
const DWORD WriteTimeoutMs = 30000;
const DWORD EndTimeoutMs = 20000;
// The exit code a killed writer ends with; a writer that ends by itself never gives it.
const UINT KilledExitCode = 77;
const char Fills[2] = {'a', 'b'};

using tgl::bench::TStopwatch;

double Microseconds(const TStopwatch& clock) { return clock.Milliseconds() * 1000.0; }

// Sleeps the whole milliseconds, then spins for the rest: a kill can fall anywhere.
void WaitUntil(const TStopwatch& clock, double microseconds) {
  ::Sleep(static_cast<DWORD>(microseconds / 1000));
  while (Microseconds(clock) < microseconds) {
  }
}

// One gameswriter.exe and the two events through which it tells its start and its write.
class TWriterRun {
public:
  TWriterRun(const std::string& folder, char fill, unsigned serial) {
    const std::string name = "TesmoraGLKillTest." + std::to_string(::GetCurrentProcessId()) + "." +
                             std::to_string(serial);
    Ready = TFileHandle(::CreateEventA(nullptr, TRUE, FALSE, (name + ".ready").c_str()));
    Written = TFileHandle(::CreateEventA(nullptr, TRUE, FALSE, (name + ".written").c_str()));
    std::string commandLine = "\"" + folder + "gameswriter.exe\" " + fill + " " + name +
                              ".ready " + name + ".written";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (Ready.IsValid() && Written.IsValid() &&
        ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         folder.c_str(), &startup, &process)) {
      ::CloseHandle(process.hThread);
      Process = TFileHandle(process.hProcess);
    }
  }
  ~TWriterRun() {
    if (Process.IsValid() && !Ended(0)) Kill();
  }
  TWriterRun(const TWriterRun&) = delete;
  TWriterRun& operator=(const TWriterRun&) = delete;

  bool Created() const { return Process.IsValid(); }
  bool WaitReady() const { return ::WaitForSingleObject(Ready.Get(), StartTimeoutMs) == WAIT_OBJECT_0; }
  bool WaitWritten() const {
    return ::WaitForSingleObject(Written.Get(), WriteTimeoutMs) == WAIT_OBJECT_0;
  }
  bool IsWritten() const { return ::WaitForSingleObject(Written.Get(), 0) == WAIT_OBJECT_0; }
  // False when it did not end in time.
  bool Kill() const {
    ::TerminateProcess(Process.Get(), KilledExitCode);
    return Ended(EndTimeoutMs);
  }
  DWORD ExitCode() const {
    DWORD code = 0;
    ::GetExitCodeProcess(Process.Get(), &code);
    return code;
  }

private:
  bool Ended(DWORD timeoutMs) const {
    return ::WaitForSingleObject(Process.Get(), timeoutMs) == WAIT_OBJECT_0;
  }

  TFileHandle Ready, Written, Process;
};

// Games.CFG as the program's next read finds it, which first undoes a replace of its own
// that stopped between moving the old file aside and moving the new one in.
std::optional<std::string> ReadAsTheProgramDoes(const std::string& path) {
  tgl::TIniFile(path).Snapshot();
  return tgl::Files().ReadFile(path, tgl::TIniFile::MaxFileSize);
}

class TKillRun {
public:
  TKillRun(int kills, unsigned seed) : Kills(kills), Random(seed) {
    Folder = tgl::ProgramFolder();
    Path = Folder + tgl::GamesFileName;
    for (int index = 0; index < 2; ++index) Contents[index] = tgl::probes::KillTestGames(Fills[index]);
    std::printf("REPLACE %s\nSEED %u\n", tgl::Files().CanReplaceInOneStep() ? "one-step" : "two-moves",
                seed);
  }

  bool Run() {
    tgl::Files().WriteFile(Path, Contents[Current]);
    return Calibrate() && KillRounds();
  }

private:
  // The time a write takes, from three writes that are left to complete.
  bool Calibrate() {
    std::vector<double> times;
    while (times.size() < 3) {
      TWriterRun writer(Folder, Fills[1 - Current], Serial++);
      const TStart start = Start(writer);
      if (start == TStart::Failed) return false;
      if (start == TStart::Retry) continue;
      TStopwatch clock;
      if (!writer.WaitWritten()) return Fail("a write left alone did not end within 30 s");
      times.push_back(Microseconds(clock));
      if (!writer.Kill()) return Fail("a writer did not end when killed");
      if (!CheckFile(true)) return false;
    }
    std::sort(times.begin(), times.end());
    WindowUs = std::max(2000.0, 2 * times[1]);
    std::printf("WRITE %.1f WINDOW %.1f\n", times[1] / 1000, WindowUs / 1000);
    return true;
  }

  bool KillRounds() {
    int done = 0, before = 0, after = 0;
    bool whole = true;
    while (whole && done < Kills) {
      TWriterRun writer(Folder, Fills[1 - Current], Serial++);
      const TStart start = Start(writer);
      if (start == TStart::Failed) break;
      if (start == TStart::Retry) continue;
      TStopwatch clock;
      WaitUntil(clock, std::uniform_real_distribution<double>(0, WindowUs)(Random));
      if (!writer.Kill()) {
        Fail("a writer did not end when killed");
        break;
      }
      if (writer.ExitCode() != KilledExitCode) {
        Fail("a writer ended by itself with exit code " + std::to_string(writer.ExitCode()));
        break;
      }
      const bool written = writer.IsWritten();
      ++done;
      ++(written ? after : before);
      whole = CheckFile(written);
    }
    std::printf("KILLS %d BEFORE %d AFTER %d RETRIES %d\n", done, before, after, Retries);
    return whole && Failures == 0 && done == Kills;
  }

  // A writer that did not start in time is killed, and the round is played again with a
  // new one: a retry, not a kill. It fails when that happens too often.
  enum class TStart { Started, Retry, Failed };
  TStart Start(const TWriterRun& writer) {
    if (!writer.Created()) return Failed("cannot start gameswriter.exe");
    if (writer.WaitReady()) return TStart::Started;
    if (!writer.Kill()) return Failed("a writer that did not start did not end when killed");
    if (++Retries > MaxRetries())
      return Failed("writers did not start " + std::to_string(Retries) + " times");
    return CheckFile(false) ? TStart::Retry : TStart::Failed;
  }
  TStart Failed(const std::string& text) {
    Fail(text);
    return TStart::Failed;
  }
  int MaxRetries() const { return 10 + Kills / 20; }

  // The file after a kill: the old or the new content whole; the new one where the writer
  // had finished its write. The next writer writes the other one.
  bool CheckFile(bool mustBeNew) {
    const std::optional<std::string> found = ReadAsTheProgramDoes(Path);
    if (!found) return Fail("Games.CFG is missing");
    if (*found == Contents[1 - Current]) {
      Current = 1 - Current;
      return true;
    }
    if (*found != Contents[Current])
      return Fail("Games.CFG holds " + std::to_string(found->size()) +
                  " bytes that are neither the old nor the new content");
    if (mustBeNew) return Fail("a complete write was lost: Games.CFG holds the old content");
    return true;
  }

  bool Fail(const std::string& text) {
    ++Failures;
    std::printf("FAILURE %s\n", text.c_str());
    std::fflush(stdout);
    return false;
  }

  int Kills;
  std::mt19937 Random;
  std::string Folder, Path;
  std::string Contents[2];
  int Current = 0;  // the index of the content Games.CFG holds
  unsigned Serial = 0;
  double WindowUs = 0;
  int Retries = 0;
  int Failures = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const int kills = argc >= 2 ? std::atoi(argv[1]) : 0;
  if (kills <= 0 || argc > 3) {
    std::printf("FAILURE usage: killprobe KILLS [SEED]\n");
    return 2;
  }
  const unsigned seed = argc == 3 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))
                                  : static_cast<unsigned>(::GetTickCount());
  tgl::TWin32Platform platform;
  bool whole = TKillRun(kills, seed).Run();
  std::fflush(stdout);
  return whole ? 0 : 1;
}
