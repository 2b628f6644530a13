#include "CardChangeTime_win.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "RunningProgram_win.h"
#include "Stopwatch_win.h"

namespace tgl::bench {
namespace {

// The card box's control ID in the main window.
const int CardBoxId = 10;

// Picks entry `index` as a click does; every message is sent, so the program has handled it
// when the call returns. The painting of the new panel is asked for at once, not left to
// the program's next idle moment.
bool PickCard(HWND window, HWND cardBox, int index) {
  ::SendMessageA(cardBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(CardBoxId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(cardBox));
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return ::SendMessageA(cardBox, CB_GETCURSEL, 0, 0) == index;
}

}  // namespace

std::optional<TCardChangeTimes> CardChangeTimes(const std::string& exePath, int changes) {
  TRunningProgram program(exePath);
  HWND window = program.WaitForMainWindow(60000);
  HWND cardBox = window ? ::GetDlgItem(window, CardBoxId) : nullptr;
  const int cards = cardBox ? static_cast<int>(::SendMessageA(cardBox, CB_GETCOUNT, 0, 0)) : 0;
  if (cards < 2 || changes < 1) return std::nullopt;

  std::vector<double> times;
  int index = static_cast<int>(::SendMessageA(cardBox, CB_GETCURSEL, 0, 0));
  for (int i = 0; i < changes; ++i) {
    index = (index + 1) % cards;
    TStopwatch stopwatch;
    if (!PickCard(window, cardBox, index)) return std::nullopt;
    times.push_back(stopwatch.Milliseconds());
  }
  if (!program.Close()) return std::nullopt;

  TCardChangeTimes result;
  static_cast<TRepeatedTimes&>(result) = SummaryOf(std::move(times));
  result.Cards = cards;
  return result;
}

}  // namespace tgl::bench
