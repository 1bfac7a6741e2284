#include "switcher/switcher_settings_widgets.h"

#include <QLabel>
#include <QLineEdit>

#include "control_id.h"
#include "drop_down_list.h"
#include "skin_style.h"
#include "style_sheets.h"
#include "track_bar.h"

namespace vela::switcher_widgets {

namespace {
// The column every sub-page row sits in, inside its group frame.
constexpr int kColumnX = 20;
constexpr int kColumnWidth = 210;
constexpr int kCaptionHeight = 18;
constexpr int kListHeight = 26;
constexpr int kEditWidth = 50;
constexpr int kEditHeight = 22;
constexpr int kBarHeight = 26;
}  // namespace

QString window_style() {
  return drop_down_list_style() + push_button_style() +
         QStringLiteral(
             "QLabel { color: %1; background: transparent; }"
             "QLineEdit { color: %1; background: %2; border: 1px solid %3; border-radius: 3px;"
             " padding: 0 4px; selection-background-color: %4; }")
             .arg(css_colour(style::accent), css_colour(style::field), css_colour(style::field_rim),
                  css_colour(style::selection));
}

QLabel* make_caption(QWidget* parent, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(place);
  return label;
}

DropDownList* make_list(QWidget* parent, int id, const QRect& place, const QStringList& items) {
  auto* list = new DropDownList(parent);
  set_control_id(list, id);
  list->setGeometry(place);
  list->addItems(items);
  list->setCurrentIndex(0);
  return list;
}

QStringList source_list_items(switcher::SourceListStyle style) {
  QStringList items;
  for (int i = 0; i < source_list::kCount; ++i) {
    items << QString::fromStdString(switcher::source_list_text(i, style));
  }
  return items;
}

QStringList numbered_items(int count) {
  QStringList items;
  for (int i = 0; i < count; ++i) items << QString::number(i);
  return items;
}

QLineEdit* make_value_edit(QWidget* parent, int id, const QRect& place, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  set_control_id(edit, id);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit->setFocusPolicy(Qt::NoFocus);
  edit->setGeometry(place);
  return edit;
}

TrackBar* make_track_bar(QWidget* parent, int id, const QRect& place, int maximum, int tick_interval) {
  auto* bar = new TrackBar(parent);
  set_control_id(bar, id);
  bar->setRange(0, maximum);
  bar->setTickInterval(tick_interval);
  bar->setGeometry(place);
  return bar;
}

ListRow list_row(int top) {
  return {QRect(kColumnX, top, kColumnWidth, kCaptionHeight),
          QRect(kColumnX, top + kCaptionHeight + 2, kColumnWidth, kListHeight)};
}

BarRow bar_row(int top) {
  return {QRect(kColumnX, top, kColumnWidth - kEditWidth - 6, kEditHeight),
          QRect(kColumnX + kColumnWidth - kEditWidth, top, kEditWidth, kEditHeight),
          QRect(kColumnX - 4, top + kEditHeight + 2, kColumnWidth + 8, kBarHeight)};
}

}  // namespace vela::switcher_widgets
