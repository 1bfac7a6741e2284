#include "switcher/wipe_pattern_panel.h"

#include "skin_button.h"
#include "control_id.h"
#include "page_context.h"
#include "switcher_exchanges.h"
#include "switcher/switcher_settings_bitmaps.h"
#include "switcher_protocol.h"

namespace {
constexpr int kGroupBoxId = 1167;
}

WipePatternPanel::WipePatternPanel(vela::PageContext& context, QWidget* parent)
    : SwitcherSettingsSubPage(context, parent, kTemplateId, kGroupBoxId) {
  vela::register_switcher_settings_bitmaps();
  // The sub-page always opens on pattern 0, whatever the switcher uses.
  context.switcher().wipe_pattern = 0;
  for (int t = 0; t < kPatternCount; ++t) {
    const vela::WipePattern& pattern = vela::kWipePatterns[static_cast<std::size_t>(t)];
    auto* button = new SkinButton(this);
    vela::set_control_id(button, pattern.control_id);
    button->setup_skinned(QRect(pattern.place, vela::kWipePatternSize),
                          t == 0 ? pattern.lit_bitmap : pattern.normal_bitmap);
    connect(button, &QAbstractButton::clicked, this, [this, t] { on_pattern(t); });
    m_pattern_buttons[static_cast<std::size_t>(t)] = button;
  }
}

void WipePatternPanel::on_pattern(int t) {
  vela::SwitcherState& state = m_context.switcher();
  if (t == state.wipe_pattern) return;
  if (state.wipe_pattern < kPatternCount) {
    pattern_button(state.wipe_pattern)->set_bitmap(vela::kWipePatterns[state.wipe_pattern].normal_bitmap);
  }
  pattern_button(t)->set_bitmap(vela::kWipePatterns[static_cast<std::size_t>(t)].lit_bitmap);
  state.wipe_pattern = static_cast<std::uint8_t>(t);
  const std::uint8_t payload[] = {state.wipe_pattern};
  vela::switcher_exchanges::send(m_context.m_link, vela::switcher::code::kWipePattern, payload);
}
