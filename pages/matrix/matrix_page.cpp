#include "matrix/matrix_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin_button.h"
#include "control_id.h"
#include "diagnostics.h"
#include "enter_escape.h"
#include "matrix/matrix_routing_tab.h"
#include "matrix/matrix_connection_tab.h"
#include "matrix/matrix_bitmaps.h"
#include "matrix_exchanges.h"
#include "skin_group_box.h"
#include "page_context.h"
#include "skin.h"

namespace {

namespace bitmap = vela::matrix_bitmap;

constexpr int kFirstInputId = 1131;
constexpr int kFirstOutputId = 1141;
constexpr int kSubPageAreaId = 1094;
constexpr int kUnusedGroupBoxIds[] = {1091, 1092};

struct TabInfo {
  int id;
  QRect place;
  int normal_bitmap;
  int active_bitmap;
  const char* caption;
};
constexpr TabInfo kTabs[] = {
    {1032, QRect(QPoint(748, 25), bitmap::control_tab_size), bitmap::control_tab, bitmap::control_tab_active,
     "CONTROL"},
    {1033, QRect(QPoint(840, 25), bitmap::setting_tab_size), bitmap::setting_tab, bitmap::setting_tab_active,
     "SETTING"},
};

const TabInfo* tab_info(int t) {
  return t == MatrixPage::kControlTab || t == MatrixPage::kSettingTab ? &kTabs[t - 1] : nullptr;
}

bool is_routing_key(int n) { return n >= 1 && n <= vela::matrix::kInputCount; }

}  // namespace

MatrixPage::MatrixPage(vela::PageContext& context, QWidget* parent)
    : vela::DevicePage(QStringLiteral("MatrixPage"), kTemplateId, context, parent) {
  vela::register_matrix_bitmaps();
  create_controls();
  m_shown_input = context.matrix().m_chosen_input;
  m_record_changes = context.record_changes().observe([this](vela::RecordPart part) {
    if (part == vela::RecordPart::Matrix) follow_record();
  });
  vela::matrix_exchanges::query_lock(context.m_link, context.matrix());
  select_tab(kControlTab);
}

void MatrixPage::create_controls() {
  // Every key starts grey, whatever the record holds: the stored input and
  // routes show again from the next input press on.
  for (int n = 1; n <= vela::matrix::kInputCount; ++n) {
    auto* input = new SkinButton(this);
    vela::set_control_id(input, kFirstInputId + n - 1);
    input->setup_skinned(QRect(vela::matrix_layout::input_key(n), bitmap::digit_size), bitmap::digit_grey(n));
    connect(input, &QAbstractButton::clicked, this, [this, n] { on_input(n); });
    m_input_buttons[n - 1] = input;

    auto* output = new SkinButton(this);
    vela::set_control_id(output, kFirstOutputId + n - 1);
    output->setup_skinned(QRect(vela::matrix_layout::output_key(n), bitmap::digit_size), bitmap::digit_grey(n));
    connect(output, &QAbstractButton::clicked, this, [this, n] { on_output(n); });
    m_output_buttons[n - 1] = output;
  }
  for (const int id : kUnusedGroupBoxIds) {
    auto* unused = new SkinGroupBox(this);
    vela::set_control_id(unused, id);
    unused->hide();
  }
  auto* area = new QWidget(this);
  vela::set_control_id(area, kSubPageAreaId);
  area->setGeometry(vela::matrix_layout::sub_page_area);
  area->setAttribute(Qt::WA_TransparentForMouseEvents);
  m_sub_page_area = area->geometry();
  for (int t = kControlTab; t <= kSettingTab; ++t) {
    const TabInfo& info = *tab_info(t);
    auto* tab = new SkinButton(this);
    vela::set_control_id(tab, info.id);
    tab->setup_skinned(info.place, info.normal_bitmap);
    tab->setToolTip(QString::fromLatin1(info.caption));
    connect(tab, &QAbstractButton::clicked, this, [this, t] { select_tab(t); });
    m_tab_buttons[t - 1] = tab;
  }
}

void MatrixPage::on_input(int n) {
  vela::MatrixState& state = m_context.matrix();
  if (state.m_buttons_locked != 0 || n == state.m_chosen_input) return;
  vela::diag("m_p_glo_main_set_or_get_dlg->m_matrix_input = %d \n ", state.m_chosen_input);
  vela::diag("ch = %d \n ", n);
  state.m_input_pressed_this_run = 1;
  state.m_chosen_input = static_cast<std::uint8_t>(n);
  m_context.record_changes().changed(vela::RecordPart::Matrix);
}

void MatrixPage::on_output(int j) {
  vela::MatrixState& state = m_context.matrix();
  if (state.m_buttons_locked != 0 || state.m_chosen_input == 0) return;
  vela::diag("ch = %d ,input = %d \n", j, state.m_chosen_input);
  std::uint8_t& route = state.m_routes[j - 1];
  // Another input's route is taken over, not toggled off.
  route = route == state.m_chosen_input ? 0 : state.m_chosen_input;
  m_context.record_changes().changed(vela::RecordPart::Matrix);
}

void MatrixPage::follow_record() {
  const vela::MatrixState& state = m_context.matrix();
  if (state.m_chosen_input != m_shown_input) {
    show_input(m_shown_input, false);
    show_input(state.m_chosen_input, true);
    m_shown_input = state.m_chosen_input;
  }
  redraw_outputs(state.m_chosen_input);
}

void MatrixPage::show_input(int n, bool selected) {
  if (!is_routing_key(n)) return;
  input_button(n)->set_bitmap(selected ? bitmap::digit_green(n) : bitmap::digit_grey(n));
}

void MatrixPage::redraw_outputs(std::uint8_t input) {
  for (int j = 1; j <= vela::matrix::kOutputCount; ++j) {
    const bool carries = input != 0 && m_context.matrix().m_routes[j - 1] == input;
    output_button(j)->set_bitmap(carries ? bitmap::digit_green(j) : bitmap::digit_grey(j));
  }
}

void MatrixPage::select_tab(int t) {
  const TabInfo* info = tab_info(t);
  if (info == nullptr || t == m_current_tab) return;
  if (const TabInfo* shown = tab_info(m_current_tab)) tab_button(m_current_tab)->set_bitmap(shown->normal_bitmap);
  if (m_sub_page != nullptr) {
    m_sub_page->hide();
    delete m_sub_page;
    m_sub_page = nullptr;
  }
  tab_button(t)->set_bitmap(info->active_bitmap);
  m_sub_page = create_sub_page(t);
  m_sub_page->setGeometry(m_sub_page_area);
  m_sub_page->show();
  m_current_tab = t;
}

QWidget* MatrixPage::create_sub_page(int t) {
  if (t == kSettingTab) return new MatrixConnectionTab(m_context, this);
  return new MatrixRoutingTab(m_context, this);
}

void MatrixPage::close_page() {
  delete m_sub_page;
  m_sub_page = nullptr;
}

void MatrixPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), vela::Skin::pixmap(bitmap::page_background, size()));
}

void MatrixPage::keyPressEvent(QKeyEvent* event) {
  if (!vela::swallow_enter_escape(event)) vela::DevicePage::keyPressEvent(event);
}
