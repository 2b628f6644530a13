#pragma once
// The diagnostic log "TesmoraGL.Log" in the current working directory: each message is
// written as CR LF followed by its text, opened and closed for every message so the log is
// complete up to the last line even if the program stops abruptly.
#include <string_view>

namespace tgl {

inline constexpr const char* LogFileName = "TesmoraGL.Log";

void WriteLog(std::string_view message);
// The same line while the log is off as well: for the few events whose messages send the
// user to the log.
void WriteLogAlways(std::string_view message);

}  // namespace tgl
