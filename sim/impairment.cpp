#include "impairment.h"

#include <algorithm>
#include <charconv>

#include "errors.h"

namespace vela::sim {
namespace {

long parse_value(const std::string& option, const std::string& value, long high) {
  long number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (value.empty() || error != std::errc() || end != value.data() + value.size() || number < 0 || number > high)
    throw UsageError(option + " " + value + ": expected a number from 0 to " + std::to_string(high));
  return number;
}

std::string direction_text(const char* name, const ImpairmentCounts& c) {
  return std::string(name) + " " + std::to_string(c.datagrams) + " datagrams (" + std::to_string(c.lost) + " lost, " +
         std::to_string(c.duplicated) + " duplicated, " + std::to_string(c.reordered) + " reordered)";
}

}  // namespace

bool ImpairmentSettings::active() const {
  return loss_percent > 0 || duplicate_percent > 0 || reorder_percent > 0 || delay_ms > 0 || jitter_ms > 0;
}

bool is_impairment_option(const std::string& option) {
  return option == "--loss" || option == "--duplicate" || option == "--reorder" || option == "--delay" ||
         option == "--jitter" || option == "--seed";
}

void set_impairment_option(const std::string& option, const std::string& value, ImpairmentSettings& settings) {
  constexpr long kMaxMs = 60000;
  if (option == "--loss") {
    settings.loss_percent = static_cast<int>(parse_value(option, value, 100));
  } else if (option == "--duplicate") {
    settings.duplicate_percent = static_cast<int>(parse_value(option, value, 100));
  } else if (option == "--reorder") {
    settings.reorder_percent = static_cast<int>(parse_value(option, value, 100));
  } else if (option == "--delay") {
    settings.delay_ms = static_cast<int>(parse_value(option, value, kMaxMs));
  } else if (option == "--jitter") {
    settings.jitter_ms = static_cast<int>(parse_value(option, value, kMaxMs));
  } else if (option == "--seed") {
    settings.seed = static_cast<std::uint64_t>(parse_value(option, value, 0x7FFFFFFF));
  }
}

Impairment::Impairment(const ImpairmentSettings& settings) : settings_(settings), random_(settings.seed) {}

// Draws even for a switch that is off, so that the other decisions stay the
// same for a seed.
bool Impairment::roll(int percent) { return static_cast<int>(random_() % 100) < percent; }

std::chrono::milliseconds Impairment::travel_time(bool held_back) {
  const auto span = static_cast<std::uint64_t>(2 * settings_.jitter_ms + 1);
  int ms = settings_.delay_ms + static_cast<int>(random_() % span) - settings_.jitter_ms;
  if (held_back) ms += kReorderHoldMs + settings_.jitter_ms;
  return std::chrono::milliseconds(std::max(ms, 0));
}

std::vector<std::chrono::milliseconds> Impairment::schedule() {
  ++counts_.datagrams;
  const bool lost = roll(settings_.loss_percent);
  const bool duplicated = roll(settings_.duplicate_percent);
  const bool reordered = roll(settings_.reorder_percent);
  const std::chrono::milliseconds first = travel_time(reordered);
  const std::chrono::milliseconds second = travel_time(false);
  if (lost) {
    ++counts_.lost;
    return {};
  }
  if (reordered) ++counts_.reordered;
  if (!duplicated) return {first};
  ++counts_.duplicated;
  return {first, second};
}

LinkImpairment::LinkImpairment(const ImpairmentSettings& settings)
    : received(settings), sent([&settings] {
        ImpairmentSettings other = settings;
        other.seed = settings.seed ^ 0x9E3779B97F4A7C15ULL;
        return other;
      }()) {}

std::string LinkImpairment::summary() const {
  return "impairment: " + direction_text("received", received.counts()) + "; " + direction_text("sent", sent.counts());
}

void pass_through(EventLoop& loop, Impairment* impairment, const std::function<void()>& action) {
  if (impairment == nullptr) {
    action();
    return;
  }
  for (const std::chrono::milliseconds at : impairment->schedule()) {
    if (at.count() == 0) {
      action();
    } else {
      loop.add_timer(at, action);
    }
  }
}

}  // namespace vela::sim
