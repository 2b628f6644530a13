#include "config/Log.h"

#include <string>

#include "base/StartupState.h"
#include "platform/Platform.h"

namespace tgl {

void WriteLog(std::string_view message) {
  if (!Startup().LogEnabled) return;
  std::string line = "\r\n";
  line += message;
  Files().AppendToFile(LogFileName, line);
}

}  // namespace tgl
