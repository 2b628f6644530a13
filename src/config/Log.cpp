#include "config/Log.h"

#include <string>

#include "base/StartupState.h"
#include "platform/Platform.h"

namespace tgl {

void WriteLog(std::string_view message) {
  if (Startup().LogEnabled) WriteLogAlways(message);
}

void WriteLogAlways(std::string_view message) {
  std::string line = "\r\n";
  line += message;
  Files().AppendToFile(LogFileName, line);
}

}  // namespace tgl
