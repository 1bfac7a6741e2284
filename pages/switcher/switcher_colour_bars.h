#pragma once
// The red, green and blue rows of both keyer sub-pages: a caption, a track
// bar of 0..255 and a read-only edit showing the value ("%02d").
#include <array>

class QLineEdit;
class QWidget;

namespace vela {

class TrackBar;

struct ColourBars {
  static constexpr int kChannels = 3;  // red, green, blue

  std::array<TrackBar*, kChannels> bars{};
  std::array<QLineEdit*, kChannels> edits{};

  // Makes the three rows from `first_top` down; bar ids from `first_bar_id`,
  // edit ids 1040 to 1042.
  void create(QWidget* parent, int first_bar_id, int first_top);
  // Moves the bars and the edits together, without a word to anyone.
  void show_values(int red, int green, int blue);
  void show_edit(int channel, int value);
};

}  // namespace vela
