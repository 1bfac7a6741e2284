#include "drop_down_list.h"

#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionComboBox>

#include "skin_style.h"

namespace {
constexpr qreal kChevronHalfWidth = 4.0;
constexpr qreal kChevronHeight = 4.0;
}  // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  // A plain list view, so that the style sheet reaches the entries.
  setView(new QListView(this));
  // The frame that holds the view when the list drops down. Style sheets
  // leave a combo box's popup frame unstyled, and Qt's style sheet style
  // then keeps what it worked out for the frame after the frame is gone:
  // about a kilobyte for every list ever made, which a panel whose pages come
  // and go all day cannot afford. A sheet of its own (it adds no rule) makes
  // the frame an ordinary styled widget, whose cached style goes with it.
  view()->parentWidget()->setStyleSheet(QStringLiteral("/* the drop-down's own frame */"));
}

void DropDownList::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRect button = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
  if (button.isEmpty()) return;
  QColor ink = palette().color(QPalette::Active, QPalette::ButtonText);
  if (!isEnabled()) ink.setAlpha(vela::style::disabled_alpha);
  const QPointF centre = QRectF(button).center();
  QPainterPath chevron;
  chevron.moveTo(centre.x() - kChevronHalfWidth, centre.y() - kChevronHeight / 2);
  chevron.lineTo(centre.x(), centre.y() + kChevronHeight / 2);
  chevron.lineTo(centre.x() + kChevronHalfWidth, centre.y() - kChevronHeight / 2);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(chevron);
}
