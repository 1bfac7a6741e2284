#pragma once
// The parts the switcher's sub-pages and dialogs are built from: captions,
// drop-down lists that send only on the operator's choice, read-only value
// edits and track bars, each carrying its control id, in the page colours.
#include <QRect>
#include <QString>
#include <QStringList>

#include "switcher_tables.h"

class DropDownList;
class QLabel;
class QLineEdit;
class QWidget;

namespace vela {

class TrackBar;

namespace switcher_widgets {

// Captions, lists, edits and push buttons of a switcher window.
QString window_style();

QLabel* make_caption(QWidget* parent, const QString& text, const QRect& place);
// A list filled with `items`, index 0 selected.
DropDownList* make_list(QWidget* parent, int id, const QRect& place, const QStringList& items);
QStringList source_list_items(switcher::SourceListStyle style);
QStringList numbered_items(int count);
QLineEdit* make_value_edit(QWidget* parent, int id, const QRect& place, const QString& text);
TrackBar* make_track_bar(QWidget* parent, int id, const QRect& place, int maximum, int tick_interval = 1);

// Rows of a settings sub-page, from the top of the row: a caption over a
// list, or a caption with the value edit at its right over a track bar.
struct ListRow {
  QRect caption, list;
};
struct BarRow {
  QRect caption, edit, bar;
};
ListRow list_row(int top);
BarRow bar_row(int top);

}  // namespace switcher_widgets
}  // namespace vela
