#include "style_sheets.h"

#include "skin_style.h"

namespace vela {

QString css_colour(const QColor& colour) {
  if (colour.alpha() == 255)
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
  return QStringLiteral("rgba(%1,%2,%3,%4)")
      .arg(colour.red())
      .arg(colour.green())
      .arg(colour.blue())
      .arg(colour.alpha());
}

namespace {
QString dimmed_accent() { return css_colour(style::translucent(style::accent, style::disabled_alpha)); }
}  // namespace

QString drop_down_list_style() {
  return QStringLiteral(
             "QComboBox { color: %1; background: %2; border: 1px solid %3; border-radius: 3px; padding: 2px 8px; }"
             "QComboBox:hover { border-color: %1; }"
             "QComboBox:disabled { color: %4; background: %5; border-color: %6; }"
             "QComboBox::drop-down { width: 24px; border-left: 1px solid %3; }"
             "QComboBox::down-arrow { image: none; }"
             "QComboBox QAbstractItemView { color: %1; background: %2;"
             " selection-background-color: %7; selection-color: %8; outline: 0; }")
      .arg(css_colour(style::accent), css_colour(style::field), css_colour(style::field_rim), dimmed_accent(),
           css_colour(style::field_disabled), css_colour(style::field_rim_disabled), css_colour(style::selection),
           css_colour(style::white));
}

QString ipv4_address_edit_style() {
  return QStringLiteral(
             "Ipv4AddressEdit { background: %1; border: 1px solid %2; border-radius: 3px; }"
             "Ipv4AddressEdit:disabled { background: %3; border-color: %4; }"
             "Ipv4AddressEdit[refused=\"true\"] { border-color: %5; }"
             "Ipv4AddressEdit QLineEdit, Ipv4AddressEdit QLabel { color: %6; background: transparent;"
             " border: none; selection-background-color: %7; }"
             "Ipv4AddressEdit QLineEdit:disabled, Ipv4AddressEdit QLabel:disabled { color: %8; }")
      .arg(css_colour(style::field), css_colour(style::field_rim), css_colour(style::field_disabled),
           css_colour(style::field_rim_disabled), css_colour(style::refused), css_colour(style::accent),
           css_colour(style::selection), dimmed_accent());
}

QString caption_label_style() {
  return QStringLiteral(
             "QLabel[caption=\"true\"] { color: %1; background: %2; border-radius: 3px; padding: 0 9px;"
             " font-weight: bold; }")
      .arg(css_colour(style::accent), css_colour(style::field));
}

QString push_button_style() {
  return QStringLiteral(
             "QPushButton { color: %1; border: 1px solid %2; border-radius: 4px;"
             " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %3, stop:1 %4);"
             " font-weight: bold; padding: 4px 14px; }"
             "QPushButton:hover { border-color: %5; }"
             "QPushButton:pressed { background: %6; }"
             "QPushButton:disabled { color: %7; background: %8; border-color: %9; }")
      .arg(css_colour(style::caption), css_colour(style::face_rim), css_colour(style::face_top),
           css_colour(style::face_bottom), css_colour(style::accent), css_colour(style::selection),
           css_colour(style::caption_faint), css_colour(style::key_disabled), css_colour(style::key_rim_disabled));
}

}  // namespace vela
