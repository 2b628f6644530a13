// What the process of a top-level window holds: its private memory and its GDI and USER
// objects, the figures of Task Manager.
//   resourceprobe.exe CLASS
// Output, one line each:
//   PRIVATE <bytes> <source>  private memory: GetProcessMemoryInfo's "PrivateUsage", or its
//                          "PagefileUsage" where the system gives no PrivateUsage (Windows
//                          2000, Wine), which is the same figure on Windows NT
//   WORKINGSET <bytes>
//   GDI <n> <source>       GDI objects, by GetGuiResources ("GetGuiResources"), or where that
//                          is a stub that answers nothing (Wine) by the entries in use in the
//                          process's GDI handle table ("handle-table")
//   USER <n> <source>      USER objects, by GetGuiResources, or where that is a stub by the
//                          windows of the process ("windows"): top-level, child and
//                          message-only windows
// Exit code 0; 1 when a figure could not be taken; 2 when there is no such window.
// Every function newer than Windows 95 is looked up at run time.
#include <windows.h>
#include <psapi.h>

#include <cstddef>
#include <cstdio>
#include <optional>
#include <vector>

#include "platform/win32/FileHandle_win.h"

namespace {

template <typename Function>
Function Lookup(const char* module, const char* name) {
  HMODULE library = ::GetModuleHandleA(module);
  if (!library) library = ::LoadLibraryA(module);
  return library ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)))
                 : nullptr;
}

struct TMemory {
  SIZE_T Private = 0;
  const char* Source = "PrivateUsage";
  SIZE_T WorkingSet = 0;
};

std::optional<TMemory> MemoryOf(HANDLE process) {
  using TGetProcessMemoryInfo = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
  auto getInfo = Lookup<TGetProcessMemoryInfo>("psapi.dll", "GetProcessMemoryInfo");
  if (!getInfo) return std::nullopt;
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (getInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters) &&
      counters.PrivateUsage != 0)
    return TMemory{counters.PrivateUsage, "PrivateUsage", counters.WorkingSetSize};
  // Windows 2000 knows the first form only, and Wine leaves PrivateUsage at 0.
  PROCESS_MEMORY_COUNTERS basic{};
  basic.cb = sizeof basic;
  if (getInfo(process, &basic, sizeof basic) && basic.PagefileUsage != 0)
    return TMemory{basic.PagefileUsage, "PagefileUsage", basic.WorkingSetSize};
  return std::nullopt;
}

struct TGuiObjects {
  DWORD Gdi = 0, User = 0;
  const char* GdiSource = "GetGuiResources";
  const char* UserSource = "GetGuiResources";
};

// Nothing where GetGuiResources is missing or a stub, which answers 0: a process with a
// window has USER objects.
std::optional<TGuiObjects> ByGetGuiResources(HANDLE process) {
  using TGetGuiResources = DWORD(WINAPI*)(HANDLE, DWORD);
  auto getGuiResources = Lookup<TGetGuiResources>("user32.dll", "GetGuiResources");
  TGuiObjects objects;
  if (getGuiResources) objects.User = getGuiResources(process, GR_USEROBJECTS);
  if (objects.User == 0) return std::nullopt;
  objects.Gdi = getGuiResources(process, GR_GDIOBJECTS);
  return objects;
}

// Where Windows NT maps its GDI handle table into a process (the PEB's GdiSharedHandleTable),
// Wine keeps a table of the process's own objects, in the layout of 64-bit Windows for
// 32-bit and 64-bit processes alike. An entry in use has a type.
struct TGdiHandleEntry {
  UINT64 Object;
  ULONG Owner;
  USHORT Unique;
  UCHAR Type;
  UCHAR Flags;
  UINT64 UserPointer;
};
static_assert(sizeof(TGdiHandleEntry) == 24, "the handle table's entry");
const size_t GdiHandleCount = 0x10000;
const size_t GdiTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;

struct TProcessBasicInformation {
  void* Reserved1;
  void* PebBaseAddress;
  void* Reserved2[2];
  ULONG_PTR UniqueProcessId;
  void* Reserved3;
};

std::optional<DWORD> GdiHandleTableCount(HANDLE process) {
  using TNtQueryInformationProcess = LONG(WINAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*);
  auto query = Lookup<TNtQueryInformationProcess>("ntdll.dll", "NtQueryInformationProcess");
  TProcessBasicInformation basic{};
  const ULONG ProcessBasicInformation = 0;
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
    return std::nullopt;
  void* table = nullptr;
  if (!::ReadProcessMemory(process, static_cast<char*>(basic.PebBaseAddress) + GdiTableInPeb,
                           &table, sizeof table, nullptr) ||
      !table)
    return std::nullopt;
  std::vector<TGdiHandleEntry> entries(GdiHandleCount);
  if (!::ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof entries[0], nullptr))
    return std::nullopt;
  DWORD inUse = 0;
  for (const TGdiHandleEntry& entry : entries)
    if (entry.Type != 0) ++inUse;
  return inUse;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  return TRUE;
}

struct TProcessWindows {
  DWORD ProcessId;
  DWORD Count;
};

BOOL CALLBACK CountProcessWindows(HWND window, LPARAM lParam) {
  auto* windows = reinterpret_cast<TProcessWindows*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != windows->ProcessId) return TRUE;
  ++windows->Count;
  ::EnumChildWindows(window, &CountWindow, reinterpret_cast<LPARAM>(&windows->Count));
  return TRUE;
}

DWORD WindowsOf(DWORD processId) {
  TProcessWindows windows{processId, 0};
  ::EnumWindows(&CountProcessWindows, reinterpret_cast<LPARAM>(&windows));
  // Message-only windows are no top-level windows; Windows 9x has none.
  for (HWND window = ::FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = ::FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr))
    CountProcessWindows(window, reinterpret_cast<LPARAM>(&windows));
  return windows.Count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: resourceprobe CLASS\n");
    return 2;
  }
  HWND window = ::FindWindowA(argv[1], nullptr);
  DWORD processId = 0;
  if (window) ::GetWindowThreadProcessId(window, &processId);
  tgl::TFileHandle process(
      ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!window || !process.IsValid()) {
    std::printf("MISSING %s\n", argv[1]);
    return 2;
  }
  int exitCode = 0;
  if (std::optional<TMemory> memory = MemoryOf(process.Get())) {
    std::printf("PRIVATE %llu %s\nWORKINGSET %llu\n", static_cast<unsigned long long>(memory->Private),
                memory->Source, static_cast<unsigned long long>(memory->WorkingSet));
  } else {
    std::printf("PRIVATE unknown\n");
    exitCode = 1;
  }
  std::optional<TGuiObjects> objects = ByGetGuiResources(process.Get());
  if (!objects) {
    if (std::optional<DWORD> gdi = GdiHandleTableCount(process.Get()))
      objects = TGuiObjects{*gdi, WindowsOf(processId), "handle-table", "windows"};
  }
  if (objects) {
    std::printf("GDI %lu %s\nUSER %lu %s\n", static_cast<unsigned long>(objects->Gdi),
                objects->GdiSource, static_cast<unsigned long>(objects->User), objects->UserSource);
  } else {
    std::printf("GDI unknown\n");
    exitCode = 1;
  }
  return exitCode;
}
