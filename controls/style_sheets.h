#pragma once
// Style sheets shared by the dark windows, generated from the skin's colours
// so that every list, field, caption and button looks the same everywhere.
#include <QColor>
#include <QString>

namespace vela {

// A colour as style sheets write it: "rgb(r,g,b)", or "rgba(r,g,b,a)" when
// it is not opaque.
QString css_colour(const QColor& colour);

// Drop-down lists: accent text on the field grey, the accent rim on hover.
QString drop_down_list_style();
// The IPv4 address field's box and parts; a red rim while it refuses input.
// The field applies it to itself.
QString ipv4_address_edit_style();
// Captions of fields: labels with the property caption=true.
QString caption_label_style();
// Push buttons in the dark skin: light caption on a dark key.
QString push_button_style();

}  // namespace vela
