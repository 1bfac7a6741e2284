#pragma once
// The switcher's camera names dialog: a name of up to ten characters for
// cameras 1 to 10 and MP 1, each stored and sent by its own Set button. The
// switcher's acknowledgement is reported as a diagnostic line only.
#include <array>

#include "switcher/switcher_dialog.h"
#include "switcher_state.h"

class QLineEdit;
class QPushButton;

class CameraNamesDialog : public vela::SwitcherDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 381;
  static constexpr int kNameLimit = 10;

  CameraNamesDialog(vela::PageContext& context, QWidget* parent);

  // Camera index 0 to 10 (10 is MP 1).
  QLineEdit* name_edit(int camera_index) const { return m_edits[static_cast<std::size_t>(camera_index)]; }
  QPushButton* set_button(int camera_index) const { return m_set_buttons[static_cast<std::size_t>(camera_index)]; }

 private:
  void on_set(int camera_index);

  std::array<QLineEdit*, vela::kCameraNameCount> m_edits{};
  std::array<QPushButton*, vela::kCameraNameCount> m_set_buttons{};
};
