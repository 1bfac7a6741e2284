#pragma once
// The page of the production switcher: program and preview buses, Cut,
// Auto, FTB, the effect and transition keys, the lever, the settings area
// with one settings sub-page, and the configuration and camera names
// dialogs. Every press changes the switcher record and sends one command on
// the socket the page keeps open; the keys follow the record's notices.
#include <QTimer>
#include <vector>

#include "device_page.h"
#include "record_changes.h"
#include "switcher_bus_rules.h"
#include "switcher_state.h"
#include "switcher/switcher_keys.h"
#include "switcher/switcher_page_host.h"

class SkinButton;
class QDialog;
class QLineEdit;

namespace vela {
class LeverPanel;
class PageContext;
class SwitcherShortcuts;
}  // namespace vela

class SwitcherPage : public vela::DevicePage, public vela::SwitcherKeyHost {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 237;
  static constexpr int kFtbBlinkTimerId = 2;
  static constexpr int kFtbBlinkMs = 500;
  static constexpr QRect kSettingsArea{930, 100, 250, 400};
  // Where the dialogs open, from the page's top left corner on the screen.
  static constexpr QPoint kDialogOffset{340, 20};
  static constexpr QSize kDialogSize{320, 550};
  static constexpr int kCutId = vela::switcher_keys::kCutId;
  static constexpr int kAutoId = vela::switcher_keys::kAutoId;

  SwitcherPage(vela::PageContext& context, QWidget* parent);
  ~SwitcherPage() override;

  // The page's key with control id `id`; nullptr for any other id.
  SkinButton* button(int id) const override;
  // The key of source `source` (1..8, 12) on the program or the preview bus.
  SkinButton* bus_button(bool program_bus, std::uint8_t source) const override;
  vela::SwitcherShortcuts* shortcuts() const { return m_shortcuts; }
  QWidget* settings_sub_page() const { return m_settings_sub_page; }
  QDialog* configuration_dialog() const { return m_configuration_dialog; }
  QDialog* camera_names_dialog() const { return m_camera_names_dialog; }
  QLineEdit* duration_edit() const { return m_duration_edit; }
  vela::LeverPanel* lever_panel() const { return m_lever_panel; }
  bool ftb_blinking() const { return m_ftb_blink_timer.isActive(); }

  // Shows settings sub-page `kind` unless it is the one the record names.
  void show_settings_sub_page(vela::SettingsSubPage kind);
  // One FTB blink: the normal and the lit picture in turn.
  void on_ftb_blink();

  void close_page() override;
  void stop_senders() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void create_controls();
  void open_with(vela::PageContext& context);
  // One handler for every key, by its row in the page's key table.
  void on_key(std::size_t row);
  // Every key with a rule: the record changes, the command leaves, the
  // keys follow the record's notice and the sub-page the press asks for
  // is shown.
  void on_rule_key(vela::switcher_bus::Press press, std::uint8_t source);
  void on_dialog(QDialog*& dialog, bool configuration);
  // The keys follow the record: FTB blinks while it is on and rests on its
  // normal picture when off; every other key shows its picture for the record.
  void follow_record();
  void show_record();
  void release();

  std::vector<std::pair<int, SkinButton*>> m_buttons;
  QWidget* m_settings_sub_page = nullptr;
  QDialog* m_configuration_dialog = nullptr;
  QDialog* m_camera_names_dialog = nullptr;
  QLineEdit* m_duration_edit = nullptr;
  vela::LeverPanel* m_lever_panel = nullptr;
  vela::SwitcherShortcuts* m_shortcuts = nullptr;
  QTimer m_ftb_blink_timer;
  std::int32_t m_ftb_blink_phase = 0;
  bool m_released = false;
  vela::RecordChanges::Subscription m_record_changes;
};
