#pragma once
// The games of a Games.CFG as a straightforward program reads them through the Windows
// profile functions: every section name with GetPrivateProfileSectionNamesA, then "Path"
// and "Parameters" of each game section with GetPrivateProfileStringA.
#include <string>
#include <vector>

namespace tgl::bench {

struct TGameEntry {
  std::string Name, Path, Parameters;
  bool operator==(const TGameEntry&) const = default;
};

std::vector<TGameEntry> GamesThroughProfileApi(const std::string& gamesFile);

}  // namespace tgl::bench
