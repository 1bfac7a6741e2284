#include "switcher/camera_names_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "control_id.h"
#include "page_context.h"
#include "switcher_exchanges.h"
#include "switcher/switcher_settings_widgets.h"

namespace {

constexpr int kFirstEditId = 1240;
constexpr int kFirstSetId = 1260;
constexpr int kFirstRowTop = 22;
constexpr int kRowPitch = 46;
constexpr int kRowHeight = 28;
constexpr QRect kCaptionColumn(22, 0, 92, kRowHeight);
constexpr QRect kEditColumn(116, 0, 118, kRowHeight);
constexpr QRect kSetColumn(242, 0, 56, kRowHeight);

QString row_caption(int camera_index) {
  if (camera_index == vela::kCameraNameCount - 1) return QStringLiteral("MP 1");
  return QString::asprintf("Camera %2d", camera_index + 1);
}

}  // namespace

CameraNamesDialog::CameraNamesDialog(vela::PageContext& context, QWidget* parent)
    : SwitcherDialog(context, parent, QStringLiteral("Switcher UMD"), kTemplateId) {
  for (int i = 0; i < vela::kCameraNameCount; ++i) {
    const std::size_t n = static_cast<std::size_t>(i);
    const int top = kFirstRowTop + i * kRowPitch;
    vela::switcher_widgets::make_caption(this, row_caption(i), kCaptionColumn.translated(0, top));
    auto* edit = new QLineEdit(this);
    vela::set_control_id(edit, kFirstEditId + i);
    edit->setMaxLength(kNameLimit);
    edit->setGeometry(kEditColumn.translated(0, top));
    m_edits[n] = edit;
    auto* set = new QPushButton(QStringLiteral("Set"), this);
    vela::set_control_id(set, kFirstSetId + i);
    // Enter hides the dialog rather than pressing the focused button.
    set->setAutoDefault(false);
    set->setGeometry(kSetColumn.translated(0, top));
    connect(set, &QPushButton::clicked, this, [this, i] { on_set(i); });
    m_set_buttons[n] = set;
  }
}

void CameraNamesDialog::on_set(int camera_index) {
  m_context.camera_names()[static_cast<std::size_t>(camera_index)] = name_edit(camera_index)->text().toStdU16String();
  vela::switcher_exchanges::send_camera_name(m_context.m_link, m_context.camera_names(), camera_index);
}
