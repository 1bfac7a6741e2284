#include "multiviewer/multiviewer_settings_tab.h"

#include "skin_button.h"
#include "control_id.h"
#include "drop_down_list.h"
#include "ipv4_address_edit.h"
#include "multiviewer/multiviewer_preview_host.h"
#include "multiviewer/multiviewer_fields.h"
#include "multiviewer_exchanges.h"
#include "multiviewer_settings_changes.h"
#include "multiviewer_device_rules.h"
#include "multiviewer_protocol.h"
#include "operator_message.h"
#include "page_context.h"
#include "skin_style.h"
#include "skin_text.h"

namespace {

namespace mv = vela::multiviewer;
namespace fields = vela::multiviewer_fields;
namespace changes = vela::multiviewer_settings_changes;
using vela::MultiviewerSettings;

constexpr int kGroupBoxId = 1029;
constexpr int kSeparatorY = 180;

enum class Items { OnOff, AudioChannels, Resolutions };

struct SettingList {
  int id;
  const char* caption;
  Items items;
  QPoint at;  // caption's top left; the list lies beneath it
};

// Three columns of two: audio, resolution, window borders and lock.
constexpr std::array<SettingList, 6> kLists = {{
    {MultiviewerSettingsTab::kAudioMeterListId, "Audio Meter Enable", Items::OnOff, {28, 20}},
    {MultiviewerSettingsTab::kAudioSourceListId, "Audio Source", Items::AudioChannels, {28, 80}},
    {MultiviewerSettingsTab::kResolutionDisplayListId, "Resolution Enable", Items::OnOff, {178, 20}},
    {MultiviewerSettingsTab::kResolutionTypeListId, "Resolution Type", Items::Resolutions, {178, 80}},
    {MultiviewerSettingsTab::kBorderListId, "Border Enable", Items::OnOff, {328, 20}},
    {MultiviewerSettingsTab::kLockListId, "Lock State", Items::OnOff, {328, 80}},
}};
constexpr QSize kListCaptionSize(134, 20);
constexpr QSize kListSize(134, 26);

struct AddressField {
  int id;
  const char* caption;
  int y;
};
constexpr std::array<AddressField, 3> kAddressFields = {{
    {MultiviewerSettingsTab::kAddressFieldId, "IP Address", 200},
    {MultiviewerSettingsTab::kMaskFieldId, "Subnet Mask", 244},
    {MultiviewerSettingsTab::kGatewayFieldId, "Gateway", 288},
}};
constexpr int kAddressCaptionX = 40;
constexpr int kAddressFieldX = 170;
constexpr QSize kAddressFieldSize(180, 28);

constexpr QRect kDefaultButtonPlace(328, 138, 134, 30);
constexpr QRect kSetAddressButtonPlace(328, 336, 134, 30);

const QString kDefaultMask = QStringLiteral("255.255.255.0");

// The device's gateway is guessed as host 1 of its own network.
QString gateway_guess(const QString& address) {
  const qsizetype dot = address.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? QStringLiteral("1") : address.left(dot + 1) + QLatin1Char('1');
}

QStringList items_of(Items items, int model_window_count) {
  switch (items) {
    case Items::OnOff:
      return fields::on_off_items();
    case Items::AudioChannels:
      return fields::channel_items(model_window_count);
    case Items::Resolutions:
      return fields::resolution_items();
  }
  return {};
}

// Any non-zero device byte means on.
int on_off_item(std::uint8_t value) { return value != 0 ? 1 : 0; }

// Every part filled: a blank part would send 0 and could leave the device
// where no one reaches it.
bool is_complete(const Ipv4AddressEdit* field) { return !field->text().split(QLatin1Char('.')).contains(QString()); }

}  // namespace

MultiviewerSettingsTab::MultiviewerSettingsTab(vela::MultiviewerPreviewHost& container, QWidget* parent)
    : MultiviewerSubPageBase(container, parent, kTemplateId, kGroupBoxId) {
  set_separator_lines({QLine(20, kSeparatorY, 470, kSeparatorY)});
  create_controls();
  show_settings();
  fill_addresses();
}

void MultiviewerSettingsTab::create_controls() {
  const int model_window_count = std::min<int>(m_context.m_model_window_count, 16);
  for (std::size_t i = 0; i < kLists.size(); ++i) {
    const SettingList& entry = kLists[i];
    fields::make_caption(this, QString::fromLatin1(entry.caption), QRect(entry.at, kListCaptionSize));
    DropDownList* list =
        fields::make_list(this, entry.id, QRect(entry.at + QPoint(0, kListCaptionSize.height()), kListSize),
                          items_of(entry.items, model_window_count));
    connect(list, &QComboBox::activated, this, [this, i](int item) { on_list_chosen(i, item); });
    m_lists[i] = list;
  }
  m_default_button = make_text_button(kDefaultButtonId, QStringLiteral("Set  Default"), kDefaultButtonPlace);
  connect(m_default_button, &QAbstractButton::clicked, this, &MultiviewerSettingsTab::on_set_default);

  for (std::size_t i = 0; i < kAddressFields.size(); ++i) {
    const AddressField& entry = kAddressFields[i];
    fields::make_caption(this, QString::fromLatin1(entry.caption),
                         QRect(QPoint(kAddressCaptionX, entry.y), QSize(kAddressFieldX - kAddressCaptionX, 28)));
    auto* field = new Ipv4AddressEdit(this);
    vela::set_control_id(field, entry.id);
    field->setGeometry(QRect(QPoint(kAddressFieldX, entry.y), kAddressFieldSize));
    m_address_fields[i] = field;
  }
  m_set_address_button = make_text_button(kSetAddressButtonId, QStringLiteral("Set  IP"), kSetAddressButtonPlace);
  connect(m_set_address_button, &QAbstractButton::clicked, this, &MultiviewerSettingsTab::on_set_address);
}

