#include "multiviewer/multiviewer_fields.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

#include <vector>

#include "control_id.h"
#include "drop_down_list.h"
#include "multiviewer_tables.h"
#include "skin_style.h"
#include "style_sheets.h"

namespace vela::multiviewer_fields {

QLabel* make_caption(QWidget* parent, const QString& text, const QRect& place) {
  auto* caption = new QLabel(text, parent);
  caption->setGeometry(place);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return caption;
}

DropDownList* make_list(QWidget* parent, int id, const QRect& place, const QStringList& items) {
  auto* list = new DropDownList(parent);
  set_control_id(list, id);
  list->setGeometry(place);
  list->addItems(items);
  list->setMaxVisibleItems(16);
  list->setCurrentIndex(-1);
  return list;
}

QStringList on_off_items() { return {QStringLiteral("OFF"), QStringLiteral("ON")}; }

QStringList channel_items(int count) {
  QStringList items;
  for (int channel = 1; channel <= count; ++channel) items << QString::asprintf("CH_%d", channel);
  return items;
}

QStringList colour_items() {
  QStringList items;
  for (const auto& colour : multiviewer::kColours) items << QString::fromLatin1(colour.text);
  return items;
}

namespace {

std::vector<QIcon> make_colour_swatches() {
  constexpr int kSide = 12;
  std::vector<QIcon> swatches;
  for (const auto& colour : multiviewer::kColours) {
    QPixmap swatch(kSide, kSide);
    swatch.fill(QColor(colour.preview.red, colour.preview.green, colour.preview.blue));
    QPainter p(&swatch);
    p.setPen(style::field_rim);
    p.drawRect(0, 0, kSide - 1, kSide - 1);
    p.end();
    swatches.emplace_back(swatch);
  }
  return swatches;
}

}  // namespace

void add_colour_swatches(DropDownList* list) {
  // Made once for every list: Qt keeps each icon picture it paints in its
  // pixmap cache, so pictures made anew for every list (and the colour
  // sub-page makes its lists each time it opens) would fill that cache with
  // copies of the same few squares.
  static const std::vector<QIcon> swatches = make_colour_swatches();
  for (std::size_t i = 0; i < swatches.size(); ++i) list->setItemIcon(multiviewer::kColours[i].index, swatches[i]);
}

QStringList resolution_items() {
  QStringList items;
  for (const auto& resolution : multiviewer::kResolutions) items << QString::fromLatin1(resolution.text);
  return items;
}

void select_quietly(DropDownList* list, int item) {
  const QSignalBlocker quiet(list);
  list->setCurrentIndex(item >= 0 && item < list->count() ? item : -1);
}

QString edit_field_style() {
  return QStringLiteral(
             "QLineEdit { color: %1; background: %2; border: 1px solid %3; border-radius: 3px; padding: 1px 6px;"
             " selection-background-color: %4; }"
             "QLineEdit:focus { border-color: %1; }")
      .arg(css_colour(style::accent), css_colour(style::field), css_colour(style::field_rim),
           css_colour(style::selection));
}

}  // namespace vela::multiviewer_fields
