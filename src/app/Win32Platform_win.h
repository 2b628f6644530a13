#pragma once
// The Win32 implementations of every seam, installed for the life of the program.
#include "config/IniCache.h"
#include "platform/Platform.h"
#include "platform/win32/MessageBoxes_win.h"
#include "platform/win32/Win32CodePage_win.h"
#include "platform/win32/ResourceTexts_win.h"
#include "platform/win32/ShellFolders_win.h"
#include "platform/win32/Win32DisplayDevices_win.h"
#include "platform/win32/Win32FileChooser_win.h"
#include "platform/win32/Win32FileSystem_win.h"
#include "platform/win32/Win32Registry_win.h"
#include "platform/win32/Win32ShellCalls_win.h"

namespace tgl {

class TWin32Platform {
public:
  TWin32Platform()
      : Scope(TPlatform{&FileSystem, &Texts, &MessageBoxes, &ShellFolders, &IniCache,
                        &RegistrySystem, &DisplayDevices, &CodePage, &Shell, &FileDialogs}) {}
  TMessageBoxes& Messages() { return MessageBoxes; }
  TWin32ShellCalls& ShellCalls() { return Shell; }
  TWin32FileChooser& FileChooser() { return FileDialogs; }

private:
  TWin32FileSystem FileSystem;
  TResourceTexts Texts;
  TMessageBoxes MessageBoxes;
  TWin32ShellFolders ShellFolders;
  TIniCache IniCache;
  TWin32RegistrySystem RegistrySystem;
  TWin32DisplayDevices DisplayDevices;
  TWin32CodePage CodePage;
  TWin32ShellCalls Shell;
  TWin32FileChooser FileDialogs;
  TPlatformScope Scope;
};

}  // namespace tgl
