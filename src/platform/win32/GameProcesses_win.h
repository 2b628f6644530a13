#pragma once
// The processes of running games, for the window's TGameProcesses: a program started by the
// shell with its process handle kept, whether it ended, and the names of all running
// processes from the Toolhelp snapshot. Each handle is closed when its token is released or
// when this object goes.
#include <windows.h>

#include <map>

#include "platform/GameProcesses.h"
#include "platform/win32/FileHandle_win.h"

namespace tgl {

class TWin32GameProcesses {
public:
  TWin32GameProcesses() = default;
  TWin32GameProcesses(const TWin32GameProcesses&) = delete;
  TWin32GameProcesses& operator=(const TWin32GameProcesses&) = delete;

  // ShellExecuteExA "open" with SW_SHOWDEFAULT, without the shell's own error box: the
  // program tells the user itself.
  TStartedProgram Start(const std::string& path, const std::string& parameters,
                        const std::string& folder);
  bool HasEnded(TProcessToken process) const;
  void Release(TProcessToken process);
  // The handle to wait on (MsgWaitForMultipleObjects); nullptr for an unknown token.
  HANDLE HandleOf(TProcessToken process) const;

  // The program files of the running processes: full paths on Windows 9x, file names on
  // the NT family. Empty when the Toolhelp functions are missing (Windows NT 4.0).
  static TStrings RunningProgramNames();

private:
  std::map<TProcessToken, TFileHandle> Processes;
  TProcessToken LastToken = 0;
};

}  // namespace tgl
