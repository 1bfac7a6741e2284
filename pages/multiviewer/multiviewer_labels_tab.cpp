#include "multiviewer/multiviewer_labels_tab.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <tuple>

#include "control_id.h"
#include "diagnostics.h"
#include "drop_down_list.h"
#include "multiviewer/multiviewer_preview_host.h"
#include "multiviewer/label_edit.h"
#include "multiviewer/multiviewer_fields.h"
#include "multiviewer_exchanges.h"
#include "multiviewer_settings_changes.h"
#include "multiviewer_window_changes.h"
#include "multiviewer_protocol.h"
#include "page_context.h"

namespace {

namespace mv = vela::multiviewer;
namespace fields = vela::multiviewer_fields;

constexpr int kGroupBoxId = 1030;
constexpr int kFirstHiddenCaptionId = 1254;  // "Window11" to "Window16"; 1 to 10 have none

// Labels: two columns of eight, caption beside field.
constexpr int kColumnX[2] = {24, 250};
constexpr int kFirstRowY = 100;
constexpr int kRowPitch = 38;
constexpr QSize kCaptionSize(74, 26);
constexpr QSize kFieldSize(138, 26);

}  // namespace

MultiviewerLabelsTab::MultiviewerLabelsTab(vela::MultiviewerPreviewHost& container, QWidget* parent)
    : MultiviewerSubPageBase(container, parent, kTemplateId, kGroupBoxId) {
  set_separator_lines({QLine(20, 80, 470, 80)});
  setStyleSheet(styleSheet() + fields::edit_field_style());
  create_controls();
  const vela::MultiviewerState& state = m_context.multiviewer();
  const bool ten_windows = m_context.m_model_window_count == 10;
  for (int w = 1; w <= 16; ++w) {
    label_field(w)->set_label(QString::fromStdU16String(state.m_window_label[w - 1]));
    label_field(w)->setVisible(!(ten_windows && w > 10));
    window_caption(w)->setVisible(!(ten_windows && w > 10));
  }
  fields::select_quietly(m_display_list, state.m_labels_visible != 0 ? 1 : 0);
}

void MultiviewerLabelsTab::create_controls() {
  fields::make_caption(this, QStringLiteral("All Channel UMD"), QRect(24, 30, 150, 26));
  m_display_list = fields::make_list(this, kDisplayListId, QRect(174, 30, 150, 26),
                                     {QStringLiteral("UMD OFF"), QStringLiteral("UMD ON")});
  connect(m_display_list, &QComboBox::activated, this, [this](int item) { switch_all_labels(item); });
  // Kept from the device's own panel layout, never shown.
  for (const auto& [id, caption, value] :
       {std::tuple{kAllOnButtonId, "All Channel On", 1}, std::tuple{kAllOffButtonId, "All Channel Off", 0}}) {
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    vela::set_control_id(button, id);
    button->hide();
    connect(button, &QPushButton::clicked, this, [this, v = value] { switch_all_labels(v); });
  }
  for (int w = 1; w <= 16; ++w) {
    const QPoint at(kColumnX[(w - 1) / 8], kFirstRowY + ((w - 1) % 8) * kRowPitch);
    QLabel* caption = fields::make_caption(this, QStringLiteral("Window%1").arg(w), QRect(at, kCaptionSize));
    if (w > 10) vela::set_control_id(caption, kFirstHiddenCaptionId + w - 11);
    m_captions[w - 1] = caption;

    auto* field = new LabelEdit(this);
    vela::set_control_id(field, label_field_id(w));
    field->setGeometry(QRect(at + QPoint(kCaptionSize.width(), 0), kFieldSize));
    m_fields[w - 1] = field;
  }
}

void MultiviewerLabelsTab::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    MultiviewerSubPageBase::keyPressEvent(event);
    return;
  }
  event->accept();
  on_enter();
}

void MultiviewerLabelsTab::on_enter() {
  int window = 0;
  for (int w = 1; w <= 16 && window == 0; ++w) {
    if (label_field(w)->hasFocus()) window = w;
  }
  m_umd_string_index = static_cast<std::int8_t>(window - 1);
  vela::diag("m_umd_string_index = %d \n", m_umd_string_index);
  if (window == 0) return;
  vela::multiviewer_window_changes::set_label(m_context.m_link, m_context.multiviewer(), m_context.record_changes(),
                                              static_cast<std::uint8_t>(window),
                                              label_field(window)->text().toStdU16String());
}

void MultiviewerLabelsTab::switch_all_labels(int value) {
  vela::multiviewer_settings_changes::switch_labels(m_context.m_link, m_context.multiviewer(),
                                                    m_context.record_changes(), static_cast<std::uint8_t>(value));
}
