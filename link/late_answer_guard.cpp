#include "late_answer_guard.h"

namespace vela {

void LateAnswerGuard::exchange_ended(const ReadKey& key, std::int64_t now) {
  std::erase_if(quiet_, [&](const Quiet& q) { return q.until < now || q.key == key; });
  quiet_.push_back({key, now + kLateAnswerQuietMs});
}

int LateAnswerGuard::hold_off_ms(const ReadKey& key, std::int64_t now) const {
  for (const Quiet& q : quiet_) {
    if (q.key == key && q.until >= now) return static_cast<int>(q.until - now + 1);
  }
  return 0;
}

}  // namespace vela
