#pragma once
// Simulated production switcher (0xA5). It applies every switcher command to
// a record of its own and acknowledges camera names as its names= switch
// says (accept, refuse or stay silent); nothing else is answered.
#include <array>
#include <cstdint>
#include <string>

#include "device.h"

namespace vela::sim {

struct SwitcherDeviceState {
  std::uint8_t program = 0;  // bus source numbers, 0 = none
  std::uint8_t preview = 0;
  std::uint8_t transition_direction = 0;  // of the last transition position
  std::uint8_t transition_value = 0;      // 1..128; 128 completed it
  std::uint8_t fade_to_black = 0;
  std::uint8_t pip = 0;
  std::uint8_t on_air = 0;
  std::uint8_t background = 0;
  std::uint8_t key1 = 0;
  std::uint8_t key2 = 0;
  std::uint8_t transition_type = 0;  // 1 mix, 2 dip, 3 wipe
  std::uint8_t wipe_pattern = 0;
  std::uint8_t luma_key_source = 0;
  std::uint8_t chroma_key_source = 0;
  std::uint8_t chroma_key_type = 0;
  std::array<std::uint8_t, 3> key_colour{};  // red, green, blue as last sent
  std::uint8_t pip_source = 0;
  std::uint8_t pip_border_enable = 0;
  std::uint8_t pip_border_colour = 0;
  std::uint8_t pip_border_width = 0;
  std::uint16_t pip_x = 0;
  std::uint16_t pip_y = 0;
  std::uint16_t pip_width = 0;
  std::uint8_t output_resolution = 0;
  std::array<std::uint8_t, 8> window_inputs{};     // source list index per window
  std::array<std::uint16_t, 3> slider_rates_ms{};  // rates 1 to 3
  std::array<std::u16string, 11> camera_names{};   // cameras 1 to 10, MP 1
  int transitions_completed = 0;                   // cuts, autos and lever ends

  friend bool operator==(const SwitcherDeviceState&, const SwitcherDeviceState&) = default;
};

class SwitcherDevice : public Device {
 public:
  using Device::Device;

  Answer handle(const Frame& request) override;
  std::string command_name(std::uint8_t code) const override;

  const SwitcherDeviceState& state() const { return state_; }

 private:
  // Changes the record by one command; the note says why it did not.
  std::string apply(std::uint8_t code, ByteView payload);
  std::string apply_transition_position(ByteView payload);
  std::string apply_window_input(ByteView payload);
  std::string apply_slider_rate(ByteView payload);
  Answer answer_camera_name(const Frame& request);
  void complete_transition();

  SwitcherDeviceState state_;
};

}  // namespace vela::sim
