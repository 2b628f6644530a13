#include "GameSwitchTime_win.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "RunningProgram_win.h"
#include "Stopwatch_win.h"

namespace tgl::bench {
namespace {

HWND GameList(HWND window) { return ::FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr); }

int SelectedItem(HWND list) {
  return static_cast<int>(
      ::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// Down, as the list takes it from the keyboard; every message is sent, so the program has
// handled the change when the call returns, and the painting is asked for at once.
bool PressDown(HWND window, HWND list, int expected) {
  ::SendMessageA(list, WM_KEYDOWN, VK_DOWN, 1);
  ::SendMessageA(list, WM_KEYUP, VK_DOWN, 0xC0000001);
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return SelectedItem(list) == expected;
}

}  // namespace

std::optional<TGameSwitchTimes> GameSwitchTimes(const std::string& exePath, int switches) {
  TRunningProgram program(exePath);
  HWND window = program.WaitForMainWindow(60000);
  HWND list = window ? GameList(window) : nullptr;
  const int games = list ? static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
  if (games < 2 || switches < 1) return std::nullopt;
  switches = std::min(switches, games - 1);
  ::SendMessageA(list, WM_SETFOCUS, 0, 0);
  int index = SelectedItem(list);
  if (index < 0 || index + switches >= games) return std::nullopt;

  std::vector<double> times;
  for (int i = 0; i < switches; ++i) {
    TStopwatch stopwatch;
    if (!PressDown(window, list, ++index)) return std::nullopt;
    times.push_back(stopwatch.Milliseconds());
  }
  if (!program.Close()) return std::nullopt;

  TGameSwitchTimes result;
  static_cast<TRepeatedTimes&>(result) = SummaryOf(std::move(times));
  result.Games = games;
  return result;
}

}  // namespace tgl::bench
