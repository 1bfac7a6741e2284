#pragma once
// A simulated device: its identity from the command line, its state (in the family
// classes) and its answers. The host that owns the device decides how and
// when an answer travels (carrier, faults); the device only builds it.
#include <optional>
#include <string>

#include "device_config.h"
#include "frame.h"
#include "received_frame.h"
#include "window_set.h"

namespace vela::sim {

// Names of the commands every device type shares; "unknown" for the rest.
std::string common_command_name(std::uint8_t code);

// What a device does with a frame: the reply it sends, if any, and a note
// for the log when the frame was not taken as it stands (too short, a value
// out of range, a request it does not carry out).
struct Answer {
  std::optional<Bytes> reply;
  std::string note;
};

class Device {
 public:
  explicit Device(DeviceConfig config) : config_(std::move(config)) {}
  virtual ~Device() = default;
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  const DeviceConfig& config() const { return config_; }
  const std::string& name() const { return config_.name; }

  // Families handle their own codes first and pass the rest here (which
  // answers the search and notes a set-address request).
  virtual Answer handle(const Frame& request);
  // Raw text received without a frame (the matrix routing texts); the note
  // says why a text was not taken.
  virtual Answer handle_text(ByteView text);
  // The decoded command written to the log.
  virtual std::string command_name(std::uint8_t code) const { return common_command_name(code); }

  // Switched from the control channel while the simulator runs.
  void set_silent(bool silent) { config_.faults.silent = silent; }
  // False for a device without per-window signals.
  virtual bool set_signal(const WindowSet&) { return false; }

 protected:
  // A reply from this device: its own type and id, the request's link flag.
  Bytes make_reply(const Frame& request, std::uint8_t code, ByteView payload) const;
  // 0xFF reply: payload 00, then NAME-1- as the name area.
  Bytes search_reply(const Frame& request) const;

 private:
  DeviceConfig config_;
};

// The note for a payload shorter than its command needs ("" when it is long
// enough).
std::string short_payload_note(ByteView payload, std::size_t needed);

}  // namespace vela::sim
