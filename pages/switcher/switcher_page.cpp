#include "switcher/switcher_page.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "skin_button.h"
#include "control_id.h"
#include "diagnostics.h"
#include "enter_escape.h"
#include "page_context.h"
#include "skin.h"
#include "skin_style.h"
#include "skin_text.h"
#include "style_sheets.h"
#include "switcher/switcher_setup_dialog.h"
#include "switcher/chroma_key_panel.h"
#include "switcher/luma_key_panel.h"
#include "switcher/wipe_pattern_panel.h"
#include "switcher/camera_names_dialog.h"
#include "switcher/pip_panel.h"
#include "switcher/lever_panel.h"
#include "switcher/switcher_bitmaps.h"
#include "switcher_exchanges.h"
#include "switcher/switcher_shortcuts.h"

namespace {

namespace bitmap = vela::switcher_bitmap;
using vela::SettingsSubPage;
using vela::SwitcherState;

using vela::switcher_keys::Key;
using vela::switcher_keys::keys;
using vela::switcher_keys::kFtbId;

constexpr int kSettingsAreaId = 1166;
constexpr int kDurationEditId = 1040;
constexpr QRect kDurationEditPlace{560, 470, 40, 20};

QString duration_edit_style() {
  return QStringLiteral(
             "QLineEdit { color: %1; background: %2; border: 1px solid %3; border-radius: 2px;"
             " padding: 0; font-size: 11px; }")
      .arg(vela::css_colour(vela::style::accent), vela::css_colour(vela::style::field),
           vela::css_colour(vela::style::field_rim));
}

QWidget* create_settings_sub_page(vela::DevicePage* page, SettingsSubPage kind) {
  vela::PageContext& context = page->context();
  switch (kind) {
    case SettingsSubPage::Transition:
      return new WipePatternPanel(context, page);
    case SettingsSubPage::LumaKey:
      return new LumaKeyPanel(context, page);
    case SettingsSubPage::ChromaKey:
      return new ChromaKeyPanel(context, page);
    case SettingsSubPage::Pip:
      return new PipPanel(context, page);
  }
  return nullptr;
}

QDialog* create_dialog(vela::DevicePage* page, bool configuration) {
  vela::PageContext& context = page->context();
  if (configuration) return new SwitcherSetupDialog(context, page);
  return new CameraNamesDialog(context, page);
}

}  // namespace

SwitcherPage::SwitcherPage(vela::PageContext& context, QWidget* parent)
    : vela::DevicePage(QStringLiteral("SwitcherPage"), kTemplateId, context, parent) {
  vela::register_switcher_bitmaps();
  m_ftb_blink_timer.setInterval(kFtbBlinkMs);
  m_ftb_blink_timer.setObjectName(QStringLiteral("timer%1").arg(kFtbBlinkTimerId));
  connect(&m_ftb_blink_timer, &QTimer::timeout, this, &SwitcherPage::on_ftb_blink);
  create_controls();
  m_record_changes = context.record_changes().observe([this](vela::RecordPart part) {
    if (part == vela::RecordPart::Switcher) follow_record();
  });
  open_with(context);
}

SwitcherPage::~SwitcherPage() { release(); }

void SwitcherPage::create_controls() {
  for (std::size_t row = 0; row < keys().size(); ++row) {
    const vela::switcher_keys::KeySpec& key = keys()[row];
    auto* button = new SkinButton(this);
    vela::set_control_id(button, key.id);
    button->setup_skinned(key.place, vela::switcher_keys::pictures_of(key).normal);
    button->setAccessibleName(QString::fromLatin1(key.caption));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QAbstractButton::clicked, this, [this, row] { on_key(row); });
    m_buttons.emplace_back(key.id, button);
  }
  m_duration_edit = new QLineEdit(QStringLiteral("02:00"), this);
  vela::set_control_id(m_duration_edit, kDurationEditId);
  m_duration_edit->setGeometry(kDurationEditPlace);
  m_duration_edit->setAlignment(Qt::AlignCenter);
  // The keys take no focus either: a click puts the operator in the field.
  m_duration_edit->setFocusPolicy(Qt::ClickFocus);
  m_duration_edit->setStyleSheet(duration_edit_style());
  m_lever_panel = new vela::LeverPanel(*this, m_context, *this, *m_duration_edit);
  auto* area = new QWidget(this);
  vela::set_control_id(area, kSettingsAreaId);
  area->setGeometry(kSettingsArea);
  area->setAttribute(Qt::WA_TransparentForMouseEvents);
  m_shortcuts = new vela::SwitcherShortcuts(*this, *this);
}

