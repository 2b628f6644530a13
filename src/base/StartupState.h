#pragma once
// Start-up state: process-wide values set once while the program starts and read everywhere.
#include <string>

#include "base/ReleaseInfo.h"

namespace tgl {

inline constexpr const char* ProgramTitle = TGL_PRODUCT_TITLE;
inline constexpr const char* GamesFileName = "Games.CFG";
inline constexpr const char* CardsFileName = "Cards.CFG";
inline constexpr const char* DefaultProfileName = "Default";
inline constexpr const char* ConfigurationSection = "%%Configuration";
inline constexpr const char* InstanceMutexName = "#$*__TesmoraGL_Mutex__!@#$";
inline constexpr const char* MainWindowClass = "TTesmoraGLxForm";
inline constexpr unsigned ShowInstanceMessage = 0x0AE8;

enum TWindowsVersion : int {
  wvUnsupported = 0,
  wvWindows95 = 1,
  wvWindows98 = 2,
  wvWindowsMe = 3,
  wvWindows2000 = 4,  // and every later NT version
};

struct TStartupState {
  std::string ProgramFile;  // the program file's full name
  std::string ProgramDir;   // folder of the program file, with its trailing separator
  int WindowsVersion = wvUnsupported;
  bool LogEnabled = false;
  bool ShowAllCards = false;
  bool NotifyOnWrongValue = true;
  bool HasAdminRights = true;
};

TStartupState& Startup();

// NT mode selects the "NT" variants of definition keys, catalogue entries and profile keys.
bool IsNTMode();

}  // namespace tgl
