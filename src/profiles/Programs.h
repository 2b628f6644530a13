#pragma once
// The list of game profiles: the default profile first, then the games in the order of
// their sections in Games.CFG; profiles added later are appended. The list owns them.
#include <memory>
#include <string_view>
#include <vector>

#include "profiles/ProgramConfig.h"

namespace tgl {

class TrlPrograms {
public:
  // Fills the list from Games.CFG.
  TrlPrograms();
  ~TrlPrograms();
  TrlPrograms(const TrlPrograms&) = delete;
  TrlPrograms& operator=(const TrlPrograms&) = delete;

  // Appends the default profile and every game section of Games.CFG; a missing file gives
  // the default profile alone.
  void Load();
  // Frees every profile, from the last to the first.
  void Clear();

  int Count() const { return static_cast<int>(Profiles.size()); }
  // Error "List index out of bounds (%d)" outside the list.
  TrlProgramConfig& Items(int index) const;
  // Takes the profile over; returns its index.
  int Add(std::unique_ptr<TrlProgramConfig> profile);
  int IndexOf(const TrlProgramConfig* profile) const;
  // The profile whose Name equals `name` with letter case ignored, as Games.CFG compares
  // section names (two such titles would share one game section), or -1.
  int IndexOfName(std::string_view name) const;
  // Erases the profile from Games.CFG, then removes and frees it.
  void Delete(int index);

private:
  std::vector<std::unique_ptr<TrlProgramConfig>> Profiles;
};

}  // namespace tgl
