#pragma once
// How long TesmoraGL.exe takes from its start until its main window is on the screen, with
// whatever Games.CFG lies beside it: the median of a few starts, each ended by closing the
// window. Needs a display.
//
// The hook for the card change: once the main window has its card box, a second figure
// belongs here, the time from selecting another card (CB_SETCURSEL and the CBN_SELCHANGE
// notification sent to the window) until the new panel is shown.
#include <optional>
#include <string>

namespace tgl::bench {

// nullopt when the window did not appear within 60 seconds or the program did not end.
std::optional<double> MedianStartupTime(const std::string& exePath, int starts);

}  // namespace tgl::bench
