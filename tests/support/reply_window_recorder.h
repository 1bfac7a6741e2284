#pragma once
// Every reply window the test's thread opened: what for, its limit, how
// long it lasted and how it ended, for figures and for checks that each
// window closed once.
#include <algorithm>
#include <string>
#include <vector>

#include "reply_window.h"

namespace vela::test {

struct SeenWindow {
  std::string purpose;
  int window_ms = 0;
  int elapsed_ms = -1;  // -1 while open
  ReplyWindowOutcome outcome = ReplyWindowOutcome::NothingAccepted;
};

class ReplyWindowRecorder : public ReplyWindowListener {
 public:
  ReplyWindowRecorder() : listening_(*this) {}

  void window_opened(const ReplyWindow& window) override {
    windows.push_back({window.purpose, window.window_ms, -1, ReplyWindowOutcome::NothingAccepted});
  }
  void window_closed(const ReplyWindow&, ReplyWindowOutcome outcome, int elapsed_ms) override {
    windows.back().elapsed_ms = elapsed_ms;
    windows.back().outcome = outcome;
  }

  std::vector<SeenWindow> with_purpose(const std::string& purpose) const {
    std::vector<SeenWindow> found;
    std::copy_if(windows.begin(), windows.end(), std::back_inserter(found),
                 [&](const SeenWindow& w) { return w.purpose == purpose; });
    return found;
  }
  bool all_closed() const {
    return std::none_of(windows.begin(), windows.end(), [](const SeenWindow& w) { return w.elapsed_ms < 0; });
  }
  // The window that ran longest past its limit (the first when none did).
  SeenWindow longest_overrun() const {
    SeenWindow worst;
    for (const SeenWindow& w : windows)
      if (worst.elapsed_ms < 0 || w.elapsed_ms - w.window_ms > worst.elapsed_ms - worst.window_ms) worst = w;
    return worst;
  }
  // "state read 2/5 replied, longest 204 of 200 ms"
  std::string figures(const std::string& purpose) const {
    const std::vector<SeenWindow> seen = with_purpose(purpose);
    int replied = 0, longest = 0, limit = 0;
    for (const SeenWindow& w : seen) {
      replied += w.outcome == ReplyWindowOutcome::Replied;
      if (w.elapsed_ms >= longest) {
        longest = w.elapsed_ms;
        limit = w.window_ms;
      }
    }
    return purpose + " " + std::to_string(replied) + "/" + std::to_string(seen.size()) + " replied, longest " +
           std::to_string(longest) + " of " + std::to_string(limit) + " ms";
  }

  std::vector<SeenWindow> windows;

 private:
  ReplyWindowListening listening_;
};

}  // namespace vela::test
