#pragma once
// The switcher's configuration dialog: output resolution, the three slider
// rates (0.1 to 9.9 s, stepped with "-" and "+") and the input of each of
// eight windows. Every change is sent at once; nothing is read back.
#include <array>

#include "switcher/switcher_dialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class SwitcherSetupDialog : public vela::SwitcherDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 378;
  static constexpr int kRateCount = 3;
  static constexpr int kWindowCount = 8;

  SwitcherSetupDialog(vela::PageContext& context, QWidget* parent);

  QComboBox* resolution_list() const { return m_resolution_list; }
  // Rate 1 to 3; `up` picks "+", else "-".
  QPushButton* rate_button(int rate, bool up) const;
  QLineEdit* rate_edit(int rate) const { return m_rate_edits[static_cast<std::size_t>(rate - 1)]; }
  // Window 1 to 8.
  QComboBox* window_input_list(int window) const { return m_window_lists[static_cast<std::size_t>(window - 1)]; }

 private:
  void create_resolution_group();
  void create_rate_group();
  void create_window_group();
  void on_resolution_chosen(int index);
  void on_rate_step(int rate, bool up);
  void on_window_input_chosen(int window, int index);

  QComboBox* m_resolution_list = nullptr;
  std::array<QPushButton*, kRateCount> m_down_buttons{};
  std::array<QPushButton*, kRateCount> m_up_buttons{};
  std::array<QLineEdit*, kRateCount> m_rate_edits{};
  std::array<QComboBox*, kWindowCount> m_window_lists{};
};
