#pragma once
// Keeps a late answer from being taken as the answer to a later request.
//
// An answer carries nothing that ties it to its request, and every socket
// listens on the same local port, so an answer that comes after its reply
// window (a slow network, a copy made on the way) would be taken by the next
// request of the same read, which then shows an older state than the device
// confirmed last. What the link cannot tell apart by content it keeps apart
// in time: after each exchange (answered, or its window run out), the same
// read to the same device is held back for a quiet second, and whatever
// arrives meanwhile is thrown away. A device on the local network answers
// within milliseconds; the second covers answers held up far beyond any
// reply window. Other reads, and the same read to other devices, go at once.
#include <cstdint>
#include <string>
#include <vector>

namespace vela {

// One read to one device: where the request goes and which answers it takes.
struct ReadKey {
  std::string device;  // destination address text
  int rule = 0;        // reply rule
  std::uint8_t code = 0;
  bool operator==(const ReadKey&) const = default;
};

// How long answers to an ended exchange may still come in.
inline constexpr int kLateAnswerQuietMs = 1000;

class LateAnswerGuard {
 public:
  // An exchange of `key` ended at tick `now`; answers to it may still come
  // in for another kLateAnswerQuietMs.
  void exchange_ended(const ReadKey& key, std::int64_t now);
  // How long a request of `key` must still wait at tick `now` (0: none).
  int hold_off_ms(const ReadKey& key, std::int64_t now) const;

 private:
  struct Quiet {
    ReadKey key;
    std::int64_t until;  // last tick an earlier answer is expected
  };
  std::vector<Quiet> quiet_;
};

}  // namespace vela
