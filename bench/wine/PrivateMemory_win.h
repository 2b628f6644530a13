#pragma once
// The private memory of a window program once its main window is up and it waits for input,
// as Task Manager counts it: TesmoraGL.exe beside whatever Games.CFG and Cards.CFG lie in
// its folder, and a minimal window program for the part Wine itself takes.
#include <optional>
#include <string>

namespace tgl::bench {

// Bytes; nullopt when the window did not show within 60 seconds or the figure was not given.
std::optional<double> PrivateMemoryOf(const std::string& exePath, const std::string& windowClass);

}  // namespace tgl::bench
