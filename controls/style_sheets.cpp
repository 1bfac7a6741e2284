#include "style_sheets.h"

#include <initializer_list>

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

const QColor dimmed_accent = style::translucent(style::accent, style::disabled_alpha);

// The sheet with the colours, as style sheets write them, in place of %1, %2, ...
QString with_colours(const QString& sheet, std::initializer_list<QColor> colours) {
  QString filled = sheet;
  for (const QColor& colour : colours) filled = filled.arg(css_colour(colour));
  return filled;
}

}  // namespace

QString drop_down_list_style() {
  return with_colours(
      QStringLiteral(
          "QComboBox { color: %1; background: %2; border: 1px solid %3; border-radius: 3px; padding: 2px 8px; }"
          "QComboBox:hover { border-color: %1; }"
          "QComboBox:disabled { color: %4; background: %5; border-color: %6; }"
          "QComboBox::drop-down { width: 24px; border-left: 1px solid %3; }"
          "QComboBox::down-arrow { image: none; }"
          "QComboBox QAbstractItemView { color: %1; background: %2;"
          " selection-background-color: %7; selection-color: %8; outline: 0; }"),
      {style::accent, style::field, style::field_rim, dimmed_accent, style::field_disabled, style::field_rim_disabled,
       style::selection, style::white});
}

QString ipv4_address_edit_style() {
  return with_colours(
      QStringLiteral("Ipv4AddressEdit { background: %1; border: 1px solid %2; border-radius: 3px; }"
                     "Ipv4AddressEdit:disabled { background: %3; border-color: %4; }"
                     "Ipv4AddressEdit[refused=\"true\"] { border-color: %5; }"
                     "Ipv4AddressEdit QLineEdit, Ipv4AddressEdit QLabel { color: %6; background: transparent;"
                     " border: none; selection-background-color: %7; }"
                     "Ipv4AddressEdit QLineEdit:disabled, Ipv4AddressEdit QLabel:disabled { color: %8; }"),
      {style::field, style::field_rim, style::field_disabled, style::field_rim_disabled, style::refused, style::accent,
       style::selection, dimmed_accent});
}

QString caption_label_style() {
  return with_colours(
      QStringLiteral("QLabel[caption=\"true\"] { color: %1; background: %2; border-radius: 3px; padding: 0 9px;"
                     " font-weight: bold; }"),
      {style::accent, style::field});
}

QString push_button_style() {
  return with_colours(QStringLiteral("QPushButton { color: %1; border: 1px solid %2; border-radius: 4px;"
                                     " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %3, stop:1 %4);"
                                     " font-weight: bold; padding: 4px 14px; }"
                                     "QPushButton:hover { border-color: %5; }"
                                     "QPushButton:pressed { background: %6; }"
                                     "QPushButton:disabled { color: %7; background: %8; border-color: %9; }"),
                      {style::caption, style::face_rim, style::face_top, style::face_bottom, style::accent,
                       style::selection, style::caption_faint, style::key_disabled, style::key_rim_disabled});
}

}  // namespace vela
