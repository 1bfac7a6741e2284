#pragma once
// The page of the 8 x 8 matrix switcher: eight input keys over eight output
// keys on the left, the CONTROL and SETTING tabs and the one sub-page shown
// on the right. The routing shown is the panel's own record of what it
// asked for; the device is never asked for it.
#include <QRect>
#include <array>
#include <cstdint>

#include "device_page.h"
#include "matrix_state.h"
#include "record_changes.h"

class SkinButton;

class MatrixPage : public vela::DevicePage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 206;
  static constexpr int kNoTab = 255;
  static constexpr int kControlTab = 1;
  static constexpr int kSettingTab = 2;

  MatrixPage(vela::PageContext& context, QWidget* parent);

  // Shows tab t (1 CONTROL, 2 SETTING); the old sub-page is destroyed first.
  void select_tab(int t);
  int current_tab() const { return m_current_tab; }
  QWidget* sub_page() const { return m_sub_page; }
  QRect sub_page_area() const { return m_sub_page_area; }

  SkinButton* input_button(int n) const { return m_input_buttons[static_cast<std::size_t>(n - 1)]; }
  SkinButton* output_button(int j) const { return m_output_buttons[static_cast<std::size_t>(j - 1)]; }
  SkinButton* tab_button(int t) const { return m_tab_buttons[static_cast<std::size_t>(t - 1)]; }

  void close_page() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void create_controls();
  void on_input(int n);
  void on_output(int j);
  QWidget* create_sub_page(int t);
  // The keys follow the record: the chosen input's key when the choice
  // changed, and the outputs routed from it. Keys are drawn only as the
  // record changes, so a page opened again starts grey as it always did.
  void follow_record();
  // Output key j turns green when the routing table gives it `input`,
  // grey otherwise; the input keys stay as they are.
  void redraw_outputs(std::uint8_t input);
  void show_input(int n, bool selected);

  std::array<SkinButton*, vela::matrix::kInputCount> m_input_buttons{};
  std::array<SkinButton*, vela::matrix::kOutputCount> m_output_buttons{};
  std::array<SkinButton*, 2> m_tab_buttons{};
  QWidget* m_sub_page = nullptr;
  int m_current_tab = kNoTab;
  QRect m_sub_page_area;
  // The input the keys were last told of (drawn green, or grey if the page
  // opened after it was chosen).
  std::uint8_t m_shown_input = 0;
  vela::RecordChanges::Subscription m_record_changes;
};
