#include "switcher/switcher_colour_bars.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "switcher/switcher_settings_widgets.h"
#include "track_bar.h"

namespace vela {

namespace {
constexpr int kFirstEditId = 1040;
constexpr int kColourMaximum = 255;
constexpr int kRowPitch = 64;
const char* const kChannelCaptions[ColourBars::kChannels] = {"Red", "Green", "Blue"};
}  // namespace

void ColourBars::create(QWidget* parent, int first_bar_id, int first_top) {
  for (int c = 0; c < kChannels; ++c) {
    const switcher_widgets::BarRow row = switcher_widgets::bar_row(first_top + c * kRowPitch);
    switcher_widgets::make_caption(parent, QString::fromLatin1(kChannelCaptions[c]), row.caption);
    edits[c] = switcher_widgets::make_value_edit(parent, kFirstEditId + c, row.edit, QString());
    bars[c] = switcher_widgets::make_track_bar(parent, first_bar_id + c, row.bar, kColourMaximum);
  }
}

void ColourBars::show_values(int red, int green, int blue) {
  const int values[kChannels] = {red, green, blue};
  for (int c = 0; c < kChannels; ++c) {
    const QSignalBlocker quiet(bars[c]);
    bars[c]->setValue(values[c]);
    show_edit(c, bars[c]->value());
  }
}

void ColourBars::show_edit(int channel, int value) { edits[channel]->setText(QString::asprintf("%02d", value)); }

}  // namespace vela
