#include "LargeGamesFile.h"

#include <cstdio>
#include <vector>

#include "config/ResourceIniFile.h"
#include "profiles/GamesFile.h"

namespace tgl::bench {
namespace {

struct TCardFile {
  std::string Name;
  std::vector<std::string> Options;
};

// The option names of a built-in tuning definition and the one it includes.
std::vector<std::string> OptionsOf(const std::string& definition) {
  TResourceIniFile reader(definition);
  TStrings sections;
  reader.ReadSections(sections);
  std::vector<std::string> options;
  std::string include = reader.ReadString("%General%", "include", "");
  if (!include.empty()) options = OptionsOf(include);
  for (const std::string& section : sections)
    if (!section.empty() && section.front() != '%') options.push_back(section);
  return options;
}

std::vector<TCardFile> CardFiles(int count) {
  // The eight built-in definitions and one file that [FilesNT] would add on Windows 2000.
  const char* names[] = {"Voodoo3", "Vsa100", "Voodoo4", "Voodoo6000", "RagePro",
                         "Radeon",  "TNT",    "GeForce", "RadeonNT"};
  std::vector<TCardFile> files;
  for (int i = 0; i < count && i < 9; ++i) {
    std::string definition = names[i] == std::string("RadeonNT") ? "Radeon" : names[i];
    files.push_back({names[i], OptionsOf(definition)});
  }
  return files;
}

void AppendCardSection(std::string& text, const std::string& profile, const TCardFile& file,
                       int seed) {
  text.append("[").append(CardSectionName(profile, file.Name)).append("]\r\n");
  for (size_t i = 0; i < file.Options.size(); ++i)
    text += file.Options[i] + "=" + std::to_string((seed + i) % 3) + "\r\n";
  text += "\r\n";
}

}  // namespace

std::string GameTitle(int index) {
  char title[32];
  std::snprintf(title, sizeof title, "Game %04d", index);
  return title;
}

std::string LargeGamesFile(int games, int cardSectionsPerGame) {
  std::vector<TCardFile> files = CardFiles(cardSectionsPerGame);
  std::string text =
      "[%%Configuration]\r\nConfirmSaving=1\r\nOnRun=0\r\nViewStyle=0\r\nWriteLog=0\r\n\r\n";
  for (const TCardFile& file : files) AppendCardSection(text, NameOfDefaultProfile(), file, 0);
  for (int game = 0; game < games; ++game) {
    std::string title = GameTitle(game);
    text.append("[").append(title).append("]\r\nPath=C:\\Games\\").append(title);
    text.append("\\game.exe\r\nParameters=-window\r\n\r\n");
    for (const TCardFile& file : files) AppendCardSection(text, title, file, game);
  }
  return text;
}

}  // namespace tgl::bench
