#pragma once
// The shell's special folders that the core needs.
#include <string>

namespace tgl {

class TShellFolders {
public:
  virtual ~TShellFolders() = default;
  // Full path of the user's desktop directory; empty when the shell cannot tell.
  virtual std::string DesktopPath() const = 0;
};

}  // namespace tgl
