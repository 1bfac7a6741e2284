#include "multiviewer/multiviewer_status_tab.h"

#include <QLabel>

#include "control_id.h"
#include "diagnostics.h"
#include "multiviewer/multiviewer_preview_host.h"
#include "multiviewer/multiviewer_bitmaps.h"
#include "multiviewer_exchanges.h"
#include "page_context.h"
#include "skin.h"
#include "skin_style.h"

namespace {

constexpr int kGroupBoxId = 1025;
constexpr int kFirstLampId = 1232;
constexpr int kFirstHiddenNumberId = 1248;  // "11" to "16"; 1 to 10 have none
constexpr int kColumns = 4;
constexpr QPoint kFirstCell(28, 34);
constexpr QSize kCell(110, 94);

QRect cell_of(int index) {
  return QRect(kFirstCell + QPoint((index % kColumns) * kCell.width(), (index / kColumns) * kCell.height()), kCell);
}

}  // namespace

MultiviewerStatusTab::MultiviewerStatusTab(vela::MultiviewerPreviewHost& container, QWidget* parent)
    : MultiviewerSubPageBase(container, parent, kTemplateId, kGroupBoxId) {
  create_controls();
  m_timer.setInterval(kPollPeriodMs);
  connect(&m_timer, &QTimer::timeout, this, &MultiviewerStatusTab::on_timer);

  vela::multiviewer_exchanges::read_state(m_context.m_link, m_context.multiviewer(), m_context.record_changes());
  if (m_context.m_model_window_count == 0) m_context.m_model_window_count = 10;
  update_lamps();
  // From now on the lamps and sources follow what the record says.
  m_record_changes = m_context.record_changes().observe([this](vela::RecordPart part) {
    if (part == vela::RecordPart::MultiviewerStatus || part == vela::RecordPart::MultiviewerSettings ||
        part == vela::RecordPart::MultiviewerLabels) {
      update_lamps();
    }
  });
  const bool ten_windows = m_context.m_model_window_count == 10;
  for (int w = 11; w <= 16; ++w) m_numbers[w - 1]->setVisible(!ten_windows);
  m_timer.start();
}

MultiviewerStatusTab::~MultiviewerStatusTab() { m_timer.stop(); }

void MultiviewerStatusTab::create_controls() {
  for (int i = 0; i < 16; ++i) {
    const QRect cell = cell_of(i);
    auto* lamp = new QLabel(this);
    vela::set_control_id(lamp, kFirstLampId + i);
    lamp->setGeometry(QRect(cell.left() + (cell.width() - 32) / 2, cell.top() + 6, 32, 32));
    m_lamps[i] = lamp;

    auto* number = new QLabel(QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')), this);
    if (i >= 10) vela::set_control_id(number, kFirstHiddenNumberId + i - 10);
    number->setAlignment(Qt::AlignCenter);
    number->setGeometry(QRect(cell.left(), cell.top() + 42, cell.width(), 18));
    number->setStyleSheet(QStringLiteral("font-size: 14px; font-weight: bold;"));
    m_numbers[i] = number;

    // What feeds the window, so a red lamp says which input to check.
    auto* source = new QLabel(this);
    source->setAlignment(Qt::AlignCenter);
    source->setGeometry(QRect(cell.left(), cell.top() + 60, cell.width(), 16));
    source->setStyleSheet(QStringLiteral("color: %1; font-size: 11px;").arg(vela::style::caption_dim.name()));
    m_sources[i] = source;
  }
}

void MultiviewerStatusTab::on_timer() {
  vela::diag("timer on\n");
  vela::multiviewer_exchanges::poll_status(m_context.m_link, m_context.multiviewer(), m_context.record_changes());
}

void MultiviewerStatusTab::update_lamps() {
  const vela::MultiviewerState& state = m_context.multiviewer();
  const int count = std::min<int>(m_context.m_model_window_count, 16);
  for (int w = 1; w <= count; ++w) {
    const bool signal = state.m_window_status[w - 1][0] == 1;
    const int icon = signal ? vela::multiviewer_bitmap::lamp_signal : vela::multiviewer_bitmap::lamp_no_signal;
    m_lamp_icon[w - 1] = icon;
    m_lamps[w - 1]->setPixmap(vela::Skin::pixmap(icon, vela::multiviewer_bitmap::lamp_size));
    m_lamps[w - 1]->setToolTip(signal ? QStringLiteral("Signal") : QStringLiteral("No signal"));
    const std::uint8_t input = state.m_window_source[w - 1];
    m_sources[w - 1]->setText(input != 0 ? QStringLiteral("SDI %1").arg(input) : QString());
  }
  for (int w = count + 1; w <= 16; ++w) m_sources[w - 1]->clear();
}
