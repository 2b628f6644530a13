#include "platform/Platform.h"

#include <cassert>

namespace tgl {
namespace {
TPlatform InstalledPlatform;
}

const TPlatform& Platform() { return InstalledPlatform; }

TFileSystem& Files() {
  assert(InstalledPlatform.Files && "RootUnit: no file system installed");
  return *InstalledPlatform.Files;
}

TEmbeddedTexts& EmbeddedTexts() {
  assert(InstalledPlatform.Texts && "RootUnit: no embedded texts installed");
  return *InstalledPlatform.Texts;
}

TMessages& Messages() {
  assert(InstalledPlatform.Messages && "RootUnit: no message boxes installed");
  return *InstalledPlatform.Messages;
}

TShellFolders& ShellFolders() {
  assert(InstalledPlatform.Shell && "RootUnit: no shell folders installed");
  return *InstalledPlatform.Shell;
}

TIniCache* IniCache() { return InstalledPlatform.IniCache; }
TRegistrySystem& Registry() {
  assert(InstalledPlatform.Registry && "RootUnit: no registry installed");
  return *InstalledPlatform.Registry;
}

TDisplayDevices& DisplayDevices() {
  assert(InstalledPlatform.Displays && "RootUnit: no display device list installed");
  return *InstalledPlatform.Displays;
}

TCodePage& CodePage() {
  assert(InstalledPlatform.CodePage && "RootUnit: no code page installed");
  return *InstalledPlatform.CodePage;
}

TShellCalls& ShellCalls() {
  assert(InstalledPlatform.ShellCalls && "RootUnit: no shell calls installed");
  return *InstalledPlatform.ShellCalls;
}

TPlatformScope::TPlatformScope(const TPlatform& services) : Previous(InstalledPlatform) {
  InstalledPlatform = services;
}

TPlatformScope::~TPlatformScope() { InstalledPlatform = Previous; }

}  // namespace tgl
