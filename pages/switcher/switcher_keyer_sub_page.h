#pragma once
// What the luma and chroma key sub-pages share: the key's "Video Source"
// list, sent with the keyer's own command, and the red, green and blue rows
// whose values go out (as key red, green and blue) when a bar is let go.
#include <cstdint>

#include "switcher/switcher_colour_bars.h"
#include "switcher/switcher_settings_sub_page.h"
#include "switcher_state.h"

class QComboBox;

namespace vela {

class PageContext;

struct KeyerControls {
  int group_box_id;
  int source_list_id;
  std::uint8_t source_code;                   // the keyer's source command
  std::uint8_t SwitcherState::*source_field;  // where the chosen source is kept
  int first_bar_id;
  int first_bar_top;
};

class SwitcherKeyerSubPage : public SwitcherSettingsSubPage {
  Q_OBJECT
 public:
  QComboBox* source_list() const { return m_source_list; }
  const ColourBars& colour_bars() const { return m_bars; }

 protected:
  SwitcherKeyerSubPage(PageContext& context, QWidget* parent, int template_id, const KeyerControls& controls);

  // The bar of `channel` was let go at `position`: store, send, show.
  virtual void on_released(int channel, int position) = 0;
  // Sends key red, green or blue and shows the value in the channel's edit.
  void send_colour(PageContext& context, int channel, int position);
  ColourBars& bars() { return m_bars; }

 private:
  void on_source_chosen(int index);

  KeyerControls m_controls;
  QComboBox* m_source_list = nullptr;
  ColourBars m_bars;
};

}  // namespace vela
