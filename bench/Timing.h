#pragma once
// Timing helpers shared by the benchmarks.

#include <algorithm>
#include <chrono>
#include <vector>

using TBenchClock = std::chrono::steady_clock;

inline double Milliseconds(TBenchClock::time_point from, TBenchClock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// How long the action takes, in milliseconds.
template <typename TAction>
double TimeMilliseconds(TAction action) {
  auto start = TBenchClock::now();
  action();
  return Milliseconds(start, TBenchClock::now());
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
