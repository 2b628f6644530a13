// A writer of Games.CFG for the kill test (killprobe.exe): it rewrites every game of the
// Games.CFG beside it to the fill letter it is given, through the program's own write path,
// once, and tells its killer when it starts and when the write is done.
//   gameswriter.exe a|b READY_EVENT WRITTEN_EVENT
// The two events are named manual-reset events that the killer made. After the write it
// waits to be killed, so that every run ends in a kill: one that lands after the write.
// Exit code 1 with "ERROR <message>" when the write failed; 2 on a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "KillTestGames.h"
#include "app/Win32Platform_win.h"
#include "base/Errors.h"
#include "base/StartupState.h"
#include "config/IniFile.h"
#include "platform/win32/FileHandle_win.h"
#include "platform/win32/ProcessInfo_win.h"

namespace {

// Nobody killed it within this time: its killer is gone, and it ends by itself.
const DWORD KillWaitMs = 60000;

tgl::TFileHandle OpenEvent(const char* name) {
  return tgl::TFileHandle(::OpenEventA(EVENT_MODIFY_STATE, FALSE, name));
}

}  // namespace

int main(int argc, char** argv) {
  const char fill = argc == 4 && std::strlen(argv[1]) == 1 ? argv[1][0] : '\0';
  if (fill != 'a' && fill != 'b') {
    std::printf("ERROR usage: gameswriter a|b READY_EVENT WRITTEN_EVENT\n");
    return 2;
  }
  tgl::TFileHandle ready = OpenEvent(argv[2]), written = OpenEvent(argv[3]);
  if (!ready.IsValid() || !written.IsValid()) {
    std::printf("ERROR no events %s %s\n", argv[2], argv[3]);
    return 2;
  }
  tgl::TWin32Platform platform;
  tgl::Startup().ProgramDir = tgl::ProgramFolder();
  const std::string path = tgl::Startup().ProgramDir + tgl::GamesFileName;
  const std::string gamePath = tgl::probes::KillTestPath(fill);
  const std::string parameters = tgl::probes::KillTestParameters(fill);

  ::SetEvent(ready.Get());
  try {
    tgl::TIniFile(path).Modify([&](tgl::TIniDocument& games) {
      for (int index = 0; index < tgl::probes::KillTestGameCount; ++index) {
        const std::string title = tgl::probes::KillTestGameTitle(index);
        games.Set(title, "Path", gamePath);
        games.Set(title, "Parameters", parameters);
      }
    });
  } catch (const tgl::EError& error) {
    std::printf("ERROR %s\n", error.what());
    std::fflush(stdout);
    return 1;
  }
  ::SetEvent(written.Get());
  ::Sleep(KillWaitMs);
  return 0;
}
