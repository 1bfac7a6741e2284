#include "wait_indication.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "command_names.h"
#include "skin_style.h"
#include "skin_text.h"
#include "ticks.h"

namespace vela {
namespace {

bool is_search(ReplyWindowKind kind) {
  return kind == ReplyWindowKind::NetworkSearch || kind == ReplyWindowKind::SerialSearch;
}

bool is_serial(ReplyWindowKind kind) {
  return kind == ReplyWindowKind::SerialSearch || kind == ReplyWindowKind::SerialReply;
}

QString capitalised(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

QString devices_found(std::size_t found) {
  if (found == 0) return QStringLiteral("no device yet");
  if (found == 1) return QStringLiteral("1 device found");
  return QStringLiteral("%1 devices found").arg(found);
}

// The track and the part of it still to run, counting down from the right.
void paint_countdown(QPainter& p, const QRectF& track, qreal fraction, qreal radius) {
  p.setPen(Qt::NoPen);
  p.setBrush(style::hairline);
  p.drawRoundedRect(track, radius, radius);
  QRectF left = track;
  left.setWidth(track.width() * fraction);
  if (left.width() <= 0) return;
  p.setBrush(style::accent);
  p.drawRoundedRect(left, radius, radius);
}

}  // namespace

WaitIndication::WaitIndication(Shows shows, QWidget* parent) : QWidget(parent), shows_(shows), listening_(*this) {
  setObjectName(shows == Shows::Searches ? QStringLiteral("search_progress") : QStringLiteral("wait_indication"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  if (shows == Shows::DeviceReplies) resize(kCardSize);
  hide();
}

WaitIndication::~WaitIndication() {
  if (cursor_set_) QApplication::restoreOverrideCursor();
}

void WaitIndication::place_centred(const QRect& area) {
  home_ = parentWidget();
  home_area_ = area;
  QRect card(QPoint(), size());
  card.moveCenter(area.center());
  setGeometry(card);
}

bool WaitIndication::wanted(const ReplyWindow& window) const {
  return is_search(window.kind) == (shows_ == Shows::Searches);
}

void WaitIndication::window_opened(const ReplyWindow& window) {
  if (!wanted(window)) return;
  window_ = window;
  open_ = true;
  remaining_ms_ = window.window_ms;
  // A search always runs its whole window: nothing to flicker.
  if (shows_ == Shows::Searches) {
    appear();
    repaint();
  }
}

void WaitIndication::window_waiting(const ReplyWindow& window, int remaining_ms) {
  if (!open_) return;
  window_ = window;
  remaining_ms_ = remaining_ms;
  if (!isVisible() && tick_ms() - window.opened_tick >= kShowAfterMs) appear();
  // The window thread is waiting: paint now rather than when it is back.
  if (isVisible()) repaint();
}

void WaitIndication::window_closed(const ReplyWindow& window, ReplyWindowOutcome, int) {
  if (!open_ || !wanted(window)) return;
  open_ = false;
  disappear();
}

void WaitIndication::appear() {
  if (shows_ == Shows::DeviceReplies) go_over_active_window();
  show();
  raise();
  if (!cursor_set_) QApplication::setOverrideCursor(Qt::WaitCursor);
  cursor_set_ = true;
}

void WaitIndication::disappear() {
  hide();
  go_home();
  if (cursor_set_) QApplication::restoreOverrideCursor();
  cursor_set_ = false;
}

void WaitIndication::go_over_active_window() {
  QWidget* active = QApplication::activeWindow();
  if (home_ == nullptr || active == nullptr || active == home_->window() || !active->isVisible()) return;
  // Nothing is deleted while a wait runs (deferred deletes wait for it),
  // and the card is home again when the wait ends.
  setParent(active);
  const QRect area = active->rect().adjusted(kGuestMargin, kGuestMargin, -kGuestMargin, -kGuestMargin);
  QRect card(QPoint(), QSize(std::min(kCardSize.width(), area.width()), kCardSize.height()));
  card.moveCenter(area.center());
  setGeometry(card);
}

void WaitIndication::go_home() {
  if (home_ == nullptr || parentWidget() == home_) return;
  setParent(home_);
  resize(kCardSize);
  place_centred(home_area_);
}

QString WaitIndication::caption() const {
  if (shows_ == Shows::Searches) {
    return window_.kind == ReplyWindowKind::SerialSearch ? QStringLiteral("Searching the serial line")
                                                         : QStringLiteral("Searching the network");
  }
  return capitalised(QString::fromUtf8(window_.purpose));
}

QString WaitIndication::detail() const {
  if (shows_ == Shows::Searches) {
    // The serial search takes one answer and does not count as it goes.
    return window_.kind == ReplyWindowKind::SerialSearch ? QString() : devices_found(window_.found);
  }
  QString text = QStringLiteral("Waiting for the %1, id %2")
                     .arg(QString::fromLatin1(device_family_name(window_.device.type)))
                     .arg(window_.device.id);
  if (is_serial(window_.kind)) return text + QStringLiteral(", on the serial line");
  const std::string address = window_.device.address_text();
  if (!address.empty()) text += QStringLiteral(", at %1").arg(QString::fromStdString(address));
  return text;
}

QString WaitIndication::time_left() const {
  return QStringLiteral("%1 s").arg(std::max(remaining_ms_, 0) / 1000.0, 0, 'f', 1);
}

qreal WaitIndication::fraction_left() const {
  if (window_.window_ms <= 0) return 0;
  return std::clamp(static_cast<qreal>(remaining_ms_) / window_.window_ms, 0.0, 1.0);
}

void WaitIndication::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (shows_ == Shows::Searches) {
    paint_search_bar(p);
  } else {
    paint_card(p);
  }
}

void WaitIndication::paint_search_bar(QPainter& p) const {
  // Laid over the empty device list, in its field colours.
  const QRectF field = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(style::field_rim);
  p.setBrush(style::field);
  p.drawRect(field);
  constexpr qreal kBarHeight = 4;
  const QRectF text_box = field.adjusted(12, 0, -12, -kBarHeight);
  p.setFont(skin_font(14, false));
  const QFontMetricsF metrics(p.font());
  const QString what = caption() + QStringLiteral("\u2026");
  p.setPen(style::accent);
  p.drawText(text_box, Qt::AlignLeft | Qt::AlignVCenter, what);
  p.setPen(style::caption);
  const QRectF count_box = text_box.adjusted(metrics.horizontalAdvance(what) + 14, 0, 0, 0);
  p.drawText(count_box, Qt::AlignLeft | Qt::AlignVCenter, detail());
  p.setPen(style::caption_dim);
  p.drawText(text_box, Qt::AlignRight | Qt::AlignVCenter, time_left());
  paint_countdown(p, QRectF(field.left() + 1, field.bottom() - kBarHeight, field.width() - 2, kBarHeight),
                  fraction_left(), 0);
}

void WaitIndication::paint_card(QPainter& p) const {
  // A dark edge parts the card from a busy page behind it.
  p.setPen(Qt::NoPen);
  p.setBrush(style::outline);
  p.drawRoundedRect(rect(), 7, 7);
  const QRectF card = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(QPen(style::translucent(style::accent, 150), 1));
  p.setBrush(style::band);
  p.drawRoundedRect(card, 6, 6);

  const QRectF inner = card.adjusted(20, 14, -20, -16);
  const QRectF title(inner.left(), inner.top(), inner.width(), 26);
  p.setFont(skin_font(17));
  p.setPen(style::caption);
  p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, caption());
  p.setPen(style::accent);
  p.drawText(title, Qt::AlignRight | Qt::AlignVCenter, time_left() + QStringLiteral(" left"));

  const QRectF line(inner.left(), title.bottom() + 4, inner.width(), 20);
  p.setFont(skin_font(13, false));
  p.setPen(style::caption_dim);
  const QFontMetricsF metrics(p.font());
  QString text = detail();
  // A narrow card (over a dialog) keeps the device and drops the words.
  const QString waiting = QStringLiteral("Waiting for the ");
  if (metrics.horizontalAdvance(text) > line.width() && text.startsWith(waiting))
    text = capitalised(text.mid(waiting.size()));
  p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(text, Qt::ElideRight, line.width()));

  paint_countdown(p, QRectF(inner.left(), inner.bottom() - 6, inner.width(), 6), fraction_left(), 3);
}

}  // namespace vela
