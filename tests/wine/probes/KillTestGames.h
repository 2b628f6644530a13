#pragma once
// The two Games.CFG contents that the kill test's writer puts in each other's place
// (gameswriter.exe, killprobe.exe): a quarter of a megabyte of games, large enough that a
// kill can land while the file is written, whose every value is made of one fill letter so
// that a mix of the two shows wherever it lies.
#include <cstdio>
#include <string>

namespace tgl::probes {

inline constexpr int KillTestGameCount = 1800;

inline std::string KillTestGameTitle(int index) {
  char title[16];
  std::snprintf(title, sizeof title, "Game %04d", index);
  return title;
}

inline std::string KillTestPath(char fill) {
  std::string path = "C:\\Games\\";
  path.append(96, fill);
  return path.append("\\game.exe");
}

inline std::string KillTestParameters(char fill) { return std::string("-").append(8, fill); }

// The file as the writer's edit leaves it, byte for byte.
inline std::string KillTestGames(char fill) {
  std::string text;
  for (int index = 0; index < KillTestGameCount; ++index) {
    text.append("[").append(KillTestGameTitle(index)).append("]\r\nPath=");
    text.append(KillTestPath(fill)).append("\r\nParameters=");
    text.append(KillTestParameters(fill)).append("\r\n");
  }
  return text;
}

}  // namespace tgl::probes
