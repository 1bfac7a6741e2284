#include "switcher/switcher_shortcut_overlay.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"
#include "switcher/switcher_shortcut_table.h"

namespace vela {
namespace {

constexpr QSizeF kCard(600, 430);
constexpr qreal kRowPitch = 58;
constexpr qreal kCapHeight = 38;
constexpr qreal kCapPadding = 22;
constexpr qreal kCapMinWidth = 48;
constexpr qreal kKeysColumn = 190;  // width of the keys column inside the card

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// The caps of one line ("Ctrl+1 – 8": two caps joined by a plus), left
// aligned from `left` on the line's middle.
void paint_caps(QPainter& p, qreal left, qreal middle, const QString& legend) {
  const QFont cap_font = key_font(15);
  const QFontMetricsF metrics(cap_font);
  const QStringList caps = legend.split(QLatin1Char('+'));
  qreal x = left;
  for (int i = 0; i < caps.size(); ++i) {
    if (i > 0) {
      const QRectF plus(x, middle - kCapHeight / 2, 22, kCapHeight);
      paint_fitted_text(p, plus, QStringLiteral("+"), style::caption_dim, skin_font(15));
      x += plus.width();
    }
    const qreal width = qMax(kCapMinWidth, metrics.horizontalAdvance(caps[i]) + kCapPadding);
    paint_panel_button(p, QRectF(x, middle - kCapHeight / 2, width, kCapHeight), caps[i], ButtonLook::normal,
                       style::accent, 15);
    x += width;
  }
}

}  // namespace

SwitcherShortcutOverlay::SwitcherShortcutOverlay(QWidget* page) : QWidget(page) {
  setObjectName(QStringLiteral("switcher_shortcut_overlay"));
  hide();
  // Only while shown: the page keeps Escape's own meaning otherwise.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::hide);
}

void SwitcherShortcutOverlay::toggle() {
  if (isVisible()) {
    hide();
    return;
  }
  setGeometry(parentWidget()->rect());
  raise();
  show();
}

void SwitcherShortcutOverlay::mousePressEvent(QMouseEvent* event) {
  event->accept();
  hide();
}

void SwitcherShortcutOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), style::translucent(style::well, 200));

  const QRectF card(QPointF((width() - kCard.width()) / 2, (height() - kCard.height()) / 2), kCard);
  p.setPen(QPen(style::outline, 1));
  p.setBrush(Qt::NoBrush);
  paint_surface(p, card);
  p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
  const QRectF frame = card.adjusted(18, 18, -18, -18);
  paint_section_frame(p, frame, QStringLiteral("KEYBOARD"));

  const qreal left = frame.left() + 22;
  qreal middle = frame.top() + 52;
  const QFont action_font = skin_font(15, false);
  auto line = [&](const QString& legend, const QString& action) {
    paint_caps(p, left, middle, legend);
    p.setFont(action_font);
    p.setPen(style::caption);
    p.drawText(QRectF(left + kKeysColumn, middle - kCapHeight / 2, frame.right() - left - kKeysColumn - 16, kCapHeight),
               Qt::AlignLeft | Qt::AlignVCenter, action);
    middle += kRowPitch;
  };
  for (const SwitcherShortcut& shortcut : kSwitcherShortcuts) line(text(shortcut.legend), text(shortcut.action));
  line(QKeySequence(kShortcutHelpKey).toString(), QStringLiteral("Show or hide these keys"));

  paint_groove(p, frame.left() + 16, frame.right() - 16, middle - kRowPitch / 2 + 6);
  p.setFont(skin_font(12, false));
  p.setPen(style::caption_dim);
  p.drawText(QRectF(left, middle - kRowPitch / 2 + 16, frame.width() - 44, 44),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             QStringLiteral("Space presses the key that has the focus. No key acts while a text field has the "
                            "focus. Esc or a click closes this."));
}

}  // namespace vela
