#include "matrix/matrix_routing_tab.h"

#include "skin_button.h"
#include "control_id.h"
#include "diagnostics.h"
#include "matrix/matrix_bitmaps.h"
#include "matrix_exchanges.h"
#include "matrix_protocol.h"
#include "page_context.h"

namespace {

namespace bitmap = vela::matrix_bitmap;
using Action = MatrixRoutingTab::Action;

constexpr int kGroupBoxId = 1100;

struct ActionKey {
  int id;
  QRect place;
  int bitmap;
  const char* caption;
};
// Indexed by Action. LOCK's picture follows the lock when the page opens.
constexpr ActionKey kActionKeys[] = {
    {1032, QRect(QPoint(200, 100), bitmap::one_to_all_size), bitmap::one_to_all, "ONE TO ALL"},
    {1033, QRect(QPoint(200, 195), bitmap::one_to_one_size), bitmap::one_to_one, "ONE TO ONE"},
    {1011, QRect(QPoint(272, 300), bitmap::lock_size), bitmap::lock_off, "LOCK"},
    {1097, QRect(QPoint(100, 300), bitmap::apply_size), bitmap::apply, "APPLY"},
};

int lock_picture(std::uint8_t lock) { return lock != 0 ? bitmap::lock_on : bitmap::lock_off; }

// The trace written before every text leaves, and whether it can.
bool ready_to_send(const vela::PageContext& context) {
  vela::diag("m_eState = %d \n", context.m_link.connection_mode());
  return vela::matrix_exchanges::text_carrier_ready(context.m_link);
}

}  // namespace

MatrixRoutingTab::MatrixRoutingTab(vela::PageContext& context, QWidget* parent)
    : MatrixSubPageBase(context, parent, kTemplateId, bitmap::control_background, kGroupBoxId) {
  create_controls();
  m_buttons[kLock]->set_bitmap(lock_picture(context.matrix().m_buttons_locked));
}

void MatrixRoutingTab::create_controls() {
  for (int a = 0; a < kActionCount; ++a) {
    const ActionKey& key = kActionKeys[a];
    auto* button = new SkinButton(this);
    vela::set_control_id(button, key.id);
    button->setup_skinned(key.place, key.bitmap);
    button->setToolTip(QString::fromLatin1(key.caption));
    const auto action = static_cast<Action>(a);
    connect(button, &QAbstractButton::clicked, this, [this, action] { on_action(action); });
    m_buttons[a] = button;
  }
}

void MatrixRoutingTab::on_action(Action action) {
  switch (action) {
    case kOneToAll:
      return one_to_all();
    case kOneToOne:
      return one_to_one();
    case kLock:
      return toggle_lock();
    case kApply:
      return apply();
    case kActionCount:
      break;
  }
}

void MatrixRoutingTab::apply() {
  vela::PageContext& context = m_context;
  const vela::MatrixState& state = context.matrix();
  if (state.m_buttons_locked != 0) return;
  vela::diag("m_eMatrixState = %d \n", state.m_input_pressed_this_run);
  if (state.m_chosen_input == 0 || state.m_input_pressed_this_run != 1) return;
  const std::string text = vela::matrix::route_text(state.m_chosen_input, state.m_routes);
  if (text.empty()) return;
  vela::diag("nomoral  sendLen = %d \n", static_cast<int>(text.size()));
  if (!ready_to_send(context)) return;
  vela::matrix_exchanges::send_text(context.m_link, text);
  vela::diag("send data ok \n");
  vela::diag("re draw  ok \n");
}

void MatrixRoutingTab::one_to_all() {
  vela::PageContext& context = m_context;
  vela::MatrixState& state = context.matrix();
  if (state.m_buttons_locked != 0) return;
  vela::diag("m_eMatrixState = %d \n", state.m_input_pressed_this_run);
  if (state.m_chosen_input == 0 || state.m_input_pressed_this_run != 1) return;
  const std::string text = vela::matrix::one_to_all_text(state.m_chosen_input);
  vela::diag("nomoral sendLen = %d  \n", static_cast<int>(text.size()));
  // The table records only routes that left: with the serial port closed
  // nothing changes.
  if (!ready_to_send(context)) return;
  state.m_routes.fill(state.m_chosen_input);
  vela::matrix_exchanges::send_text(context.m_link, text);
  vela::diag("send data ok \n");
  context.record_changes().changed(vela::RecordPart::Matrix);
}

void MatrixRoutingTab::one_to_one() {
  vela::PageContext& context = m_context;
  vela::MatrixState& state = context.matrix();
  if (state.m_buttons_locked != 0) return;
  vela::diag("m_p_glo_main_set_or_get_dlg->m_matrix_input = %d \n ", state.m_chosen_input);
  vela::diag("ch = %d \n ", 200);
  if (!ready_to_send(context)) return;
  for (int j = 1; j <= vela::matrix::kOutputCount; ++j) state.m_routes[j - 1] = static_cast<std::uint8_t>(j);
  vela::matrix_exchanges::send_text(context.m_link, vela::matrix::kOneToOneText);
  state.m_chosen_input = 0;
  context.record_changes().changed(vela::RecordPart::Matrix);
}

void MatrixRoutingTab::toggle_lock() {
  vela::PageContext& context = m_context;
  vela::MatrixState& state = context.matrix();
  const std::uint8_t value = state.m_buttons_locked == 0 ? 1 : 0;
  m_buttons[kLock]->set_bitmap(lock_picture(value));
  state.m_buttons_locked = value;
  if (vela::matrix_exchanges::set_lock(context.m_link, value)) state.lock_origin.mark_sent();
  vela::diag(" m_p_glo_main_set_or_get_dlg->m_matrix_btn_lock %d\n", value);
}
