#include "text_recorders.h"

#include <algorithm>
#include <utility>

namespace vela::test {

void TextRecord::add(const std::string& text) {
  std::lock_guard lock(mutex_);
  lines_.push_back(text);
}

std::vector<std::string> TextRecord::lines() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

std::vector<std::string> TextRecord::take() {
  std::lock_guard lock(mutex_);
  return std::exchange(lines_, {});
}

std::size_t TextRecord::count(const std::string& text) const {
  std::lock_guard lock(mutex_);
  return static_cast<std::size_t>(std::count(lines_.begin(), lines_.end(), text));
}

void TextRecord::clear() { take(); }

}  // namespace vela::test
