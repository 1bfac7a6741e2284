#pragma once
// The switcher page's lever, Auto key and duration field. The lever is a
// bitmap slider; its worker sends every new position on its own thread and
// reports the transitions, which this panel applies to the record and the
// pictures on the window thread. The Auto step timer (id 1) moves the lever
// as the hand would.
#include <QObject>
#include <QTimer>
#include <memory>
#include <mutex>
#include <vector>

#include "lever_worker.h"

class BitmapSlider;
class QLineEdit;
class QWidget;

namespace vela {

class PageContext;
class SwitcherKeyHost;

class LeverPanel : public QObject {
  Q_OBJECT
 public:
  static constexpr int kLeverId = 1160;
  static constexpr int kAutoTimerId = 1;

  // The lever on `page`, working on `context`'s switcher record; `keys` are
  // the same page's keys. Transitions that start and end change the record,
  // and its observers (the page's keys) hear of it.
  LeverPanel(QWidget& page, PageContext& context, SwitcherKeyHost& keys, QLineEdit& duration_edit);
  ~LeverPanel() override;

  BitmapSlider* lever() const { return m_lever; }
  // The lever at the start end of the kept direction; a transition left
  // running by an earlier page is over.
  void open();
  // Once the page's socket is ready.
  void start_worker();
  // Before the socket closes: the worker ends, then what it reported last
  // is applied, so the record holds every transition the switcher saw.
  void stop_worker();
  bool worker_running() const { return m_worker_started; }
  // Which lever end completes the next transition, as the worker sees it.
  std::uint8_t direction() const;

  void on_auto();
  void on_auto_tick();
  bool auto_running() const { return m_auto_timer.isActive(); }
  int auto_period_ms() const { return m_auto_timer.interval(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void on_press();
  void on_notified(int message, int control_id, int position);
  void on_duration_entered();
  void report(const LeverEvent& event);
  void set_transition_running(std::uint8_t running);
  void apply_reports();

  PageContext& m_context;
  SwitcherKeyHost& m_keys;
  QLineEdit& m_duration_edit;
  BitmapSlider* m_lever = nullptr;
  QTimer m_auto_timer;
  std::unique_ptr<LeverWorker> m_worker;
  bool m_worker_started = false;

  std::mutex m_reports_mutex;
  std::vector<LeverEvent> m_reports;  // from the worker, not yet applied
};

}  // namespace vela