SkinButton* MultiviewerSettingsTab::make_text_button(int id, const QString& caption, const QRect& place) {
  auto* button = new SkinButton(this);
  vela::set_control_id(button, id);
  button->setText(caption);
  button->setGeometry(place);
  button->setAutoDefault(false);
  button->setFont(vela::skin_font(12, true));
  for (const auto index : {SkinButton::colour_bk_in, SkinButton::colour_bk_out, SkinButton::colour_bk_focus}) {
    button->set_colour(index, vela::style::text_key_face);
  }
  button->set_colour(SkinButton::colour_fg_out, vela::style::text_key_caption);
  button->set_colour(SkinButton::colour_fg_focus, vela::style::text_key_caption);
  // Brighter under the pointer, so the key answers before it is pressed.
  button->set_colour(SkinButton::colour_fg_in, vela::style::caption);
  return button;
}

DropDownList* MultiviewerSettingsTab::list(int id) const {
  for (std::size_t i = 0; i < kLists.size(); ++i) {
    if (kLists[i].id == id) return m_lists[i];
  }
  return nullptr;
}

Ipv4AddressEdit* MultiviewerSettingsTab::address_field(int id) const {
  for (std::size_t i = 0; i < kAddressFields.size(); ++i) {
    if (kAddressFields[i].id == id) return m_address_fields[i];
  }
  return nullptr;
}

void MultiviewerSettingsTab::show_settings() {
  const MultiviewerSettings& settings = m_context.multiviewer().m_settings;
  fields::select_quietly(list(kResolutionTypeListId), settings.resolution_type);
  fields::select_quietly(list(kResolutionDisplayListId), on_off_item(settings.resolution_enable));
  fields::select_quietly(list(kAudioMeterListId), on_off_item(settings.audio_meter_enable));
  fields::select_quietly(list(kAudioSourceListId), settings.audio_source_channel - 1);
  fields::select_quietly(list(kBorderListId), on_off_item(settings.border_enable));
  fields::select_quietly(list(kLockListId), on_off_item(settings.lock_state));
}

void MultiviewerSettingsTab::fill_addresses() {
  const vela::DeviceEntry* device = m_context.m_link.current_device();
  const QString address = device != nullptr ? QString::fromStdString(device->address_text()) : QString();
  address_field(kAddressFieldId)->set_address_text(address);
  address_field(kMaskFieldId)->set_address_text(kDefaultMask);
  address_field(kGatewayFieldId)->set_address_text(gateway_guess(address));
}

void MultiviewerSettingsTab::on_list_chosen(std::size_t index, int item) {
  if (item < 0) return;
  const auto v = static_cast<std::uint8_t>(item);
  vela::LinkSession& link = m_context.m_link;
  vela::MultiviewerState& state = m_context.multiviewer();
  vela::RecordChanges& notices = m_context.record_changes();
  switch (kLists[index].id) {
    case kAudioMeterListId:
      changes::set_meters(link, state, notices, v);
      break;
    case kAudioSourceListId:
      changes::set_audio_source(link, state, notices, static_cast<std::uint8_t>(v + 1));
      break;
    case kResolutionTypeListId:
      changes::set_output_resolution(link, state, notices, v);
      break;
    case kResolutionDisplayListId:
      changes::set_resolution_labels(link, state, notices, v);
      break;
    case kBorderListId:
      changes::set_border(link, state, notices, v);
      break;
    case kLockListId:
      changes::set_lock(link, state, notices, v);
      break;
  }
}

void MultiviewerSettingsTab::on_set_address() {
  for (const Ipv4AddressEdit* field : m_address_fields) {
    if (!is_complete(field)) {
      vela::show_operator_message("Please fill in all four parts of the IP address, subnet mask and gateway");
      return;
    }
  }
  const vela::Bytes payload = mv::set_address_payload(m_address_fields[0]->address(), m_address_fields[1]->address(),
                                                      m_address_fields[2]->address());
  std::copy(payload.begin(), payload.end(), m_context.m_set_address_payload.begin());
  vela::multiviewer_exchanges::send_over_udp(m_context.m_link, mv::code::kSetAddress, m_context.m_set_address_payload);
}

void MultiviewerSettingsTab::on_set_default() {
  vela::multiviewer_settings_changes::restore_defaults(m_context.m_link, m_context.multiviewer(),
                                                       m_context.record_changes(), m_context.m_model_window_count);
  // The lists show the defaults even when the command could not leave.
  namespace defaults = mv::device_defaults;
  fields::select_quietly(list(kResolutionTypeListId), mv::resolution_of_code(defaults::kResolutionCode)->position);
  fields::select_quietly(list(kResolutionDisplayListId), defaults::kResolutionDisplay);
  fields::select_quietly(list(kAudioMeterListId), defaults::kMeterDisplay);
  fields::select_quietly(list(kAudioSourceListId), 0);
  fields::select_quietly(list(kBorderListId), 1);
}
