#include "switcher/switcher_setup_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "control_id.h"
#include "drop_down_list.h"
#include "skin_group_box.h"
#include "page_context.h"
#include "switcher_exchanges.h"
#include "switcher/switcher_settings_widgets.h"

namespace {

namespace sw = vela::switcher;
namespace widgets = vela::switcher_widgets;

struct GroupInfo {
  int id;
  const char* caption;
  QRect place;
};
constexpr GroupInfo kResolutionGroup{1229, "Resolution", QRect(10, 10, 300, 60)};
constexpr GroupInfo kRateGroup{1230, "Slider Rate", QRect(10, 80, 300, 130)};
constexpr GroupInfo kWindowGroup{1231, "Window Input", QRect(10, 210, 300, 300)};

constexpr int kResolutionCaptionId = 1227;
constexpr int kResolutionListId = 1228;

// Each row: a caption on the left, the row's fields from kFieldX on.
constexpr int kCaptionX = 26;
constexpr int kCaptionWidth = 88;
constexpr int kFieldX = 118;
constexpr int kFieldWidth = 176;
constexpr int kRowHeight = 26;
constexpr int kResolutionTop = 32;
constexpr int kFirstRateTop = 102;
constexpr int kRatePitch = 34;
constexpr int kFirstWindowTop = 234;
constexpr int kWindowPitch = 33;

constexpr int kRateCaptionIds[] = {1211, 1212, 1213};
constexpr int kRateDownIds[] = {1032, 1034, 1036};
constexpr int kRateUpIds[] = {1033, 1035, 1037};
constexpr int kRateEditIds[] = {1040, 1041, 1042};
constexpr int kWindowListIds[] = {1208, 1209, 1210, 1218, 1220, 1222, 1224, 1226};
constexpr int kStepButtonWidth = 34;
const QString kFirstRateText = QStringLiteral("0.1");

QRect caption_place(int top) { return {kCaptionX, top, kCaptionWidth, kRowHeight}; }
QRect field_place(int top) { return {kFieldX, top, kFieldWidth, kRowHeight}; }

void make_group(QWidget* parent, const GroupInfo& info) {
  auto* group = new SkinGroupBox(parent);
  vela::set_control_id(group, info.id);
  group->set_text(QString::fromLatin1(info.caption));
  group->setGeometry(info.place);
}

QPushButton* make_step_button(QWidget* parent, int id, const QString& caption, const QRect& place) {
  auto* button = new QPushButton(caption, parent);
  vela::set_control_id(button, id);
  // Enter hides the dialog rather than pressing the focused button.
  button->setAutoDefault(false);
  // A narrow key: no side padding, a caption large enough to read "-" and "+".
  button->setStyleSheet(QStringLiteral("padding: 0; font-size: 17px;"));
  button->setGeometry(place);
  return button;
}

}  // namespace

SwitcherSetupDialog::SwitcherSetupDialog(vela::PageContext& context, QWidget* parent)
    : SwitcherDialog(context, parent, QStringLiteral("Switcher Configure"), kTemplateId) {
  create_resolution_group();
  create_rate_group();
  create_window_group();
}

void SwitcherSetupDialog::create_resolution_group() {
  make_group(this, kResolutionGroup);
  vela::set_control_id(widgets::make_caption(this, QStringLiteral("Resolution"), caption_place(kResolutionTop)),
                       kResolutionCaptionId);
  QStringList items;
  for (const sw::ResolutionEntry& entry : sw::kResolutions) items << QString::fromLatin1(entry.text);
  m_resolution_list = widgets::make_list(this, kResolutionListId, field_place(kResolutionTop), items);
  connect(m_resolution_list, &QComboBox::activated, this, &SwitcherSetupDialog::on_resolution_chosen);
}

void SwitcherSetupDialog::create_rate_group() {
  make_group(this, kRateGroup);
  for (int r = 1; r <= kRateCount; ++r) {
    const std::size_t i = static_cast<std::size_t>(r - 1);
    const int top = kFirstRateTop + (r - 1) * kRatePitch;
    vela::set_control_id(widgets::make_caption(this, QStringLiteral("Rate %1").arg(r), caption_place(top)),
                         kRateCaptionIds[i]);
    const QRect field = field_place(top);
    m_down_buttons[i] = make_step_button(this, kRateDownIds[i], QStringLiteral("-"),
                                         QRect(field.left(), top, kStepButtonWidth, kRowHeight));
    m_rate_edits[i] = widgets::make_value_edit(
        this, kRateEditIds[i], field.adjusted(kStepButtonWidth + 6, 0, -(kStepButtonWidth + 6), 0), kFirstRateText);
    m_rate_edits[i]->setAlignment(Qt::AlignCenter);
    m_up_buttons[i] = make_step_button(this, kRateUpIds[i], QStringLiteral("+"),
                                       QRect(field.right() + 1 - kStepButtonWidth, top, kStepButtonWidth, kRowHeight));
    connect(m_down_buttons[i], &QPushButton::clicked, this, [this, r] { on_rate_step(r, false); });
    connect(m_up_buttons[i], &QPushButton::clicked, this, [this, r] { on_rate_step(r, true); });
  }
}

void SwitcherSetupDialog::create_window_group() {
  make_group(this, kWindowGroup);
  const QStringList sources = widgets::source_list_items(sw::SourceListStyle::underscored);
  for (int w = 1; w <= kWindowCount; ++w) {
    const std::size_t i = static_cast<std::size_t>(w - 1);
    const int top = kFirstWindowTop + (w - 1) * kWindowPitch;
    widgets::make_caption(this, QStringLiteral("Wnd%1").arg(w), caption_place(top));
    m_window_lists[i] = widgets::make_list(this, kWindowListIds[i], field_place(top), sources);
    connect(m_window_lists[i], &QComboBox::activated, this, [this, w](int index) { on_window_input_chosen(w, index); });
  }
}

QPushButton* SwitcherSetupDialog::rate_button(int rate, bool up) const {
  const std::size_t i = static_cast<std::size_t>(rate - 1);
  return up ? m_up_buttons[i] : m_down_buttons[i];
}

void SwitcherSetupDialog::on_resolution_chosen(int index) {
  const std::uint8_t payload[] = {sw::resolution_code(index)};
  vela::switcher_exchanges::send(m_context.m_link, sw::code::kOutputResolution, payload);
}

void SwitcherSetupDialog::on_rate_step(int rate, bool up) {
  QLineEdit* edit = rate_edit(rate);
  const std::optional<int> tenths = sw::stepped_rate(edit->text().toStdString(), up);
  if (!tenths) return;
  vela::switcher_exchanges::send(m_context.m_link, sw::code::kSliderRate,
                                 sw::byte_u16_payload(static_cast<std::uint8_t>(rate), sw::rate_milliseconds(*tenths)));
  edit->setText(QString::fromStdString(sw::rate_text(*tenths)));
}

void SwitcherSetupDialog::on_window_input_chosen(int window, int index) {
  if (index < 0) return;
  const std::uint8_t payload[] = {static_cast<std::uint8_t>(window), static_cast<std::uint8_t>(index)};
  vela::switcher_exchanges::send(m_context.m_link, sw::code::kWindowInput, payload);
}
