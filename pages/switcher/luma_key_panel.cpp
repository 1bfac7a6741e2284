#include "switcher/luma_key_panel.h"

#include "page_context.h"
#include "switcher_tables.h"

namespace {

constexpr vela::KeyerControls kControls{
    1168, 1174, vela::switcher::code::kLumaKeySource, &vela::SwitcherState::luma_key_source, 1175, 106};
constexpr int kStartValue = 16;

}  // namespace

LumaKeyPanel::LumaKeyPanel(vela::PageContext& context, QWidget* parent)
    : SwitcherKeyerSubPage(context, parent, kTemplateId, kControls) {
  bars().show_values(kStartValue, kStartValue, kStartValue);
}

void LumaKeyPanel::on_released(int channel, int position) {
  vela::switcher::set_luma_channel(m_context.switcher(), channel, static_cast<std::uint8_t>(position));
  send_colour(m_context, channel, position);
}
