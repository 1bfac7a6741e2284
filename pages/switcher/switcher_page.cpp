#include "switcher/switcher_page.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <array>

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
#include "switcher/switcher_link.h"
#include "switcher/switcher_shortcuts.h"
#include "switcher_protocol.h"

namespace {

namespace bitmap = vela::switcher_bitmap;
namespace code = vela::switcher::code;
using vela::SettingsSubPage;
using vela::SwitcherLayer;
using vela::SwitcherState;
using vela::TransitionType;

enum class Key { Program, Preview, Pip, Key1, Key2, Background, OnAir, Mix, Dip, Wipe, Cut, Auto, Ftb, Setup, Names };

struct KeySpec {
  int id;
  QRect place;
  Key key;
  std::uint8_t source;  // bus source number of a bus key
  const char* caption;
};

constexpr QSize kBus = bitmap::bus_size;
constexpr QSize kLarge = bitmap::large_size;
constexpr QSize kSmall = bitmap::small_key_size;

constexpr KeySpec kKeys[] = {
    {1032, {{10, 120}, kBus}, Key::Program, 1, "1"},
    {1033, {{80, 120}, kBus}, Key::Program, 2, "2"},
    {1011, {{150, 120}, kBus}, Key::Program, 3, "3"},
    {1107, {{220, 120}, kBus}, Key::Program, 4, "4"},
    {1108, {{10, 200}, kBus}, Key::Program, 5, "5"},
    {1109, {{80, 200}, kBus}, Key::Program, 6, "6"},
    {1110, {{150, 200}, kBus}, Key::Program, 7, "7"},
    {1111, {{220, 200}, kBus}, Key::Program, 8, "8"},
    {1120, {{290, 200}, kBus}, Key::Program, vela::bus_source::kMp1, "MP1"},
    {1034, {{10, 340}, kBus}, Key::Preview, 1, "1"},
    {1035, {{80, 340}, kBus}, Key::Preview, 2, "2"},
    {1012, {{150, 340}, kBus}, Key::Preview, 3, "3"},
    {1112, {{220, 340}, kBus}, Key::Preview, 4, "4"},
    {1113, {{10, 420}, kBus}, Key::Preview, 5, "5"},
    {1114, {{80, 420}, kBus}, Key::Preview, 6, "6"},
    {1115, {{150, 420}, kBus}, Key::Preview, 7, "7"},
    {1116, {{220, 420}, kBus}, Key::Preview, 8, "8"},
    {1155, {{290, 420}, kBus}, Key::Preview, vela::bus_source::kMp1, "MP1"},
    {1131, {{395, 120}, kBus}, Key::Pip, 0, "PIP"},
    {1144, {{465, 120}, kBus}, Key::Key1, 0, "KEY 1"},
    {1145, {{535, 120}, kBus}, Key::Key2, 0, "KEY 2"},
    {1135, {{395, 200}, kBus}, Key::Background, 0, "BKGD"},
    {1134, {{535, 200}, kBus}, Key::OnAir, 0, "ON AIR"},
    {1136, {{395, 340}, kBus}, Key::Mix, 0, "MIX"},
    {1162, {{465, 340}, kBus}, Key::Dip, 0, "DIP"},
    {1132, {{535, 340}, kBus}, Key::Wipe, 0, "WIPE"},
    {SwitcherPage::kCutId, {{395, 420}, kLarge}, Key::Cut, 0, "Cut"},
    {SwitcherPage::kAutoId, {{480, 420}, kLarge}, Key::Auto, 0, "Auto"},
    {1152, {{800, 420}, kLarge}, Key::Ftb, 0, "FTB"},
    {1039, {{600, 550}, kSmall}, Key::Setup, 0, "Button10"},
    {1210, {{640, 550}, kSmall}, Key::Names, 0, "Button11"},
};

constexpr int kFtbId = 1152;
constexpr int kSettingsAreaId = 1166;
constexpr int kDurationEditId = 1040;
constexpr QRect kDurationEditPlace{560, 470, 40, 20};

// A key's picture: lit when `lit`, else normal.
struct Pictures {
  int normal;
  int lit;
};

Pictures pictures_of(const KeySpec& key) {
  switch (key.key) {
    case Key::Program:
    case Key::Preview:
      return {bitmap::bus_normal(key.source), bitmap::bus_red(key.source)};
    case Key::Pip:
      return {bitmap::pip_normal, bitmap::pip_lit};
    case Key::Key1:
      return {bitmap::key1_normal, bitmap::key1_lit};
    case Key::Key2:
      return {bitmap::key2_normal, bitmap::key2_lit};
    case Key::Background:
      return {bitmap::bkgd_normal, bitmap::bkgd_lit};
    case Key::OnAir:
      return {bitmap::on_air_normal, bitmap::on_air_lit};
    case Key::Mix:
      return {bitmap::mix_normal, bitmap::mix_lit};
    case Key::Dip:
      return {bitmap::dip_normal, bitmap::dip_lit};
    case Key::Wipe:
      return {bitmap::wipe_normal, bitmap::wipe_lit};
    case Key::Cut:
      return {bitmap::cut, bitmap::cut};
    case Key::Auto:
      return {bitmap::auto_normal, bitmap::auto_lit};
    case Key::Ftb:
      return {bitmap::ftb_normal, bitmap::ftb_lit};
    case Key::Setup:
    case Key::Names:
      return {bitmap::small_key, bitmap::small_key};
  }
  return {};
}

// The picture the record asks for (FTB: only whether it rests).
int picture_for(const KeySpec& key, const SwitcherState& state) {
  const Pictures pictures = pictures_of(key);
  switch (key.key) {
    case Key::Program:
      return state.program_source == key.source ? pictures.lit : pictures.normal;
    case Key::Preview:
      if (state.preview_source != key.source) return pictures.normal;
      return state.transition_running ? bitmap::bus_red(key.source) : bitmap::bus_green(key.source);
    case Key::Pip:
      return state.lit_layer == SwitcherLayer::Pip ? pictures.lit : pictures.normal;
    case Key::Key1:
      return state.lit_layer == SwitcherLayer::Key1 ? pictures.lit : pictures.normal;
    case Key::Key2:
      return state.lit_layer == SwitcherLayer::Key2 ? pictures.lit : pictures.normal;
    case Key::Background:
      return state.background_flag ? pictures.lit : pictures.normal;
    case Key::OnAir:
      return state.on_air_flag ? pictures.lit : pictures.normal;
    case Key::Mix:
      return state.transition_type == TransitionType::Mix ? pictures.lit : pictures.normal;
    case Key::Dip:
      return state.transition_type == TransitionType::Dip ? pictures.lit : pictures.normal;
    case Key::Wipe:
      return state.transition_type == TransitionType::Wipe ? pictures.lit : pictures.normal;
    case Key::Auto:
      return state.transition_running ? pictures.lit : pictures.normal;
    case Key::Cut:
    case Key::Ftb:
    case Key::Setup:
    case Key::Names:
      return pictures.normal;
  }
  return pictures.normal;
}

std::uint8_t& layer_flag(SwitcherState& state, SwitcherLayer layer) {
  switch (layer) {
    case SwitcherLayer::Key1:
      return state.key1_flag;
    case SwitcherLayer::Key2:
      return state.key2_flag;
    default:
      return state.pip_flag;
  }
}

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
  open_with(context);
}

