#pragma once
// A lossy network between the panel and the simulated devices, since the
// kernel here cannot make one: each UDP datagram, received or sent, may be
// lost, duplicated, held back behind later ones (reordered) or delayed with
// jitter. Decisions come from a seeded generator, so a run can be repeated.
#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "event_loop.h"

namespace vela::sim {

struct ImpairmentSettings {
  int loss_percent = 0;
  int duplicate_percent = 0;
  int reorder_percent = 0;
  int delay_ms = 0;   // every datagram, each direction
  int jitter_ms = 0;  // +- around the delay
  std::uint64_t seed = 1;

  bool active() const;
};

// A reordered datagram is held back this much longer than the others, so
// that what follows it soon overtakes it.
inline constexpr int kReorderHoldMs = 40;

// True for the command-line switches that set these (--loss PCT,
// --duplicate PCT, --reorder PCT, --delay MS, --jitter MS, --seed N).
bool is_impairment_option(const std::string& option);
// Throws UsageError for a value out of range.
void set_impairment_option(const std::string& option, const std::string& value, ImpairmentSettings& settings);

struct ImpairmentCounts {
  std::uint64_t datagrams = 0;
  std::uint64_t lost = 0;
  std::uint64_t duplicated = 0;
  std::uint64_t reordered = 0;
};

class Impairment {
 public:
  explicit Impairment(const ImpairmentSettings& settings);

  // When each copy of one datagram goes on after it was handed over: none
  // when it is lost, two when it is duplicated.
  std::vector<std::chrono::milliseconds> schedule();
  const ImpairmentCounts& counts() const { return counts_; }

 private:
  bool roll(int percent);
  std::chrono::milliseconds travel_time(bool held_back);

  ImpairmentSettings settings_;
  std::mt19937_64 random_;
  ImpairmentCounts counts_;
};

// Both directions of every simulated UDP device, each with its own
// generator.
struct LinkImpairment {
  explicit LinkImpairment(const ImpairmentSettings& settings);

  Impairment received;  // requests on their way to the devices
  Impairment sent;      // answers on their way back

  // "impairment: received N datagrams (L lost, D duplicated, R reordered);
  // sent ..."
  std::string summary() const;
};

// Runs `action` once per copy that survives, on time, from the loop; without
// an impairment at once.
void pass_through(EventLoop& loop, Impairment* impairment, const std::function<void()>& action);

}  // namespace vela::sim
