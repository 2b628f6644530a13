#include "platform/win32/Win32ShellCalls_win.h"

#include <shellapi.h>

namespace tgl {
namespace {

const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

int TWin32ShellCalls::Execute(const TShellCommand& command) {
  HINSTANCE result = ::ShellExecuteA(command.OwnedByMainWindow ? MainWindow : nullptr,
                                     TextOrNull(command.Verb), command.File.c_str(),
                                     TextOrNull(command.Parameters), TextOrNull(command.Directory),
                                     command.ShowCommand);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

// The index alone: asking for the icon too would hand out an icon to destroy.
int TWin32ShellCalls::FileIconIndex(const std::string& path, bool large) {
  SHFILEINFOA info{};
  UINT flags = SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON);
  if (!::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, flags)) return 0;
  return info.iIcon;
}

}  // namespace tgl
