#pragma once
// The program setting "Restore driver settings when the game ends": key
// "RestoreDriverSettings" of [%%Configuration] in Games.CFG, off when missing. It is
// written only while it is on, so a Games.CFG of a user who never turned it on stays as
// the settings save always left it.
#include "config/CustomIniFile.h"
#include "config/IniDocument.h"

namespace tgl {

inline constexpr const char* RestoreDriverSettingsKey = "RestoreDriverSettings";

// Read as every Boolean setting: an integer, any value but 0 is on.
bool ReadRestoreDriverSettings(TCustomIniFile& games);
// On writes "1"; off removes the key when it is there and writes nothing otherwise.
void WriteRestoreDriverSettings(TCustomIniFile& games, bool restore);
void WriteRestoreDriverSettings(TIniDocument& games, bool restore);

}  // namespace tgl
