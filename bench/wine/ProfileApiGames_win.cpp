#include "ProfileApiGames_win.h"

#include <windows.h>

namespace tgl::bench {
namespace {

// The names, each ended by a zero; the buffer grows until the list fits.
std::vector<char> SectionNames(const std::string& gamesFile) {
  std::vector<char> names(65536);
  for (;;) {
    DWORD length = ::GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()),
                                                   gamesFile.c_str());
    if (length < names.size() - 2) {
      names.resize(length);
      return names;
    }
    names.resize(names.size() * 2);
  }
}

std::string ProfileString(const std::string& section, const char* key, const std::string& gamesFile) {
  char value[2048];
  DWORD length = ::GetPrivateProfileStringA(section.c_str(), key, "", value, sizeof value,
                                            gamesFile.c_str());
  return std::string(value, length);
}

}  // namespace

std::vector<TGameEntry> GamesThroughProfileApi(const std::string& gamesFile) {
  std::vector<TGameEntry> games;
  std::vector<char> names = SectionNames(gamesFile);
  for (size_t start = 0; start < names.size();) {
    std::string name(names.data() + start);
    start += name.size() + 1;
    if (name.empty() || name[0] == '%') continue;
    games.push_back({name, ProfileString(name, "Path", gamesFile),
                     ProfileString(name, "Parameters", gamesFile)});
  }
  return games;
}

}  // namespace tgl::bench
