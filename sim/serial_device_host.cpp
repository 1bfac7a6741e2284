#include "serial_device_host.h"

#include <poll.h>

#include "reply_delivery.h"

namespace vela::sim {

SerialDeviceHost::SerialDeviceHost(EventLoop& loop, FrameLog& log, std::unique_ptr<Device> device,
                                   const std::optional<std::string>& link_path)
    : loop_(loop), log_(log), device_(std::move(device)) {
  if (link_path) link_.emplace(pty_.slave_path(), *link_path);
  loop_.watch(pty_.fd(), POLLIN, [this](short revents) { on_ready(revents); });
}

void SerialDeviceHost::on_ready(short revents) {
  if (revents & POLLOUT) write_queued();
  if (!(revents & POLLIN)) return;
  const Bytes bytes = pty_.read_available();
  if (bytes.empty()) return;
  take_pieces(reassembler_.feed(bytes));

  if (quiet_timer_) loop_.cancel_timer(*quiet_timer_);
  quiet_timer_.reset();
  if (reassembler_.has_pending()) {
    quiet_timer_ = loop_.add_timer(kQuietFlush, [this] {
      quiet_timer_.reset();
      take_pieces(reassembler_.flush());
    });
  }
}

void SerialDeviceHost::take_pieces(const std::vector<SerialPiece>& pieces) {
  const LogOrigin origin{carrier_name(Carrier::Serial), pty_.slave_path(), device_->name()};
  for (const SerialPiece& piece : pieces) {
    std::optional<Bytes> reply;
    if (piece.is_frame) {
      const Frame frame(piece.bytes);
      Answer answer = device_->handle(frame);
      log_.frame(origin, frame.bytes(), frame.code(), device_->command_name(frame.code()), answer.note);
      reply = std::move(answer.reply);
    } else {
      Answer answer = device_->handle_text(piece.bytes);
      log_.text(origin, piece.bytes, answer.note);
      reply = std::move(answer.reply);
    }
    if (reply)
      deliver(loop_, plan_transmissions(device_->config().faults, Carrier::Serial, *reply),
              [this](const Bytes& out) { send(out); });
  }
}

void SerialDeviceHost::cut_line() {
  if (!pty_.is_open()) return;
  loop_.unwatch(pty_.fd());
  if (quiet_timer_) loop_.cancel_timer(*quiet_timer_);
  quiet_timer_.reset();
  output_.clear();
  link_.reset();
  pty_.close();
}

void SerialDeviceHost::send(const Bytes& bytes) {
  if (!pty_.is_open()) return;
  output_.insert(output_.end(), bytes.begin(), bytes.end());
  write_queued();
}

void SerialDeviceHost::write_queued() {
  const std::optional<std::size_t> written = pty_.write_some(output_);
  if (!written) {
    output_.clear();  // the terminal failed; what was queued is lost
  } else {
    output_.erase(output_.begin(), output_.begin() + static_cast<long>(*written));
  }
  loop_.set_events(pty_.fd(), output_.empty() ? POLLIN : POLLIN | POLLOUT);
}

}  // namespace vela::sim
