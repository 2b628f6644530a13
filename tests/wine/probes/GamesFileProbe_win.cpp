// Reads or writes one key of Games.CFG beside the probe exactly as the program does, so the
// end-to-end tests can see what the real file calls of each Windows version leave behind.
//   gamesfileprobe.exe read <Section> <Key>
//   gamesfileprobe.exe write <Section> <Key> <Value>
// Output, one line each:
//   VERSION <WindowsVersion>
//   VALUE <value>                       (read only; the empty value when the key is missing)
//   ERROR <message>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/Win32Platform_win.h"
#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/WindowsVersion.h"
#include "config/IniFile.h"
#include "platform/win32/ProcessInfo_win.h"

int main(int argc, char** argv) {
  const bool read = argc == 4 && std::strcmp(argv[1], "read") == 0;
  const bool write = argc == 5 && std::strcmp(argv[1], "write") == 0;
  if (!read && !write) {
    std::printf("ERROR usage: gamesfileprobe read <Section> <Key> | write <Section> <Key> <Value>\n");
    return 2;
  }
  tgl::TWin32Platform platform;
  tgl::TStartupState& startup = tgl::Startup();
  startup.ProgramDir = tgl::ProgramFolder();
  startup.WindowsVersion = tgl::WindowsVersionOf(tgl::OsVersion());
  std::printf("VERSION %d\n", startup.WindowsVersion);

  int exitCode = 0;
  try {
    tgl::TIniFile games(startup.ProgramDir + tgl::GamesFileName);
    if (read)
      std::printf("VALUE %s\n", games.ReadString(argv[2], argv[3], "").c_str());
    else
      games.WriteString(argv[2], argv[3], argv[4]);
  } catch (const tgl::EError& error) {
    std::printf("ERROR %s\n", error.what());
    exitCode = 1;
  }
  std::fflush(stdout);
  return exitCode;
}
