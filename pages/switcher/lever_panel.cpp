#include "switcher/lever_panel.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QValidator>
#include <array>

#include "bitmap_slider.h"
#include "skin_button.h"
#include "control_id.h"
#include "diagnostics.h"
#include "lever_link.h"
#include "lever_rules.h"
#include "page_context.h"
#include "switcher/switcher_bitmaps.h"
#include "switcher/switcher_keys.h"
#include "switcher/switcher_page_host.h"
#include "record_changes.h"
#include "switcher_exchanges.h"
#include "switcher_protocol.h"

namespace vela {
namespace {

namespace bitmap = switcher_bitmap;
namespace command = switcher::code;

constexpr QPoint kLeverAt{626, 88};
constexpr int kMarginLeft = 10, kMarginTop = 30, kMarginRight = 0, kMarginBottom = 35;

// Typing stops at four characters; a longer text that Enter wrote ("12:34"
// and beyond) stays whole.
class DurationValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    static const QRegularExpression normalised(QStringLiteral("^\\d{2,}:\\d{2}$"));
    return input.size() <= 4 || normalised.match(input).hasMatch() ? Acceptable : Invalid;
  }
};

}  // namespace

LeverPanel::LeverPanel(QWidget& page, PageContext& context, SwitcherKeyHost& keys, QLineEdit& duration_edit)
    : QObject(&page), m_context(context), m_keys(keys), m_duration_edit(duration_edit) {
  m_lever = new BitmapSlider(&page);
  set_control_id(m_lever, kLeverId);
  m_lever->move(kLeverAt);
  m_lever->set_bitmap_channel(bitmap::lever_channel);
  m_lever->set_bitmap_thumb(bitmap::lever_thumb, true);
  m_lever->set_margin(kMarginLeft, kMarginTop, kMarginRight, kMarginBottom);
  m_lever->set_vertical(true);
  m_lever->set_range(lever::kTop, lever::kBottom);
  m_lever->set_pos(lever::kBottom);
  m_lever->installEventFilter(this);
  connect(m_lever, &BitmapSlider::notified, this, &LeverPanel::on_notified);
  connect(m_lever, &BitmapSlider::clicked, this, [this] {
    if (SkinButton* ftb = m_keys.button(switcher_keys::kFtbId)) ftb->setFocus(Qt::OtherFocusReason);
  });
  connect(m_lever, &BitmapSlider::position_changed, this, [this](int position) {
    if (m_worker) m_worker->set_position(position);
  });

  m_duration_edit.setValidator(new DurationValidator(&m_duration_edit));
  connect(&m_duration_edit, &QLineEdit::returnPressed, this, &LeverPanel::on_duration_entered);

  m_auto_timer.setObjectName(QStringLiteral("timer%1").arg(kAutoTimerId));
  m_auto_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_auto_timer, &QTimer::timeout, this, &LeverPanel::on_auto_tick);
}

LeverPanel::~LeverPanel() { stop_worker(); }

void LeverPanel::open() {
  SwitcherState& state = m_context.switcher();
  state.transition_running = 0;
  const std::uint8_t direction = state.transition_direction;
  m_worker = std::make_unique<LeverWorker>(
      direction, lever_sender(m_context.m_link), [this](const LeverEvent& event) { report(event); },
      std::chrono::milliseconds(kCommandPauseMs));
  m_lever->set_pos(lever::start_end(direction));
  state.transition_position = static_cast<std::uint8_t>(m_lever->get_pos());
}

void LeverPanel::start_worker() {
  if (!m_worker || m_worker_started) return;
  m_worker->start();
  m_worker_started = true;
}

void LeverPanel::stop_worker() {
  m_auto_timer.stop();
  if (!m_worker) return;
  m_worker->stop();
  m_worker_started = false;
  apply_reports();
}

std::uint8_t LeverPanel::direction() const {
  if (m_worker) return m_worker->direction();
  return m_context.switcher().transition_direction;
}

bool LeverPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_lever && m_lever->isEnabled()) {
    const bool left = (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
                      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (left && event->type() == QEvent::MouseButtonPress) on_press();
    if (left && event->type() == QEvent::MouseButtonRelease) {
      diag("mouse up,pos = %d,direction = %d \n", m_lever->get_pos(), direction());
    }
  }
  return QObject::eventFilter(watched, event);
}

void LeverPanel::on_press() {
  // The hand takes the lever from a running Auto.
  m_auto_timer.stop();
  const int position = m_lever->get_pos();
  const std::uint8_t d = direction();
  diag("mouse down,pos = %d,direction = %d \n", position, d);
  const std::array<std::uint8_t, 2> payload{d, lever::press_value(position, d)};
  switcher_exchanges::send(m_context.m_link, command::kTransitionPosition, payload);
}

void LeverPanel::on_notified(int message, int, int position) {
  if (message != BitmapSlider::kPositionMoving) return;
  // The record keeps the lever position itself, as the Auto steps do.
  m_context.switcher().transition_position = static_cast<std::uint8_t>(position);
}

void LeverPanel::on_duration_entered() {
  m_duration_edit.setText(QString::fromStdString(lever::normalised_duration(m_duration_edit.text().toStdString())));
}

void LeverPanel::on_auto() {
  switcher_exchanges::send(m_context.m_link, command::kAutoTransition);
  SwitcherState& state = m_context.switcher();
  state.transition_position = static_cast<std::uint8_t>(m_lever->get_pos());
  diag("auto beign pos  = %d \n ", state.transition_position);
  m_auto_timer.start(lever::auto_period_ms(lever::duration_ms(m_duration_edit.text().toStdString())));
  set_transition_running(1);
  diag("move over\n");
}

void LeverPanel::on_auto_tick() {
  SwitcherState& state = m_context.switcher();
  const int next = lever::auto_step(m_lever->get_pos(), direction());
  state.transition_position = static_cast<std::uint8_t>(next);
  m_lever->set_pos(next);
  if (lever::at_an_end(next)) {
    m_auto_timer.stop();
    diag("last get pos %d \n", m_lever->get_pos());
  } else if (state.transition_running != 1) {
    set_transition_running(1);
  }
}

void LeverPanel::set_transition_running(std::uint8_t running) {
  m_context.switcher().transition_running = running;
  m_context.record_changes().changed(RecordPart::Switcher);
}

void LeverPanel::report(const LeverEvent& event) {
  bool first = false;
  {
    std::lock_guard lock(m_reports_mutex);
    first = m_reports.empty();
    m_reports.push_back(event);
  }
  if (first) QMetaObject::invokeMethod(this, &LeverPanel::apply_reports, Qt::QueuedConnection);
}

void LeverPanel::apply_reports() {
  std::vector<LeverEvent> reports;
  {
    std::lock_guard lock(m_reports_mutex);
    reports.swap(m_reports);
  }
  // Stopping again as the page goes finds nothing to apply, and must not
  // reach the page, which is no longer whole then.
  if (reports.empty()) return;
  SwitcherState& state = m_context.switcher();
  for (const LeverEvent& event : reports) {
    state.transition_running = event.kind == LeverEvent::Kind::Started ? 1 : 0;
    state.transition_direction = event.direction;
    if (event.kind == LeverEvent::Kind::Completed) {
      switcher_exchanges::swap_program_preview(state, m_context.record_changes());
    } else {
      m_context.record_changes().changed(RecordPart::Switcher);
    }
  }
}

}  // namespace vela
