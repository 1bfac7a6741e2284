#pragma once
// The production switcher's state record and camera names, kept by the main
// window for the whole run. The panel never reads the switcher's state back:
// this record is its own picture of it, changed as the operator acts.
#include <array>
#include <cstdint>
#include <string>

namespace vela {

// Bus source numbers (program and preview buses): 1..10 cameras, 11 BLK,
// 12 MP1; 0 is no source.
namespace bus_source {
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kBlack = 11;
inline constexpr std::uint8_t kMp1 = 12;
}  // namespace bus_source

// Source list indices (keyer, PIP and window input lists): 0..9 cameras,
// 10 MP.
namespace source_list {
inline constexpr std::uint8_t kMp = 10;
inline constexpr int kCount = 11;
}  // namespace source_list

// Which layer button is lit.
enum class SwitcherLayer : std::uint8_t { None = 0, Pip = 1, Key1 = 2, Key2 = 3 };
// The selected transition.
enum class TransitionType : std::uint8_t { None = 0, Mix = 1, Dip = 2, Wipe = 3 };
// The settings sub-page shown beside the buses.
enum class SettingsSubPage : std::uint8_t { Transition = 0, LumaKey = 1, ChromaKey = 2, Pip = 3 };

struct SwitcherState {
  std::uint8_t program_source = bus_source::kNone;
  std::uint8_t preview_source = bus_source::kNone;
  std::uint8_t transition_position = 0;   // 0..129
  std::uint8_t transition_direction = 1;  // which lever end completes the next transition
  std::uint8_t pip_flag = 0;
  std::uint8_t on_air_flag = 0;
  std::uint8_t background_flag = 0;
  std::uint8_t key1_flag = 0;
  std::uint8_t key2_flag = 0;
  SwitcherLayer lit_layer = SwitcherLayer::None;
  TransitionType transition_type = TransitionType::None;
  std::uint8_t fade_to_black_flag = 0;
  std::uint8_t transition_running = 0;
  SettingsSubPage settings_sub_page = SettingsSubPage::Transition;

  std::uint8_t wipe_pattern = 0;  // 0..8

  std::uint8_t luma_key_source = 0;  // source list index
  std::uint8_t luma_key_red = 0;
  std::uint8_t luma_key_green = 0;
  std::uint8_t luma_key_blue = 0;

  // The chroma key keeps one colour per key type (0 blue, 1 green).
  std::uint8_t chroma_key_source = 0;  // source list index
  std::uint8_t chroma_key_type = 0;
  std::array<std::uint8_t, 2> chroma_key_red{};
  std::array<std::uint8_t, 2> chroma_key_green{};
  std::array<std::uint8_t, 2> chroma_key_blue{};

  std::uint8_t pip_source = 0;         // source list index
  std::uint8_t pip_border_enable = 0;  // 0 disable, 1 enable
  std::uint8_t pip_border_colour = 0;  // 0 White, 1 Red, 2 Blue, 3 Green
  std::uint8_t pip_border_width = 0;   // 0..15
  std::uint16_t pip_x = 0;
  std::uint16_t pip_y = 0;
  std::uint16_t pip_width = 0;

  bool operator==(const SwitcherState&) const = default;
};

// Cameras 1 to 10 and "MP 1"; each is replaced by its field's text just
// before it is sent.
inline constexpr int kCameraNameCount = 11;
using CameraNames = std::array<std::u16string, kCameraNameCount>;

}  // namespace vela
