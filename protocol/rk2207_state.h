#pragma once
// The RK2207's state record, kept by the main window for the whole run, and
// the preview's window slots beside it.
#include <array>
#include <cstdint>

#include "provenance.h"

namespace vela {

struct Rk2207State {
  // 0 to 16; 0xFF only while a state reply is being applied.
  std::uint8_t show_mode = 0;
  // As last reported: 0 = 1080P60, 1 = 1080P50, 2 = 1080P30, 3 = 1080P25,
  // 7 = 720P60, 8 = 720P50.
  std::uint8_t output_format = 0;
  // Always 0: the preview has one frame colour.
  std::uint8_t frame_colour_selector = 0;
  // Channels (1 to 4) of the two picture-in-picture windows; 0 = none.
  std::array<std::uint8_t, 2> pip_child_ch{};
  std::uint8_t loop_state = 0;
  std::array<std::uint8_t, 8> signal_status{};
  // The show mode, and what the state reply alone reports (output format,
  // windows, loop).
  Provenance show_mode_origin;
  Provenance reported_origin;
};

// One window of a show mode on the 720 x 480 preview canvas; label is the
// window number drawn in it (0 for an empty slot).
struct WindowSlot {
  std::int32_t x = 0, y = 0, width = 0, height = 0, label = 0;
  bool drawn() const { return width > 0 && height > 0; }
  friend bool operator==(const WindowSlot&, const WindowSlot&) = default;
};
using WindowSlots = std::array<WindowSlot, 4>;

namespace rk2207 {

// Full screen with one small window (modes 7 to 10) shows the first
// channel full and moves a second window that also showed channel 1 to 2.
void apply_pip_rule(Rk2207State& record, std::uint8_t show_mode);

}  // namespace rk2207
}  // namespace vela
