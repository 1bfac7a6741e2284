#pragma once
// Captions, lists and their items as the multiviewer's sub-pages make them:
// one look and one set of texts for every page that offers a choice.
#include <QRect>
#include <QStringList>

class DropDownList;
class QLabel;
class QWidget;

namespace vela::multiviewer_fields {

QLabel* make_caption(QWidget* parent, const QString& text, const QRect& place);
// A list filled with `items`, nothing selected; the caller connects to its
// `activated` signal, so that only the operator's choice acts.
DropDownList* make_list(QWidget* parent, int id, const QRect& place, const QStringList& items);

// "OFF", "ON".
QStringList on_off_items();
// "CH_1" to "CH_<count>".
QStringList channel_items(int count);
// The colour names of the colour table, in table order.
QStringList colour_items();
// A small sample of each colour beside its name in a list of colour_items.
void add_colour_swatches(DropDownList* list);
// The texts of the resolution table, in list order.
QStringList resolution_items();

// Selects `item` without anyone hearing of it (-1 selects nothing).
void select_quietly(DropDownList* list, int item);

// Edit fields in the page colours: accent text on the field grey.
QString edit_field_style();

}  // namespace vela::multiviewer_fields
