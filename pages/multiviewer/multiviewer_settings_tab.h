#pragma once
// The SETTING sub-page: the output-wide settings (audio meters and source,
// resolution labels and output resolution, window borders, the lock), the
// device's defaults, and the device's own address, mask and gateway.
#include <array>

#include "multiviewer/multiviewer_sub_page.h"

class SkinButton;
class DropDownList;
class Ipv4AddressEdit;

class MultiviewerSettingsTab : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 163;
  static constexpr int kAudioMeterListId = 1014;
  static constexpr int kAudioSourceListId = 1039;
  static constexpr int kResolutionDisplayListId = 1074;
  static constexpr int kResolutionTypeListId = 1073;
  static constexpr int kBorderListId = 1105;
  static constexpr int kLockListId = 1106;
  static constexpr int kDefaultButtonId = 1033;
  static constexpr int kAddressFieldId = 1036;
  static constexpr int kMaskFieldId = 1037;
  static constexpr int kGatewayFieldId = 1038;
  static constexpr int kSetAddressButtonId = 1032;

  MultiviewerSettingsTab(vela::MultiviewerPreviewHost& container, QWidget* parent);

  DropDownList* list(int id) const;
  Ipv4AddressEdit* address_field(int id) const;
  SkinButton* default_button() const { return m_default_button; }
  SkinButton* set_address_button() const { return m_set_address_button; }

 private:
  void create_controls();
  SkinButton* make_text_button(int id, const QString& caption, const QRect& place);
  void show_settings();
  void fill_addresses();
  void on_list_chosen(std::size_t index, int item);
  void on_set_address();
  void on_set_default();

  std::array<DropDownList*, 6> m_lists{};
  std::array<Ipv4AddressEdit*, 3> m_address_fields{};
  SkinButton* m_default_button = nullptr;
  SkinButton* m_set_address_button = nullptr;
};
