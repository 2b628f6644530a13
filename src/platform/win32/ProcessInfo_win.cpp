#include "platform/win32/ProcessInfo_win.h"

#include <windows.h>

namespace tgl {

std::string ProgramPath() {
  char path[MAX_PATH + 1] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

std::string ProgramFolder() {
  std::string path = ProgramPath();
  return path.substr(0, path.rfind('\\') + 1);
}

TOsVersion OsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!::GetVersionExA(&info)) return {};
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

}  // namespace tgl
