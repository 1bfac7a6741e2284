#include "multiviewer/multiviewer_layout_tab.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "skin_button.h"
#include "control_id.h"
#include "drop_down_list.h"
#include "multiviewer/multiviewer_preview_host.h"
#include "multiviewer/multiviewer_bitmaps.h"
#include "multiviewer_exchanges.h"
#include "multiviewer_settings_changes.h"
#include "multiviewer_window_changes.h"
#include "multiviewer_protocol.h"
#include "page_context.h"

namespace {

namespace mv = vela::multiviewer;
namespace bitmap = vela::multiviewer_bitmap;

constexpr int kGroupBoxId = 1028;
constexpr int kFirstLayoutButtonId = 1032;
constexpr int kFirstCaptionId = 1075;
constexpr int kFirstSourceListId = 1101;
constexpr int kSixteenWindowIndex = 6;

constexpr std::array<QPoint, mv::kLayoutCount> kLayoutButtonAt = {
    {{40, 60}, {140, 60}, {40, 130}, {140, 130}, {40, 200}, {140, 200}, {40, 270}}};

// Window sources: two columns of eight, caption over list.
constexpr int kSourceColumnX[2] = {254, 366};
constexpr int kSourceTop = 22;
constexpr int kSourceRowPitch = 48;
constexpr QSize kSourceListSize(102, 26);

QString window_caption_text(int window) {
  return window < 10 ? QStringLiteral("WIN   %1").arg(window) : QStringLiteral("WIN  %1").arg(window);
}

}  // namespace

MultiviewerLayoutTab::MultiviewerLayoutTab(vela::MultiviewerPreviewHost& container, QWidget* parent)
    : MultiviewerSubPageBase(container, parent, kTemplateId, kGroupBoxId) {
  set_separator_lines({QLine(240, 20, 240, 400)});
  create_controls();
  const vela::MultiviewerState& state = m_context.multiviewer();
  const bool ten_windows = m_context.m_model_window_count == 10;
  m_layout_buttons[kSixteenWindowIndex]->setVisible(!ten_windows);
  select_layout(state.m_settings.mode_type + 1);
  for (int w = 1; w <= 16; ++w) {
    QComboBox* list = source_list(w);
    const QSignalBlocker quiet(list);
    const int source = state.m_window_source[w - 1];
    list->setCurrentIndex(source >= 1 && source <= list->count() ? source - 1 : -1);
    list->setVisible(!(ten_windows && w > 10));
    window_caption(w)->setVisible(!(ten_windows && w > 10));
  }
}

void MultiviewerLayoutTab::create_controls() {
  for (int i = 0; i < mv::kLayoutCount; ++i) {
    auto* button = new SkinButton(this);
    vela::set_control_id(button, kFirstLayoutButtonId + i);
    button->setup_skinned(QRect(kLayoutButtonAt[i], bitmap::layout_size), bitmap::layout_normal(i));
    button->setToolTip(QString::fromUtf8(mv::kLayouts[i].text));
    connect(button, &QAbstractButton::clicked, this, [this, i] { on_layout_button(i); });
    m_layout_buttons[i] = button;
  }
  for (int w = 1; w <= 16; ++w) {
    const int column = (w - 1) / 8;
    const int row = (w - 1) % 8;
    const QPoint at(kSourceColumnX[column], kSourceTop + row * kSourceRowPitch);
    auto* caption = new QLabel(window_caption_text(w), this);
    vela::set_control_id(caption, kFirstCaptionId + w - 1);
    caption->setGeometry(QRect(at, QSize(kSourceListSize.width(), 16)));
    m_captions[w - 1] = caption;

    auto* list = new DropDownList(this);
    vela::set_control_id(list, kFirstSourceListId + w - 1);
    list->setGeometry(QRect(at + QPoint(0, 17), kSourceListSize));
    for (int input = 1; input <= 16; ++input) list->addItem(QString::asprintf("SDI %d", input));
    list->setCurrentIndex(-1);
    // Only the operator's choice sends; filling and marking from code do not.
    connect(list, &QComboBox::activated, this, [this, w](int item) { on_source_chosen(w, item); });
    m_source_lists[w - 1] = list;
  }
}

void MultiviewerLayoutTab::on_layout_button(int index) {
  m_context.multiviewer().m_layout_window_count = mv::kLayouts[index].code;
  select_layout(index + 1);
}

void MultiviewerLayoutTab::set_layout_picture(int selection, bool selected) {
  if (selection < 1 || selection > mv::kLayoutCount) return;
  const int index = selection - 1;
  layout_button(index)->set_bitmap(selected ? bitmap::layout_selected(index) : bitmap::layout_normal(index));
}

void MultiviewerLayoutTab::select_layout(int s) {
  const vela::MultiviewerState& state = m_context.multiviewer();
  // Until the device was read once, a lock it may hold refuses layouts.
  if (state.state_read == 0 && state.m_settings.lock_state != 0) return;
  if (s == m_layout_selection) return;
  set_layout_picture(m_layout_selection, false);
  set_layout_picture(s, true);
  for (int w = 1; w <= 16; ++w) {
    const bool in_layout = w <= state.m_layout_window_count;
    window_caption(w)->setEnabled(in_layout);
    source_list(w)->setEnabled(in_layout);
  }
  const int old_selection = m_layout_selection;
  m_layout_selection = static_cast<std::int8_t>(s);
  if (old_selection == kNoSelection) return;
  vela::multiviewer_settings_changes::send_layout(m_context.m_link, m_context.multiviewer(), m_context.record_changes(),
                                                  s - 1);
}

void MultiviewerLayoutTab::on_source_chosen(int window, int item) {
  if (item < 0) return;
  vela::multiviewer_window_changes::set_source(m_context.m_link, m_context.multiviewer(), m_context.record_changes(),
                                               static_cast<std::uint8_t>(window), static_cast<std::uint8_t>(item + 1));
}
