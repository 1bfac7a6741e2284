#include "device_network_note.h"

#include <QComboBox>
#include <QPainter>
#include <QPainterPath>

#include "network_search.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {
namespace {

constexpr int kIconSize = 22;
constexpr int kTextLeft = kIconSize + 10;

QString text_of(const std::string& bytes) { return QString::fromLatin1(bytes.data(), qsizetype(bytes.size())); }

void paint_warning_sign(QPainter& painter, const QRectF& box) {
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath triangle;
  triangle.moveTo(box.center().x(), box.top() + 1);
  triangle.lineTo(box.right() - 1, box.bottom() - 1);
  triangle.lineTo(box.left() + 1, box.bottom() - 1);
  triangle.closeSubpath();
  painter.setPen(QPen(style::lamp_yellow, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(style::lamp_yellow);
  painter.drawPath(triangle);
  painter.setPen(Qt::NoPen);
  painter.setBrush(style::ink_on_light);
  const qreal w = box.width();
  painter.drawRoundedRect(QRectF(box.center().x() - w * 0.06, box.top() + w * 0.34, w * 0.12, w * 0.34), 1, 1);
  painter.drawEllipse(QPointF(box.center().x(), box.top() + w * 0.80), w * 0.07, w * 0.07);
}

QPixmap clear_icon_pixmap() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QIcon outside_networks_icon() {
  // Made once: Qt keeps each icon picture it paints in its pixmap cache, and
  // every search describes its devices anew.
  static const QIcon icon = [] {
    QPixmap pixmap = clear_icon_pixmap();
    QPainter painter(&pixmap);
    paint_warning_sign(painter, QRectF(2, 3, 28, 26));
    painter.end();
    return QIcon(pixmap);
  }();
  return icon;
}

void describe_device_network(QComboBox* list, int index, const DiscoveredDevice& device) {
  const QString card = device.interface_name.empty()
                           ? QStringLiteral("an unknown network card")
                           : QStringLiteral("network card %1").arg(text_of(device.interface_name));
  const QString address = text_of(device.entry.address_text());
  QString headline;
  QString body;
  if (device.outside_local_networks) {
    headline = QStringLiteral("%1 at %2 is not on any network of this computer").arg(text_of(device.name), address);
    // The device answered a broadcast, but unicast commands to its address
    // have no route: the operator has to bridge the subnets by hand.
    body = QStringLiteral(
               "It answered on %1, but commands to %2 cannot reach it. Give this computer an address in the "
               "device's subnet on that card, scan again, then move the device onto your control network with "
               "\"Change  IP\" (connection settings).")
               .arg(card, address);
  } else if (device.network) {
    headline =
        QStringLiteral("Answered on %1, network %2").arg(card, QString::fromStdString(device.network->subnet_text()));
  } else {
    return;
  }
  list->setItemData(index, device.outside_local_networks, kOutsideNetworksRole);
  list->setItemData(index, headline, kNetworkHeadlineRole);
  list->setItemData(index, body, kNetworkBodyRole);
  list->setItemData(index, body.isEmpty() ? headline : headline + QStringLiteral(".\n") + body, Qt::ToolTipRole);
  // Every described line gets an icon, blank where all is well, so the names
  // stay in one column.
  static const QIcon blank(clear_icon_pixmap());
  list->setItemIcon(index, device.outside_local_networks ? outside_networks_icon() : blank);
}

DeviceNetworkNote::DeviceNetworkNote(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("device_network_note"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void DeviceNetworkNote::show_for(const QComboBox* list, int index) {
  const bool described = index >= 0 && index < list->count() && list->itemData(index, kNetworkHeadlineRole).isValid();
  m_warns = described && list->itemData(index, kOutsideNetworksRole).toBool();
  m_headline = described ? list->itemData(index, kNetworkHeadlineRole).toString() : QString();
  m_body = described ? list->itemData(index, kNetworkBodyRole).toString() : QString();
  setToolTip(m_body);
  setVisible(described);
  update();
}

void DeviceNetworkNote::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!m_warns) {
    painter.setFont(skin_font(13, false));
    painter.setPen(style::caption_dim);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, m_headline);
    return;
  }
  paint_warning_sign(painter, QRectF(0, 2, kIconSize, kIconSize * 0.9));
  const QRect text_area = rect().adjusted(kTextLeft, 0, 0, 0);
  painter.setFont(skin_font(13, true));
  painter.setPen(style::lamp_yellow);
  const QFontMetrics headline_metrics(painter.font());
  painter.drawText(text_area, Qt::AlignLeft | Qt::AlignTop, m_headline);
  painter.setFont(skin_font(11.5, false));
  painter.setPen(style::caption);
  painter.drawText(text_area.adjusted(0, headline_metrics.height() + 2, 0, 0),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_body);
}

}  // namespace vela
