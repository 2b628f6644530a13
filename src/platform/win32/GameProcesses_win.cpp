#include "platform/win32/GameProcesses_win.h"

#include <shellapi.h>
#include <tlhelp32.h>

namespace tgl {
namespace {

// Kernel32 of Windows 95, 98, Me and 2000 has the Toolhelp functions; NT 4.0 does not, so
// they are looked up when needed.
using TCreateSnapshot = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using TProcessWalk = BOOL(WINAPI*)(HANDLE snapshot, PROCESSENTRY32* entry);

}  // namespace

TStartedProgram TWin32GameProcesses::Start(const std::string& path, const std::string& parameters,
                                           const std::string& folder) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = path.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = folder.c_str();
  info.nShow = SW_SHOWDEFAULT;
  TStartedProgram started;
  if (!::ShellExecuteExA(&info) || reinterpret_cast<INT_PTR>(info.hInstApp) <= 32) {
    if (info.hProcess) ::CloseHandle(info.hProcess);
    return started;
  }
  started.Started = true;
  if (info.hProcess) {
    started.Process = ++LastToken;
    Processes.emplace(*started.Process, TFileHandle(info.hProcess));
  }
  return started;
}

bool TWin32GameProcesses::HasEnded(TProcessToken process) const {
  HANDLE handle = HandleOf(process);
  return !handle || ::WaitForSingleObject(handle, 0) != WAIT_TIMEOUT;
}

void TWin32GameProcesses::Release(TProcessToken process) { Processes.erase(process); }

HANDLE TWin32GameProcesses::HandleOf(TProcessToken process) const {
  auto found = Processes.find(process);
  return found == Processes.end() ? nullptr : found->second.Get();
}

TStrings TWin32GameProcesses::RunningProgramNames() {
  TStrings names;
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  if (!kernel) return names;
  auto createSnapshot = reinterpret_cast<TCreateSnapshot>(
      reinterpret_cast<void (*)()>(::GetProcAddress(kernel, "CreateToolhelp32Snapshot")));
  auto first = reinterpret_cast<TProcessWalk>(
      reinterpret_cast<void (*)()>(::GetProcAddress(kernel, "Process32First")));
  auto next = reinterpret_cast<TProcessWalk>(
      reinterpret_cast<void (*)()>(::GetProcAddress(kernel, "Process32Next")));
  if (!createSnapshot || !first || !next) return names;
  TFileHandle snapshot(createSnapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.IsValid()) return names;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL found = first(snapshot.Get(), &entry); found; found = next(snapshot.Get(), &entry)) {
    entry.szExeFile[sizeof entry.szExeFile - 1] = '\0';
    names.emplace_back(entry.szExeFile);
    entry.dwSize = sizeof entry;
  }
  return names;
}

}  // namespace tgl
