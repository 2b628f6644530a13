#include "launch/DesktopShortcut.h"

#include <algorithm>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "launch/CommandLine.h"

namespace tgl {
namespace {

constexpr const char* DescriptionText =
    "Starts %s with its driver settings (Tesmora Game Launcher)";
constexpr const char* NoRoomText = "The folder %s leaves no room for the name of a shortcut.";
constexpr std::string_view LinkExtension = ".lnk";

// The game's folder as Explorer shows a working folder: without the last backslash, except
// for the root of a drive.
std::string WorkingFolderOf(const std::string& path) {
  size_t end = path.find_last_of("\\:");
  if (end == std::string::npos) return std::string();
  if (path[end] == ':' || end == 0 || path[end - 1] == ':') return path.substr(0, end + 1);
  return path.substr(0, end);
}

bool IsForbiddenInFileName(char c) {
  return static_cast<unsigned char>(c) < 32 ||
         std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
}

}  // namespace

TShellLink GameShortcut(const TrlProgramConfig& game, const std::string& programFile) {
  TShellLink link;
  link.Target = programFile;
  link.Arguments = ShortcutArguments(game.Name);
  link.WorkingDirectory = WorkingFolderOf(game.Path);
  link.IconFile = game.Path;
  link.IconIndex = 0;
  link.Description = Format(DescriptionText, {game.Name}).substr(0, MaxShortcutDescription);
  return link;
}

std::string ShortcutPath(const std::string& folder, const std::string& title) {
  std::string name;
  for (char c : title) name += IsForbiddenInFileName(c) ? '_' : c;
  // Windows drops blanks and dots at the end of a file name.
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  if (name.empty()) name = "Game";
  size_t room = MaxShortcutPath - std::min(MaxShortcutPath, folder.size() + LinkExtension.size());
  if (room == 0) throw EError(Format(NoRoomText, {folder}));
  if (name.size() > room) {
    name.resize(room);
    while (name.size() > 1 && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  }
  return folder + name + std::string(LinkExtension);
}

}  // namespace tgl
