#include "arguments.h"

#include <algorithm>
#include <cstdlib>

namespace vela::cli {

Arguments::Arguments(int argc, char** argv, int first, const std::vector<std::string>& known) {
  for (int i = first; i < argc; ++i) {
    const std::string name = argv[i];
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      error_ = "unknown option " + name;
      return;
    }
    if (i + 1 >= argc) {
      error_ = "option " + name + " needs a value";
      return;
    }
    values_[name] = argv[++i];
  }
}

std::string Arguments::text(const std::string& name, const std::string& fallback) const {
  const auto it = values_.find(name);
  return it == values_.end() ? fallback : it->second;
}

std::optional<long> Arguments::number(const std::string& name, long fallback, long low, long high) {
  const auto it = values_.find(name);
  if (it == values_.end()) return fallback;
  char* end = nullptr;
  const long value = std::strtol(it->second.c_str(), &end, 0);
  if (it->second.empty() || *end != '\0' || value < low || value > high) {
    error_ = "option " + name + " wants a number from " + std::to_string(low) + " to " + std::to_string(high);
    return std::nullopt;
  }
  return value;
}

}  // namespace vela::cli
