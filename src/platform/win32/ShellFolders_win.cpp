#include "platform/win32/ShellFolders_win.h"

#include <windows.h>
#include <shlobj.h>

namespace tgl {
namespace {

// The shell's own allocator. On Windows 95 and 98 it is not the COM task allocator unless
// OLE was loaded, so memory the shell hands out goes back through this one.
class TShellAllocator {
public:
  TShellAllocator() {
    if (FAILED(SHGetMalloc(&Allocator))) Allocator = nullptr;
  }
  ~TShellAllocator() {
    if (Allocator) Allocator->Release();
  }
  TShellAllocator(const TShellAllocator&) = delete;
  TShellAllocator& operator=(const TShellAllocator&) = delete;
  void Free(void* memory) const {
    if (Allocator && memory) Allocator->Free(memory);
  }

private:
  IMalloc* Allocator = nullptr;
};

// An item ID list that the shell allocated, freed on every path out.
class TShellItemList {
public:
  TShellItemList() = default;
  ~TShellItemList() { TShellAllocator().Free(List); }
  TShellItemList(const TShellItemList&) = delete;
  TShellItemList& operator=(const TShellItemList&) = delete;
  LPITEMIDLIST* Receive() { return &List; }
  LPCITEMIDLIST Get() const { return List; }

private:
  LPITEMIDLIST List = nullptr;
};

}  // namespace

std::string TWin32ShellFolders::DesktopPath() const {
  TShellItemList list;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, list.Receive())) ||
      !list.Get())
    return {};
  char path[MAX_PATH + 1] = {};
  if (!SHGetPathFromIDListA(list.Get(), path)) return {};
  return path;
}

}  // namespace tgl
