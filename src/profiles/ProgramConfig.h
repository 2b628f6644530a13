#pragma once
// One game profile: a game's title, program file and parameters, and every file operation
// that concerns one profile in Games.CFG: its game section (keys "Path" and "Parameters",
// named by the title) and its card sections (named by CardSectionName). Each operation
// opens Games.CFG anew and has written the file before it returns; the operations that
// change several sections do it with one write.
#include <memory>
#include <string>

#include "config/CustomIniFile.h"
#include "config/IniFile.h"

namespace tgl {

// The key of a game section that names the program a launcher stub starts.
inline constexpr const char* WaitForProgramKey = "WaitForProgram";

class TrlProgramConfig {
public:
  TrlProgramConfig() = default;
  virtual ~TrlProgramConfig() = default;
  TrlProgramConfig(const TrlProgramConfig&) = delete;
  TrlProgramConfig& operator=(const TrlProgramConfig&) = delete;

  // The default profile, named "%Default%".
  static std::unique_ptr<TrlProgramConfig> CreateDefault();

  std::string Name;        // the game's title, or "%Default%"
  std::string Path;        // full file name of the game's program
  std::string Parameters;  // its command line
  // The program a launcher stub starts, whose end the restore of the driver settings waits
  // for (an exe name); empty when the game's own process is waited for. Stored as key
  // "WaitForProgram" of the game section only when set.
  std::string WaitForProgram;
  bool IsDefault() const { return Default; }

  // Writes "Path" (GetPath) and "Parameters" into the game section, and "WaitForProgram"
  // when it is set (an empty one removes the key).
  virtual void Save();
  // With a reader, ReadFromIni on it; without, on Games.CFG.
  void Load(TCustomIniFile* ini = nullptr);
  void ReadFromIni(TCustomIniFile& ini);
  // Removes the game section and every card section of this profile.
  void Erase();
  void EraseCardSections(TIniFile& ini);
  // Replaces the card sections by copies of the default profile's card sections. Does
  // nothing for the default profile itself, whose card sections it would erase.
  void CopyDefaultSettings();

  // " Default " for the default profile, else Name.
  std::string GetDisplayName() const;
  // The desktop directory for the default profile, else Path.
  std::string GetPath() const;

  // Gives the profile a new title and moves its game section and card sections, in their
  // order, to the end of the file under that title. Nothing happens for the default
  // profile, an empty title or the same title; a profile that has no title yet is not
  // stored and only takes the new one. Refuses a title that CheckProfileTitle refuses, and
  // one that another section holds, letter case ignored ("Application title should be
  // unique"); card sections of the new title that no game holds are dropped first.
  void SetName(const std::string& newName);

private:
  bool Default = false;
};

}  // namespace tgl
