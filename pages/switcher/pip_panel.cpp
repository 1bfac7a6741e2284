#include "switcher/pip_panel.h"

#include <QLabel>
#include <QLineEdit>

#include "drop_down_list.h"
#include "page_context.h"
#include "switcher_exchanges.h"
#include "switcher/switcher_settings_widgets.h"
#include "track_bar.h"

namespace {

namespace sw = vela::switcher;
namespace widgets = vela::switcher_widgets;

constexpr int kGroupBoxId = 1169;
constexpr int kFirstListTop = 24;
constexpr int kListPitch = 48;
constexpr int kFirstBarTop = 222;
constexpr int kBarPitch = 54;
constexpr int kHeightBarId = 1173;
constexpr int kHeightMaximum = 1080;
constexpr int kHeightTick = 9;

struct ListInfo {
  int id;
  const char* caption;
  std::uint8_t code;
};
constexpr ListInfo kLists[PipPanel::kListCount] = {
    {1183, "Video Source", sw::code::kPipSource},
    {1180, "Border Enable", sw::code::kPipBorderEnable},
    {1181, "Border Color", sw::code::kPipBorderColour},
    {1182, "Border Width", sw::code::kPipBorderWidth},
};

struct WindowValueInfo {
  int bar_id;
  int edit_id;
  const char* caption;
};
constexpr WindowValueInfo kWindowValues[PipPanel::kWindowValueCount] = {
    {1170, 1040, "Window X Pos"},
    {1171, 1041, "Window Y Pos"},
    {1172, 1042, "Window Width"},
};

QStringList list_items(int list) {
  QStringList items;
  switch (list) {
    case 0:
      return widgets::source_list_items(sw::SourceListStyle::spaced);
    case 1:
      for (const char* name : sw::kBorderEnableNames) items << QString::fromLatin1(name);
      return items;
    case 2:
      for (const char* name : sw::kBorderColourNames) items << QString::fromLatin1(name);
      return items;
    default:
      return widgets::numbered_items(sw::kBorderWidthCount);
  }
}

std::uint8_t& list_field(vela::SwitcherState& state, int list) {
  switch (list) {
    case 0:
      return state.pip_source;
    case 1:
      return state.pip_border_enable;
    case 2:
      return state.pip_border_colour;
    default:
      return state.pip_border_width;
  }
}

std::uint16_t& window_field(vela::SwitcherState& state, int value_index) {
  return value_index == 0 ? state.pip_x : value_index == 1 ? state.pip_y : state.pip_width;
}

}  // namespace

PipPanel::PipPanel(vela::PageContext& context, QWidget* parent)
    : SwitcherSettingsSubPage(context, parent, kTemplateId, kGroupBoxId) {
  for (int i = 0; i < kListCount; ++i) {
    const widgets::ListRow row = widgets::list_row(kFirstListTop + i * kListPitch);
    widgets::make_caption(this, QString::fromLatin1(kLists[i].caption), row.caption);
    m_lists[i] = widgets::make_list(this, kLists[i].id, row.list, list_items(i));
    connect(m_lists[i], &QComboBox::activated, this, [this, i](int index) { on_list_chosen(i, index); });
  }
  for (int v = 0; v < kWindowValueCount; ++v) {
    const widgets::BarRow row = widgets::bar_row(kFirstBarTop + v * kBarPitch);
    widgets::make_caption(this, QString::fromLatin1(kWindowValues[v].caption), row.caption);
    m_edits[v] = widgets::make_value_edit(this, kWindowValues[v].edit_id, row.edit, QStringLiteral("0"));
    m_bars[v] = widgets::make_track_bar(this, kWindowValues[v].bar_id, row.bar, sw::kPipBarMaximum);
    connect(m_bars[v], &vela::TrackBar::released_by_mouse, this, [this, v](int position) { on_released(v, position); });
  }
  // The window height has a bar of its own that is never shown and sends nothing.
  const widgets::BarRow hidden = widgets::bar_row(kFirstBarTop + kWindowValueCount * kBarPitch);
  widgets::make_caption(this, QStringLiteral("Window Height"), hidden.caption)->hide();
  m_height_bar = widgets::make_track_bar(this, kHeightBarId, hidden.bar, kHeightMaximum, kHeightTick);
  m_height_bar->hide();
}

void PipPanel::on_list_chosen(int list, int index) {
  if (index < 0) return;
  list_field(m_context.switcher(), list) = static_cast<std::uint8_t>(index);
  const std::uint8_t payload[] = {static_cast<std::uint8_t>(index)};
  vela::switcher_exchanges::send(m_context.m_link, kLists[list].code, payload);
}

void PipPanel::on_released(int value_index, int position) {
  const auto value = static_cast<std::uint16_t>(position * sw::kPipScales[value_index]);
  window_field(m_context.switcher(), value_index) = value;
  vela::switcher_exchanges::send(m_context.m_link, sw::kPipCodes[value_index], sw::u16_payload(value));
  m_edits[value_index]->setText(QString::number(value));
}