SwitcherPage::~SwitcherPage() { release(); }

void SwitcherPage::create_controls() {
  for (std::size_t row = 0; row < std::size(kKeys); ++row) {
    const KeySpec& key = kKeys[row];
    auto* button = new SkinButton(this);
    vela::set_control_id(button, key.id);
    button->setup_skinned(key.place, pictures_of(key).normal);
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
  m_lever_panel = new vela::LeverPanel(*this, *m_duration_edit);
  auto* area = new QWidget(this);
  vela::set_control_id(area, kSettingsAreaId);
  area->setGeometry(kSettingsArea);
  area->setAttribute(Qt::WA_TransparentForMouseEvents);
  m_shortcuts = new vela::SwitcherShortcuts(*this);
}

void SwitcherPage::open_with(vela::PageContext& context) {
  SwitcherState& state = context.switcher();
  state.background_flag = 1;
  state.transition_type = TransitionType::Mix;
  m_settings_sub_page = create_settings_sub_page(this, SettingsSubPage::Transition);
  m_settings_sub_page->setGeometry(kSettingsArea);
  m_settings_sub_page->show();
  state.settings_sub_page = SettingsSubPage::Transition;
  m_lever_panel->open(context);
  // A page opened again shows what the record keeps, FTB blinking included.
  show_record();
  if (state.fade_to_black_flag) m_ftb_blink_timer.start();
  vela::UdpLink& udp = context.m_link.udp;
  if (!udp.prepare_command_socket(context.m_link.current_device())) {
    vela::diag("create socket fail\n");
  } else {
    m_lever_panel->start_worker(context);
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
  for (std::size_t row = 0; row < std::size(kKeys); ++row) {
    if (kKeys[row].key == bus && kKeys[row].source == source) return m_buttons[row].second;
  }
  return nullptr;
}

void SwitcherPage::show_record() {
  const vela::PageContext* context = &m_context;
  for (std::size_t row = 0; row < std::size(kKeys); ++row) {
    if (kKeys[row].id == kFtbId && m_ftb_blink_timer.isActive()) continue;
    m_buttons[row].second->set_bitmap(picture_for(kKeys[row], context->switcher()));
  }
}

void SwitcherPage::on_key(std::size_t row) {
  vela::PageContext* context = &m_context;
  const KeySpec& key = kKeys[row];
  switch (key.key) {
    case Key::Program:
      on_program(*context, key.source);
      break;
    case Key::Preview:
      on_preview(*context, key.source);
      break;
    case Key::Pip:
      on_layer(*context, SwitcherLayer::Pip);
      break;
    case Key::Key1:
      on_layer(*context, SwitcherLayer::Key1);
      break;
    case Key::Key2:
      on_layer(*context, SwitcherLayer::Key2);
      break;
    case Key::Background:
      on_background(*context);
      break;
    case Key::OnAir:
      on_on_air(*context);
      break;
    case Key::Mix:
      on_transition_type(*context, TransitionType::Mix);
      break;
    case Key::Dip:
      on_transition_type(*context, TransitionType::Dip);
      break;
    case Key::Wipe:
      on_transition_type(*context, TransitionType::Wipe);
      break;
    case Key::Cut:
      on_cut(*context);
      break;
    case Key::Ftb:
      on_ftb(*context);
      break;
    case Key::Setup:
      on_dialog(m_configuration_dialog, true);
      break;
    case Key::Names:
      on_dialog(m_camera_names_dialog, false);
      break;
    case Key::Auto:
      m_lever_panel->on_auto();
      break;
  }
}

void SwitcherPage::on_program(vela::PageContext& context, std::uint8_t source) {
  context.switcher().program_source = source;
  show_record();
  const std::array<std::uint8_t, 1> payload{source};
  vela::switcher_link::send(context, code::kProgramSelect, payload);
}

void SwitcherPage::on_preview(vela::PageContext& context, std::uint8_t source) {
  context.switcher().preview_source = source;
  show_record();
  const std::array<std::uint8_t, 1> payload{source};
  vela::switcher_link::send(context, code::kPreviewSelect, payload);
}

void SwitcherPage::select_layer(SwitcherState& state, SwitcherLayer layer) {
  if (layer != SwitcherLayer::None) {
    for (const SwitcherLayer other : {SwitcherLayer::Pip, SwitcherLayer::Key1, SwitcherLayer::Key2}) {
      if (other != layer) layer_flag(state, other) = 0;
    }
  }
  state.lit_layer = layer;
}

void SwitcherPage::on_layer(vela::PageContext& context, SwitcherLayer layer) {
  SwitcherState& state = context.switcher();
  std::uint8_t& flag = layer_flag(state, layer);
  const std::uint8_t before = flag;
  if (before == 1) {
    // A lit layer goes off only while BKGD is on: one of them stays.
    if (state.background_flag == 0) return;
    flag = 0;
    vela::diag("ch = %d \n", 0);
    if (state.lit_layer != SwitcherLayer::None) select_layer(state, SwitcherLayer::None);
  } else {
    flag = 1;
    vela::diag("ch = %d \n", static_cast<int>(layer));
    if (state.lit_layer != layer) select_layer(state, layer);
  }
  show_record();
  switch (layer) {
    case SwitcherLayer::Pip:
      vela::switcher_link::send(context, code::kPipToggle);
      show_settings_sub_page(SettingsSubPage::Pip);
      break;
    case SwitcherLayer::Key1:
      vela::switcher_link::send(context, code::kKey1Toggle, std::array<std::uint8_t, 1>{before});
      show_settings_sub_page(SettingsSubPage::LumaKey);
      break;
    case SwitcherLayer::Key2:
      vela::switcher_link::send(context, code::kKey2Toggle, std::array<std::uint8_t, 1>{before});
      show_settings_sub_page(SettingsSubPage::ChromaKey);
      break;
    case SwitcherLayer::None:
      break;
  }
}

void SwitcherPage::on_background(vela::PageContext& context) {
  SwitcherState& state = context.switcher();
  vela::switcher_link::send(context, code::kBackgroundToggle, std::array<std::uint8_t, 1>{state.background_flag});
  // BKGD goes off only while a layer is lit: one of them stays.
  if (state.lit_layer == SwitcherLayer::None) return;
  state.background_flag ^= 1;
  show_record();
}

void SwitcherPage::on_on_air(vela::PageContext& context) {
  SwitcherState& state = context.switcher();
  vela::switcher_link::send(context, code::kOnAirToggle, std::array<std::uint8_t, 1>{state.on_air_flag});
  state.on_air_flag ^= 1;
  show_record();
}

void SwitcherPage::on_transition_type(vela::PageContext& context, TransitionType type) {
  static constexpr std::uint8_t kCodes[] = {0, code::kMixSelect, code::kDipSelect, code::kWipeSelect};
  vela::switcher_link::send(context, kCodes[static_cast<int>(type)]);
  context.switcher().transition_type = type;
  show_record();
  if (type == TransitionType::Wipe) show_settings_sub_page(SettingsSubPage::Transition);
}

void SwitcherPage::on_cut(vela::PageContext& context) {
  vela::switcher_link::send(context, code::kCut);
  vela::diag("send cut\n");
  swap_program_preview();
}

void SwitcherPage::swap_program_preview() {
  vela::PageContext* context = &m_context;
  SwitcherState& state = context->switcher();
  vela::diag("SwitchPvmPgm  \n");
  std::swap(state.program_source, state.preview_source);
  show_record();
}

void SwitcherPage::on_ftb(vela::PageContext& context) {
  SwitcherState& state = context.switcher();
  vela::switcher_link::send(context, code::kFadeToBlack);
  if (state.fade_to_black_flag == 0) {
    state.fade_to_black_flag = 1;
    m_ftb_blink_timer.start();
    return;
  }
  state.fade_to_black_flag = 0;
  m_ftb_blink_timer.stop();
  button(kFtbId)->set_bitmap(bitmap::ftb_normal);
}

void SwitcherPage::on_ftb_blink() {
  button(kFtbId)->set_bitmap(m_ftb_blink_phase == 0 ? bitmap::ftb_normal : bitmap::ftb_lit);
  m_ftb_blink_phase = m_ftb_blink_phase == 0 ? 1 : 0;
}

void SwitcherPage::show_settings_sub_page(SettingsSubPage kind) {
  vela::PageContext* context = &m_context;
  if (context->switcher().settings_sub_page == kind) return;
  if (m_settings_sub_page != nullptr) {
    m_settings_sub_page->hide();
    delete m_settings_sub_page;
  }
  m_settings_sub_page = create_settings_sub_page(this, kind);
  m_settings_sub_page->setGeometry(kSettingsArea);
  m_settings_sub_page->show();
  context->switcher().settings_sub_page = kind;
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
  vela::PageContext* context = &m_context;
  vela::UdpLink& udp = context->m_link.udp;
  if (udp.m_udpSockfd != -1) {
    udp.close();
    vela::diag("close the switcher socket \n");
  }
}

void SwitcherPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), vela::Skin::pixmap(bitmap::background, size()));
  const vela::PageContext* context = &m_context;
  const vela::DeviceEntry* device = context->m_link.current_device();
  if (device == nullptr) return;
  const QString where = QString::fromStdString(device->address_text());
  vela::paint_label(p, QRectF(620, 16, width() - 640, 28), where, vela::style::accent, 13,
                    Qt::AlignRight | Qt::AlignVCenter);
}

void SwitcherPage::keyPressEvent(QKeyEvent* event) {
  if (!vela::swallow_enter_escape(event)) vela::DevicePage::keyPressEvent(event);
}
