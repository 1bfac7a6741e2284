#include "switcher/chroma_key_panel.h"

#include <algorithm>

#include "diagnostics.h"
#include "drop_down_list.h"
#include "page_context.h"
#include "switcher_exchanges.h"
#include "switcher/switcher_settings_widgets.h"
#include "track_bar.h"

namespace {

namespace sw = vela::switcher;
namespace widgets = vela::switcher_widgets;

constexpr vela::KeyerControls kControls{1173, 1178, sw::code::kChromaKeySource, &vela::SwitcherState::chroma_key_source,
                                        1170, 160};
constexpr int kTypeListId = 1179;
constexpr int kTypeRowTop = 84;

const char* const kChannelLines[vela::ColourBars::kChannels] = {" r = %d \n", " g = %d \n", " b = %d \n"};

// The record's key type, read safely whatever it holds.
int kept_type(const vela::SwitcherState& state) {
  return std::min<int>(state.chroma_key_type, sw::kChromaKeyTypeCount - 1);
}

}  // namespace

ChromaKeyPanel::ChromaKeyPanel(vela::PageContext& context, QWidget* parent)
    : SwitcherKeyerSubPage(context, parent, kTemplateId, kControls) {
  const widgets::ListRow type = widgets::list_row(kTypeRowTop);
  widgets::make_caption(this, QStringLiteral("Chorma Type"), type.caption);
  QStringList type_names;
  for (const char* name : sw::kChromaKeyTypeNames) type_names << QString::fromLatin1(name);
  m_type_list = widgets::make_list(this, kTypeListId, type.list, type_names);
  connect(m_type_list, &QComboBox::activated, this, &ChromaKeyPanel::on_type_chosen);

  // Both key colours start again from their presets; the page opens on the
  // key colour the record keeps, so a release is stored where it is shown.
  sw::write_chroma_presets(context.switcher());
  const int kept = kept_type(context.switcher());
  m_type_list->setCurrentIndex(kept);
  show_type_colours(kept);
}

void ChromaKeyPanel::show_type_colours(int type) {
  const sw::KeyColour colour = sw::chroma_colour(m_context.switcher(), type);
  bars().show_values(colour.red, colour.green, colour.blue);
}

void ChromaKeyPanel::on_type_chosen(int type) {
  if (type < 0 || type >= sw::kChromaKeyTypeCount) return;
  vela::diag(type == 0 ? "1 \n" : "2 \n");
  const sw::KeyColour colour = sw::chroma_colour(m_context.switcher(), type);
  for (int c = 0; c < vela::ColourBars::kChannels; ++c) vela::diag(kChannelLines[c], colour.channel(c));
  show_type_colours(type);
  m_context.switcher().chroma_key_type = static_cast<std::uint8_t>(type);
  const std::uint8_t payload[] = {static_cast<std::uint8_t>(type)};
  vela::switcher_exchanges::send(m_context.m_link, sw::code::kChromaKeyType, payload);
}

void ChromaKeyPanel::on_released(int channel, int position) {
  vela::SwitcherState& state = m_context.switcher();
  const int type = kept_type(state);
  const auto value = static_cast<std::uint8_t>(position);
  sw::set_chroma_channel(state, type, channel, value);
  send_colour(m_context, channel, position);
  vela::diag(kChannelLines[channel], sw::chroma_colour(state, type).channel(channel));
}
