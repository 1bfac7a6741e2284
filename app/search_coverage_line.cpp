#include "search_coverage_line.h"

#include "page_context.h"
#include "search_plan.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {

SearchCoverageLine::SearchCoverageLine(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("search_coverage"));
  setGeometry(kPlace);
  setFont(skin_font(11, false));
  setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(style::caption_dim.name()));
  refresh();
}

void SearchCoverageLine::refresh() {
  const PageContext* context = m_p_glo_main_set_or_get_dlg;
  if (context == nullptr) return;
  const SearchPlan plan = plan_search(context->m_link.udp.settings());
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