void SwitcherPage::open_with(vela::PageContext& context) {
  SwitcherState& state = context.switcher();
  vela::switcher_bus::open_page(state);
  m_settings_sub_page = create_settings_sub_page(this, SettingsSubPage::Transition);
  m_settings_sub_page->setGeometry(kSettingsArea);
  m_settings_sub_page->show();
  state.settings_sub_page = SettingsSubPage::Transition;
  m_lever_panel->open();
  // A page opened again shows what the record keeps, FTB blinking included.
  context.record_changes().changed(vela::RecordPart::Switcher);
  vela::UdpLink& udp = context.m_link.udp_link();
  if (!udp.prepare_command_socket(context.m_link.current_device())) {
    vela::diag("create socket fail\n");
  } else {
    m_lever_panel->start_worker();
  }
}

SkinButton* SwitcherPage::button(int id) const {
  for (const auto& [key_id, button] : m_buttons) {
    if (key_id == id) return button;
  }
  return nullptr;
}

SkinButton* SwitcherPage::bus_button(bool program_bus, std::uint8_t source) const {
  const Key bus = program_bus ? Key::Program : Key::Preview;
  for (std::size_t row = 0; row < keys().size(); ++row) {
    if (keys()[row].key == bus && keys()[row].source == source) return m_buttons[row].second;
  }
  return nullptr;
}

void SwitcherPage::follow_record() {
  if (m_context.switcher().fade_to_black_flag != 0) {
    if (!m_ftb_blink_timer.isActive()) m_ftb_blink_timer.start();
  } else {
    m_ftb_blink_timer.stop();
  }
  show_record();
}

void SwitcherPage::show_record() {
  for (std::size_t row = 0; row < keys().size(); ++row) {
    if (keys()[row].id == kFtbId && m_ftb_blink_timer.isActive()) continue;
    m_buttons[row].second->set_bitmap(vela::switcher_keys::picture_for(keys()[row], m_context.switcher()));
  }
}

void SwitcherPage::on_key(std::size_t row) {
  const vela::switcher_keys::KeySpec& key = keys()[row];
  if (const auto rule = vela::switcher_keys::rule_of(key.key)) {
    on_rule_key(*rule, key.source);
    return;
  }
  switch (key.key) {
    case Key::Auto:
      m_lever_panel->on_auto();
      break;
    case Key::Setup:
      on_dialog(m_configuration_dialog, true);
      break;
    case Key::Names:
      on_dialog(m_camera_names_dialog, false);
      break;
    default:
      break;
  }
}

void SwitcherPage::on_rule_key(vela::switcher_bus::Press press, std::uint8_t source) {
  const vela::switcher_bus::Outcome outcome =
      vela::switcher_exchanges::press(m_context.m_link, m_context.switcher(), m_context.record_changes(), press, source);
  if (!outcome.refused && outcome.sub_page) show_settings_sub_page(*outcome.sub_page);
}

void SwitcherPage::on_ftb_blink() {
  button(kFtbId)->set_bitmap(m_ftb_blink_phase == 0 ? bitmap::ftb_normal : bitmap::ftb_lit);
  m_ftb_blink_phase = m_ftb_blink_phase == 0 ? 1 : 0;
}

void SwitcherPage::show_settings_sub_page(SettingsSubPage kind) {
  if (m_context.switcher().settings_sub_page == kind) return;
  if (m_settings_sub_page != nullptr) {
    m_settings_sub_page->hide();
    delete m_settings_sub_page;
  }
  m_settings_sub_page = create_settings_sub_page(this, kind);
  m_settings_sub_page->setGeometry(kSettingsArea);
  m_settings_sub_page->show();
  m_context.switcher().settings_sub_page = kind;
}

void SwitcherPage::on_dialog(QDialog*& dialog, bool configuration) {
  if (dialog == nullptr) {
    vela::diag("m_pSetConfigure = null \n");
    dialog = create_dialog(this, configuration);
    dialog->setGeometry(QRect(mapToGlobal(QPoint(0, 0)) + kDialogOffset, kDialogSize));
  }
  dialog->show();
}

void SwitcherPage::close_page() { release(); }

void SwitcherPage::stop_senders() { m_lever_panel->stop_worker(); }

void SwitcherPage::release() {
  if (m_released) return;
  m_released = true;
  m_ftb_blink_timer.stop();
  // The worker sends on the socket: it ends before the socket closes.
  m_lever_panel->stop_worker();
  vela::UdpLink& udp = m_context.m_link.udp_link();
  if (udp.m_command_socket_fd != -1) {
    udp.close();
    vela::diag("close the switcher socket \n");
  }
}

void SwitcherPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), vela::Skin::pixmap(bitmap::background, size()));
  const vela::DeviceEntry* device = m_context.m_link.current_device();
  if (device == nullptr) return;
  const QString where = QString::fromStdString(device->address_text());
  vela::paint_label(p, QRectF(620, 16, width() - 640, 28), where, vela::style::accent, 13,
                    Qt::AlignRight | Qt::AlignVCenter);
}

void SwitcherPage::keyPressEvent(QKeyEvent* event) {
  if (!vela::swallow_enter_escape(event)) vela::DevicePage::keyPressEvent(event);
}
