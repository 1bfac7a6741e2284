#include "switcher/switcher_keyer_sub_page.h"

#include "drop_down_list.h"
#include "page_context.h"
#include "switcher_exchanges.h"
#include "switcher/switcher_settings_widgets.h"
#include "track_bar.h"

namespace vela {

namespace {
constexpr int kSourceRowTop = 28;
}

SwitcherKeyerSubPage::SwitcherKeyerSubPage(PageContext& context, QWidget* parent, int template_id,
                                           const KeyerControls& controls)
    : SwitcherSettingsSubPage(context, parent, template_id, controls.group_box_id), m_controls(controls) {
  const switcher_widgets::ListRow source = switcher_widgets::list_row(kSourceRowTop);
  switcher_widgets::make_caption(this, QStringLiteral("Video Source"), source.caption);
  m_source_list = switcher_widgets::make_list(this, controls.source_list_id, source.list,
                                              switcher_widgets::source_list_items(switcher::SourceListStyle::spaced));
  connect(m_source_list, &QComboBox::activated, this, &SwitcherKeyerSubPage::on_source_chosen);

  m_bars.create(this, controls.first_bar_id, controls.first_bar_top);
  for (int c = 0; c < ColourBars::kChannels; ++c) {
    connect(m_bars.bars[c], &TrackBar::released_by_mouse, this, [this, c](int position) { on_released(c, position); });
  }
}

void SwitcherKeyerSubPage::on_source_chosen(int index) {
  if (index < 0) return;
  m_context.switcher().*m_controls.source_field = static_cast<std::uint8_t>(index);
  const std::uint8_t payload[] = {static_cast<std::uint8_t>(index)};
  switcher_exchanges::send(m_context.m_link, m_controls.source_code, payload);
}

void SwitcherKeyerSubPage::send_colour(PageContext& context, int channel, int position) {
  const std::uint8_t payload[] = {static_cast<std::uint8_t>(position)};
  switcher_exchanges::send(context.m_link, switcher::key_colour_code(channel), payload);
  m_bars.show_edit(channel, position);
}

}  // namespace vela
