#pragma once
// The form every connection control of the panel is laid out on (the
// connection dialog and the matrix's connection sub-page): three bands, for
// the mode, the network and the serial line, split by two lines, each with
// a column of captions beside a column of fields.
#include <QRect>

class QComboBox;
class QString;
class QWidget;

namespace vela::connection_form {

// The separator lines, in the form's pixels.
inline constexpr int kSeparatorLeft = 20;
inline constexpr int kSeparatorRight = 460;
inline constexpr int kNetworkBandTop = 80;
inline constexpr int kSerialBandTop = 190;

inline constexpr int kCaptionX = 30;
inline constexpr int kCaptionWidth = 138;
inline constexpr int kFieldX = 182;
inline constexpr int kRowHeight = 28;

// Where each row goes.
inline constexpr QRect kModeCaption(kCaptionX, 26, kCaptionWidth, kRowHeight);
inline constexpr QRect kModeList(kFieldX, 26, 180, kRowHeight);
inline constexpr QRect kAddressCaption(kCaptionX, 100, kCaptionWidth, kRowHeight);
inline constexpr QRect kAddressField(kFieldX, 100, 180, kRowHeight);
inline constexpr QRect kPortCaption(kCaptionX, 218, kCaptionWidth, kRowHeight);
inline constexpr QRect kPortList(kFieldX, 218, kSeparatorRight - 10 - kFieldX, kRowHeight);
inline constexpr QRect kBaudCaption(kCaptionX, 262, kCaptionWidth, kRowHeight);
inline constexpr QRect kBaudList(kFieldX, 262, 120, kRowHeight);
inline constexpr QRect kConnectButton(kFieldX, 314, 120, 32);
// The status icon, 32 x 32, beside the Connect button.
inline constexpr QRect kStatusIcon(kFieldX + 136, 314, 32, 32);

// A field caption (a label with caption=true, which the caption style sheet
// draws) and a drop-down list with its control id.
void add_caption(QWidget* form, const QString& text, const QRect& place);
QComboBox* add_list(QWidget* form, int id, const QRect& place);

}  // namespace vela::connection_form
