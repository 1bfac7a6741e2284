#pragma once
// The CONTROL sub-page of the matrix: ONE TO ALL, ONE TO ONE, LOCK and
// APPLY. The routing keys are gated by the button lock; LOCK never is.
#include <array>

#include "matrix/matrix_sub_page.h"

namespace vela {
class MatrixOutputsView;
}

class SkinButton;

class MatrixRoutingTab : public vela::MatrixSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 210;
  enum Action { kOneToAll, kOneToOne, kLock, kApply, kActionCount };

  // Redraws the keys of `outputs` after a routing action.
  MatrixRoutingTab(vela::PageContext& context, vela::MatrixOutputsView& outputs, QWidget* parent);

  SkinButton* action_button(Action action) const { return m_buttons[action]; }

 private:
  void create_controls();
  void on_action(Action action);
  void one_to_all();
  void one_to_one();
  void toggle_lock();
  void apply();

  vela::MatrixOutputsView& m_outputs;
  std::array<SkinButton*, kActionCount> m_buttons{};
};
