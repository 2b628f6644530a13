#pragma once
// ShellExecuteA, the system image lists' icon indices and files' icons through shell32;
// shortcuts through the shell's link object (IShellLinkA and IPersistFile, which Windows 95
// has).
#include <windows.h>

#include <utility>

#include "platform/ShellCalls.h"

namespace tgl {

// An icon that the shell handed out, destroyed with this object.
class TWin32FileIcon : public TFileIcon {
public:
  TWin32FileIcon(HICON icon, int iconIndex) : Icon(icon), Index(iconIndex) {}
  ~TWin32FileIcon() override {
    if (Icon) ::DestroyIcon(Icon);
  }
  TWin32FileIcon(const TWin32FileIcon&) = delete;
  TWin32FileIcon& operator=(const TWin32FileIcon&) = delete;

  int IconIndex() const override { return Index; }
  HICON Handle() const { return Icon; }

private:
  HICON Icon;
  int Index;
};

class TWin32ShellCalls : public TShellCalls {
public:
  int Execute(const TShellCommand& command) override;
  int FileIconIndex(const std::string& path, bool large) override;
  std::unique_ptr<TFileIcon> LargeFileIcon(const std::string& path) override;
  void CreateShortcut(const std::string& linkPath, const TShellLink& link) override;
  // The window that owns the commands that ask for it; none before the main window exists.
  void SetMainWindow(HWND window) { MainWindow = window; }

private:
  HWND MainWindow = nullptr;
};

}  // namespace tgl
