#include "reply_window.h"

#include <algorithm>
#include <vector>

#include "ticks.h"
#include "trace.h"

namespace vela {
namespace {

thread_local std::vector<ReplyWindowListener*> listeners;
thread_local ReplyWindow* current_window = nullptr;

template <typename Call>
void tell_listeners(Call call) {
  // A copy: a listener may stop listening from inside its own call.
  const std::vector<ReplyWindowListener*> now = listeners;
  for (ReplyWindowListener* listener : now) call(*listener);
}

}  // namespace

ReplyWindowListening::ReplyWindowListening(ReplyWindowListener& listener) : listener_(listener) {
  listeners.push_back(&listener_);
}

ReplyWindowListening::~ReplyWindowListening() { std::erase(listeners, &listener_); }

OpenReplyWindow::OpenReplyWindow(ReplyWindowKind kind, const char* purpose, ByteView request, int window_ms,
                                 const DeviceEntry* device) {
  if (device != nullptr) window_.device = *device;
  window_.kind = kind;
  window_.purpose = purpose;
  window_.window_ms = window_ms;
  window_.opened_tick = tick_ms();
  if (request.size() > frame::kCodeOffset) {
    window_.device.type = request[frame::kTypeOffset];
    window_.device.id = request[frame::kIdOffset];
    window_.code = request[frame::kCodeOffset];
  }
  if (current_window != nullptr || listeners.empty()) return;
  announced_ = true;
  current_window = &window_;
  tell_listeners([this](ReplyWindowListener& l) { l.window_opened(window_); });
}

OpenReplyWindow::~OpenReplyWindow() { close(ReplyWindowOutcome::NothingAccepted); }

void OpenReplyWindow::found_device() {
  ++window_.found;
  if (!announced_) return;
  const int remaining =
      static_cast<int>(std::max<std::int64_t>(0, window_.opened_tick + window_.window_ms - tick_ms()));
  tell_listeners([this, remaining](ReplyWindowListener& l) { l.window_waiting(window_, remaining); });
}

void OpenReplyWindow::close(ReplyWindowOutcome outcome) {
  if (closed_) return;
  closed_ = true;
  if (outcome == ReplyWindowOutcome::NothingAccepted) protocol_trace().record_no_reply(window_);
  if (!announced_) return;
  announced_ = false;
  current_window = nullptr;
  const int elapsed = static_cast<int>(tick_ms() - window_.opened_tick);
  tell_listeners([this, outcome, elapsed](ReplyWindowListener& l) { l.window_closed(window_, outcome, elapsed); });
}

bool waiting_in_listened_window() { return current_window != nullptr; }

void report_waiting(int remaining_ms) {
  if (current_window == nullptr) return;
  const ReplyWindow& window = *current_window;
  tell_listeners([&window, remaining_ms](ReplyWindowListener& l) { l.window_waiting(window, remaining_ms); });
}

}  // namespace vela
