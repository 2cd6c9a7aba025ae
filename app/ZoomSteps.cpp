#include "app/ZoomSteps.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 12> Steps{50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

}  // namespace

int NextZoomStep(int percent, int direction) {
  if (direction > 0) {
    const auto next = std::upper_bound(Steps.begin(), Steps.end(), percent);
    return next == Steps.end() ? std::max(percent, Steps.back()) : *next;
  }
  const auto next = std::lower_bound(Steps.begin(), Steps.end(), percent);
  return next == Steps.begin() ? std::min(percent, Steps.front()) : *(next - 1);
}
