#pragma once
// The picture-in-picture sub-page: the inset window's source and border,
// and its place and width on a 1920 x 1080 picture. A window value goes out
// when the operator lets go of its track bar.
#include <array>

#include "switcher/switcher_settings_sub_page.h"

class QComboBox;
class QLineEdit;

namespace vela {
class TrackBar;
}

class PipPanel : public vela::SwitcherSettingsSubPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 306;
  // Window X, window Y, window width.
  static constexpr int kWindowValueCount = 3;
  // Source, border enable, border colour, border width.
  static constexpr int kListCount = 4;

  PipPanel(vela::PageContext& context, QWidget* parent);

  QComboBox* list(int index) const { return m_lists[static_cast<std::size_t>(index)]; }
  vela::TrackBar* window_bar(int index) const { return m_bars[static_cast<std::size_t>(index)]; }
  QLineEdit* window_edit(int index) const { return m_edits[static_cast<std::size_t>(index)]; }
  vela::TrackBar* height_bar() const { return m_height_bar; }

 private:
  void on_list_chosen(int list, int index);
  void on_released(int value_index, int position);

  std::array<QComboBox*, kListCount> m_lists{};
  std::array<vela::TrackBar*, kWindowValueCount> m_bars{};
  std::array<QLineEdit*, kWindowValueCount> m_edits{};
  vela::TrackBar* m_height_bar = nullptr;
};
