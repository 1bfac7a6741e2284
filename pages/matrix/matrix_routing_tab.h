#pragma once
// The CONTROL sub-page of the matrix: ONE TO ALL, ONE TO ONE, LOCK and
// APPLY. The routing keys are gated by the button lock; LOCK never is.
#include <array>

#include "matrix/matrix_sub_page.h"

class SkinButton;

class MatrixRoutingTab : public vela::MatrixSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 210;
  enum Action { kOneToAll, kOneToOne, kLock, kApply, kActionCount };

  // A routing action changes the matrix record, which the page's keys follow.
  MatrixRoutingTab(vela::PageContext& context, QWidget* parent);

  SkinButton* action_button(Action action) const { return m_buttons[action]; }

 private:
  void create_controls();
  void on_action(Action action);
  void one_to_all();
  void one_to_one();
  void toggle_lock();
  void apply();

  std::array<SkinButton*, kActionCount> m_buttons{};
};
