#pragma once
// The shell's special folders through shell32.
#include "platform/ShellFolders.h"

namespace tgl {

class TWin32ShellFolders : public TShellFolders {
public:
  std::string DesktopPath() const override;
};

}  // namespace tgl
