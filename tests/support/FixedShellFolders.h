#pragma once
// Shell folders at fixed paths, as a test sets them.
#include <string>

#include "platform/ShellFolders.h"

namespace tgl::test {

class TFixedShellFolders : public TShellFolders {
public:
  std::string DesktopPath() const override { return Desktop; }
  std::string Desktop = "C:\\WINDOWS\\Desktop";
};

}  // namespace tgl::test
