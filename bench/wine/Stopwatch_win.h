#pragma once
// Wall-clock time from the performance counter, in milliseconds.
#include <windows.h>

namespace tgl::bench {

class TStopwatch {
public:
  TStopwatch() { ::QueryPerformanceCounter(&Start); }
  double Milliseconds() const {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(now.QuadPart - Start.QuadPart) / double(frequency.QuadPart);
  }

private:
  LARGE_INTEGER Start;
};

// The time `work` takes.
template <class TWork>
double TimeOf(TWork&& work) {
  TStopwatch stopwatch;
  work();
  return stopwatch.Milliseconds();
}

}  // namespace tgl::bench
