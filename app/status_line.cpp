#include "status_line.h"

#include <QPainter>

#include "skin_style.h"
#include "skin_text.h"

namespace vela {
namespace {

constexpr int kLampDiameter = 8;
constexpr int kTextGap = 10;
constexpr qreal kTextPixels = 12;

QColor lamp_colour(StatusTone tone) {
  switch (tone) {
    case StatusTone::Busy:
      return style::lamp_yellow;
    case StatusTone::Good:
      return style::lamp_green;
    case StatusTone::Trouble:
      return style::lamp_red;
    case StatusTone::Idle:
      break;
  }
  return style::caption_faint;
}

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("link_status_line"));
  text_.set_on_change([this] {
    QStringList recent;
    for (const std::string& line : text_.recent()) recent << QString::fromStdString(line);
    setToolTip(recent.join(QLatin1Char('\n')));
    update();
  });
}

QString StatusLine::shown_text() const { return QString::fromStdString(text_.text()); }

void StatusLine::paintEvent(QPaintEvent*) {
  if (text_.text().empty()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF lamp(0.5, (height() - kLampDiameter) / 2.0, kLampDiameter, kLampDiameter);
  p.setPen(Qt::NoPen);
  p.setBrush(lamp_colour(text_.tone()));
  p.drawEllipse(lamp);
  const QFont font = skin_font(kTextPixels, false);
  p.setFont(font);
  p.setPen(text_.tone() == StatusTone::Idle ? style::caption_dim : style::caption);
  const QRect text_box = rect().adjusted(kLampDiameter + kTextGap, 0, 0, 0);
  const QString text = QFontMetrics(font).elidedText(shown_text(), Qt::ElideRight, text_box.width());
  p.drawText(text_box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace vela
