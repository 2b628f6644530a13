#pragma once
// How long TesmoraGL.exe takes from its start until its main window is on the screen, with
// whatever Games.CFG lies beside it: the median of a few starts, each ended by closing the
// window. Needs a display.
#include <optional>
#include <string>

namespace tgl::bench {

// nullopt when the window did not appear within 60 seconds or the program did not end.
// `windowClass` names the class of the program's main window.
std::optional<double> MedianStartupTime(const std::string& exePath, int starts,
                                        const std::string& windowClass);

}  // namespace tgl::bench
