#include "search_coverage_line.h"

#include "search_plan.h"
#include "udp_link.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {

SearchCoverageLine::SearchCoverageLine(const UdpLink& link, QWidget* parent) : QLabel(parent), m_link(link) {
  setObjectName(QStringLiteral("search_coverage"));
  setGeometry(kPlace);
  setFont(skin_font(11, false));
  setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(style::caption_dim.name()));
  refresh();
}

void SearchCoverageLine::refresh() {
  const SearchPlan plan = plan_search(m_link.settings());
  QString destinations =
      QString::fromStdString(plan.coverage_text()).replace(QStringLiteral(", "), QStringLiteral("  \u00b7  "));
  if (plan.destinations.size() == 1) destinations += QStringLiteral(" only");
  const QString text = QStringLiteral("Network scan reaches %1").arg(destinations);
  setToolTip(text);
  setText(fontMetrics().elidedText(text, Qt::ElideRight, width()));
}

void SearchCoverageLine::showEvent(QShowEvent* event) {
  refresh();
  QLabel::showEvent(event);
}

}  // namespace vela
