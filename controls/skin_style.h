#pragma once

#include <QColor>
#include <QString>

// The colours of the dark broadcast skin. Every drawer takes its colours from
// here so that the whole program has one look. None of them is pure black:
// in button pictures pure black means "transparent".
namespace vela::style {

// Window surfaces.
inline const QColor surface_top{0x22, 0x25, 0x2b};
inline const QColor surface_bottom{0x1a, 0x1c, 0x21};
inline const QColor band{0x13, 0x15, 0x19};      // header and status strips
inline const QColor hairline{0x2e, 0x33, 0x3b};  // separators, light side
inline const QColor groove{0x0b, 0x0c, 0x0f};    // separators, dark side
inline const QColor well{0x11, 0x13, 0x16};      // recessed areas
inline const QColor matte{0x1d, 0x20, 0x25};     // what button edges blend onto
// The dark edge of tiles and bezels.
inline const QColor outline{0x0c, 0x0d, 0x10};
// The emblem engraved in an empty well.
inline const QColor watermark{0x23, 0x27, 0x2e};
inline const QColor watermark_shade{0x1c, 0x1f, 0x25};
// The program icon's tile.
inline const QColor tile_top{0x30, 0x35, 0x3e};
inline const QColor tile_bottom{0x14, 0x16, 0x1a};

// Keys.
inline const QColor face_top{0x3b, 0x40, 0x48};
inline const QColor face_bottom{0x2b, 0x2f, 0x36};
inline const QColor face_rim{0x0d, 0x0e, 0x11};
inline const QColor face_shine{0x58, 0x5e, 0x68};

// Text.
inline const QColor caption{0xe6, 0xe9, 0xed};
inline const QColor caption_dim{0x8f, 0x97, 0xa2};
inline const QColor caption_faint{0x4d, 0x54, 0x5e};
inline const QColor ink_on_light{0x14, 0x16, 0x1a};
// Hints in an empty well.
inline const QColor caption_hint{0x44, 0x4a, 0x54};
inline const QColor white{0xff, 0xff, 0xff};

// Edit and list fields: accent text on a grey box.
inline const QColor field{58, 58, 58};
inline const QColor field_rim{0x58, 0x5c, 0x62};
inline const QColor field_disabled{0x2e, 0x2f, 0x32};
inline const QColor field_rim_disabled{0x3e, 0x42, 0x48};
inline const QColor selection{0x28, 0x54, 0x78};
// Text keys of the device settings pages: grey caption on a dark grey face.
inline const QColor text_key_face{64, 64, 64};
inline const QColor text_key_caption{128, 128, 128};
// Push buttons while disabled.
inline const QColor key_disabled{0x28, 0x2b, 0x30};
inline const QColor key_rim_disabled{0x1e, 0x20, 0x24};
// Text and drawings of a disabled control keep their colour at this alpha.
inline constexpr int disabled_alpha = 90;

// The one accent colour (also the text colour of the edit and list fields)
// and the lamp colours of lit keys.
inline const QColor accent{60, 180, 255};
inline const QColor lamp_red{0xe8, 0x3b, 0x43};
inline const QColor lamp_green{0x2f, 0xcf, 0x5b};
inline const QColor lamp_yellow{0xf4, 0xc2, 0x2b};
// The rim of a field that has just refused an input.
inline const QColor refused = lamp_red;

// The multiviewer preview paints the device's own picture of its output:
// grey ground, accent-rimmed windows, numbers on white.
namespace preview {
inline const QColor ground{152, 152, 152};
inline const QColor window_rim{89, 187, 255};
inline const QColor window_inside{55, 55, 55};
inline const QColor number_ink{60, 180, 255};
inline const QColor number_ground{255, 255, 255};
inline const QColor meter{89, 187, 255};
// The show-mode devices number their windows in light grey, on no ground.
inline const QColor slot_label{192, 192, 192};
}  // namespace preview

inline QColor translucent(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

inline const QString font_family = QStringLiteral("DejaVu Sans");
inline const QString condensed_font_family = QStringLiteral("DejaVu Sans Condensed");
inline const QString cjk_font_family = QStringLiteral("WenQuanYi Micro Hei");

}  // namespace vela::style
