#pragma once
// The UDP carrier: one socket at a time (m_command_socket_fd), prepared for the search
// or for a command to the current device, and closed again after use.
#include <netinet/in.h>

#include <cstdint>
#include <functional>
#include <string>

#include "deadline.h"
#include "device_types.h"
#include "frame.h"
#include "late_answer_guard.h"

namespace vela {

struct LinkSettings {
  std::uint16_t device_port = 7000;  // destination port of every datagram
  std::uint16_t local_port = 7000;   // local port of every socket
  std::string broadcast = "255.255.255.255";
  // The search also goes to the directed broadcast address of every network
  // of this computer. Off unless a program turns it on: a test or a demo
  // with its own broadcast address must never reach a real network.
  bool search_every_network = false;
};

// Pause after a command datagram before its socket is polled or closed.
inline constexpr int kCommandPauseMs = 10;

// Result of one non-blocking receive.
struct Received {
  enum class Kind { Nothing, Datagram, Oversized };
  Kind kind = Kind::Nothing;
  std::size_t length = 0;  // bytes in the caller's buffer (Datagram)
};

class UdpLink {
 public:
  explicit UdpLink(LinkSettings settings = {});
  ~UdpLink();
  UdpLink(const UdpLink&) = delete;
  UdpLink& operator=(const UdpLink&) = delete;

  const LinkSettings& settings() const { return settings_; }
  void set_settings(LinkSettings settings) { settings_ = std::move(settings); }

  // Socket for the broadcast search: destination = broadcast address.
  // A socket that cannot be bound is closed again (m_command_socket_fd = -1).
  bool prepare_search_socket();
  // Socket for a command to current_device (nullptr: no current device,
  // "Please choose a device" is shown and nothing is prepared). An open
  // socket is reused, but its address record is pointed at current_device
  // again. A socket that cannot be bound is closed again.
  bool prepare_command_socket(const DeviceEntry* current_device);
  // One datagram holding one whole frame, to the address record. True when
  // the whole datagram left; a failed or short send is diagnosed.
  bool send(ByteView frame);
  // The same to some other destination (the search's extra addresses).
  bool send_to(ByteView frame, const sockaddr_in& destination);
  // One non-blocking receive into buffer. A datagram larger than capacity is
  // dropped whole (Oversized) instead of being taken cut short.
  Received poll(std::uint8_t* buffer, std::size_t capacity);
  // Blocks without using CPU until a datagram waits or the window ended.
  bool wait_readable(const Deadline& until) const;
  void close();
  // Told just before an open socket closes, so that whoever winds the
  // panel down can check that nothing sends on it any more.
  void set_closing_observer(std::function<void()> observer) { closing_observer_ = std::move(observer); }

  int m_command_socket_fd = -1;
  // Destination of every datagram sent. Receiving never changes it: a reply
  // from some other host must not redirect the operator's commands.
  sockaddr_in address_record{};
  // Source of the last datagram received.
  sockaddr_in last_source{};
  std::string last_source_text() const;
  // Interface index the last datagram arrived on (search socket; 0 unknown).
  unsigned last_arrival_interface = 0;
  // Reads held back while an earlier request's answer may still arrive.
  LateAnswerGuard late_answers;

 private:
  int create_socket();
  bool bind_local(const char* failure_diagnostic);
  void point_at(const DeviceEntry& device);
  LinkSettings settings_;
  std::function<void()> closing_observer_;
};

// Dotted-decimal text of an IPv4 socket address.
std::string address_text(const sockaddr_in& address);

}  // namespace vela
