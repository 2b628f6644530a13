#pragma once
// The program settings kept in section [%%Configuration] of Games.CFG. WriteLog is read
// once at program start and never here; ShowAllCards is read but never written, so a user
// who added it by hand keeps it. RestoreDriverSettings is written only while it is on.
#include <cstdint>

namespace tgl {

class TCustomIniFile;
class TIniDocument;

// What happens after Run has started a game.
enum TOnRun : uint8_t { orStay = 0, orMinimize = 1, orExit = 2 };

// The settings the main window holds.
struct TMainSettings {
  bool ConfirmSaving = true;
  bool ConfirmDelete = true;
  bool ConfirmDefault = true;
  bool ConfirmRegistry = true;
  uint8_t OnRun = orMinimize;  // any value above orExit stays, as orStay does
  bool GenericToolbar = false;
  // Put the driver values a Run changed back when the game ends.
  bool RestoreDriverSettings = false;
  friend bool operator==(const TMainSettings&, const TMainSettings&) = default;
};

// Everything the section holds for the program, with the defaults of a missing key.
struct TProgramSettings {
  TMainSettings Main;
  bool GameListLargeIcons = true;  // key GameListStyle
  bool NotifyOnWrongValue = true;
  bool ShowAllCards = false;
};

TProgramSettings ReadProgramSettings(TCustomIniFile& games);
// Writes the eight keys in their order: the main window's six, GameListStyle and
// NotifyOnWrongValue; then RestoreDriverSettings while it is on, and removes it when off.
void WriteProgramSettings(TIniDocument& games, const TProgramSettings& settings);

}  // namespace tgl
