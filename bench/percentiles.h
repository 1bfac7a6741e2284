#pragma once
// Percentiles of a set of measured figures (nearest rank).
#include <algorithm>
#include <cmath>
#include <vector>

namespace vela::bench {

class Percentiles {
 public:
  explicit Percentiles(std::vector<double> values) : sorted_(std::move(values)) {
    std::sort(sorted_.begin(), sorted_.end());
  }
  // The value below which `percent` of the figures lie; 0 when there are none.
  double at(double percent) const {
    if (sorted_.empty()) return 0.0;
    const double rank = std::ceil(percent / 100.0 * static_cast<double>(sorted_.size()));
    const auto index = static_cast<std::size_t>(std::clamp(rank, 1.0, static_cast<double>(sorted_.size()))) - 1;
    return sorted_[index];
  }

 private:
  std::vector<double> sorted_;
};

}  // namespace vela::bench
