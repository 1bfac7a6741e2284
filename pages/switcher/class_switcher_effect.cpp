#include "switcher/class_switcher_effect.h"

#include "drop_down_list.h"
#include "page_context.h"
#include "switcher/switcher_link.h"
#include "switcher/switcher_settings_widgets.h"
#include "track_bar.h"

namespace {

namespace sw = vela::switcher;
namespace widgets = vela::switcher_widgets;

constexpr int kGroupBoxId = 1168;
constexpr int kSourceListId = 1174;
constexpr int kFirstBarId = 1175;
constexpr int kStartValue = 16;
constexpr int kSourceRowTop = 28;
constexpr int kFirstBarRowTop = 106;

}  // namespace

CClass_switcher_effect::CClass_switcher_effect(QWidget* parent)
    : SwitcherSettingsSubPage(parent, kTemplateId, kGroupBoxId) {
  const widgets::ListRow source = widgets::list_row(kSourceRowTop);
  widgets::make_caption(this, QStringLiteral("Video Source"), source.caption);
  m_source_list =
      widgets::make_list(this, kSourceListId, source.list, widgets::source_list_items(sw::SourceListStyle::spaced));
  connect(m_source_list, &QComboBox::activated, this, &CClass_switcher_effect::on_source_chosen);

  m_bars.create(this, kFirstBarId, kFirstBarRowTop);
  m_bars.show_values(kStartValue, kStartValue, kStartValue);
  for (int c = 0; c < vela::ColourBars::kChannels; ++c) {
    connect(m_bars.bars[c], &vela::TrackBar::released_by_mouse, this,
            [this, c](int position) { on_released(c, position); });
  }
}

void CClass_switcher_effect::on_source_chosen(int index) {
  vela::PageContext* context = vela::page_context();
  if (context == nullptr || index < 0) return;
  context->m_switcher.luma_key_source = static_cast<std::uint8_t>(index);
  const std::uint8_t payload[] = {static_cast<std::uint8_t>(index)};
  vela::switcher_link::send(*context, sw::code::kLumaKeySource, payload);
}

void CClass_switcher_effect::on_released(int channel, int position) {
  vela::PageContext* context = vela::page_context();
  if (context == nullptr) return;
  const auto value = static_cast<std::uint8_t>(position);
  sw::set_luma_channel(context->m_switcher, channel, value);
  const std::uint8_t payload[] = {value};
  vela::switcher_link::send(*context, sw::key_colour_code(channel), payload);
  m_bars.show_edit(channel, position);
}
