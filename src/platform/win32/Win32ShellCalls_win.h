#pragma once
// ShellExecuteA and the system image lists' icon indices through shell32; shortcuts through
// the shell's link object (IShellLinkA and IPersistFile, which Windows 95 has).
#include <windows.h>

#include "platform/ShellCalls.h"

namespace tgl {

class TWin32ShellCalls : public TShellCalls {
public:
  int Execute(const TShellCommand& command) override;
  int FileIconIndex(const std::string& path, bool large) override;
  void CreateShortcut(const std::string& linkPath, const TShellLink& link) override;
  // The window that owns the commands that ask for it; none before the main window exists.
  void SetMainWindow(HWND window) { MainWindow = window; }

private:
  HWND MainWindow = nullptr;
};

}  // namespace tgl
