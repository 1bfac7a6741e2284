#pragma once
// The Status sub-page: reads the device's whole state when it opens, then
// asks every 5 seconds which windows carry a signal and shows one lamp per
// window (green: signal, red: none).
#include <QTimer>
#include <array>

#include "multiviewer/multiviewer_sub_page.h"
#include "record_changes.h"

class QLabel;

class MultiviewerStatusTab : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 158;
  static constexpr int kTimerId = 9;
  static constexpr int kPollPeriodMs = 5000;

  MultiviewerStatusTab(vela::MultiviewerPreviewHost& container, QWidget* parent);
  ~MultiviewerStatusTab() override;

  // Timer 9: one status poll; the lamps follow its notice.
  void on_timer();
  // The icon id each lamp shows (0 for none yet).
  int lamp_icon(int window) const { return m_lamp_icon[static_cast<std::size_t>(window - 1)]; }
  bool polling() const { return m_timer.isActive(); }

 private:
  void create_controls();
  void update_lamps();

  std::array<QLabel*, 16> m_lamps{};
  std::array<QLabel*, 16> m_numbers{};
  std::array<QLabel*, 16> m_sources{};
  std::array<int, 16> m_lamp_icon{};
  QTimer m_timer;
  vela::RecordChanges::Subscription m_record_changes;
};
