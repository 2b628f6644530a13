#pragma once
// The figures of a run of the same measured step (a card change, a game switch): the first,
// which may make what later ones reuse, the median and the slowest.
#include <algorithm>
#include <vector>

namespace tgl::bench {

struct TRepeatedTimes {
  double First = 0;
  double Median = 0;
  double Slowest = 0;
};

// `times` in the order they were taken; at least one.
inline TRepeatedTimes SummaryOf(std::vector<double> times) {
  TRepeatedTimes summary;
  summary.First = times.front();
  std::sort(times.begin(), times.end());
  summary.Median = times[times.size() / 2];
  summary.Slowest = times.back();
  return summary;
}

}  // namespace tgl::bench
