#pragma once
// Where a part of a device record came from: read back from the device
// (and when), sent by this panel and never read back, or not known (never
// read, or the last read failed). Views draw a part that is not known as
// not known, never as the start value or another device's leftover.
#include <chrono>
#include <string>

namespace vela {

enum class Origin { NotKnown, Sent, Confirmed };

class Provenance {
 public:
  using Clock = std::chrono::system_clock;

  Origin origin() const { return m_origin; }
  bool known() const { return m_origin != Origin::NotKnown; }
  // When the device last confirmed it; meaningful only while Confirmed.
  Clock::time_point confirmed_at() const { return m_confirmed_at; }

  void confirm(Clock::time_point at = Clock::now()) {
    m_origin = Origin::Confirmed;
    m_confirmed_at = at;
  }
  void mark_sent() { m_origin = Origin::Sent; }
  void forget() { m_origin = Origin::NotKnown; }

  // "confirmed 14:02:07" (local time), "sent, not read back", "not known".
  std::string describe() const;

 private:
  Origin m_origin = Origin::NotKnown;
  Clock::time_point m_confirmed_at{};
};

}  // namespace vela
