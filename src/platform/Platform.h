#pragma once
// The platform services the core reaches through its seams. The program installs its
// Win32 implementations once at start-up; tests install doubles for their own scope.
#include "platform/CodePage.h"
#include "platform/DisplayDevices.h"
#include "platform/EmbeddedTexts.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/ShellFolders.h"
#include "platform/Registry.h"
#include "platform/ShellCalls.h"

namespace tgl {

class TIniCache;

struct TPlatform {
  TFileSystem* Files = nullptr;
  TEmbeddedTexts* Texts = nullptr;
  TMessages* Messages = nullptr;
  TShellFolders* Shell = nullptr;
  // Optional: parsed INI files kept between operations (config/IniCache.h). Without it
  // every read parses its file anew.
  TIniCache* IniCache = nullptr;
  TRegistrySystem* Registry = nullptr;
  TDisplayDevices* Displays = nullptr;
  TCodePage* CodePage = nullptr;
  TShellCalls* ShellCalls = nullptr;
};

// The installed services; each accessor asserts that its service was installed, except
// IniCache, which is null when none is.
const TPlatform& Platform();
TFileSystem& Files();
TEmbeddedTexts& EmbeddedTexts();
TMessages& Messages();
TShellFolders& ShellFolders();
TIniCache* IniCache();
TRegistrySystem& Registry();
TDisplayDevices& DisplayDevices();
TCodePage& CodePage();
TShellCalls& ShellCalls();

// Installs a set of services for the lifetime of this object and restores the previous
// set afterwards.
class TPlatformScope {
public:
  explicit TPlatformScope(const TPlatform& services);
  ~TPlatformScope();
  TPlatformScope(const TPlatformScope&) = delete;
  TPlatformScope& operator=(const TPlatformScope&) = delete;

private:
  TPlatform Previous;
};

}  // namespace tgl
