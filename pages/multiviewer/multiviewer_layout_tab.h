#pragma once
// The Control sub-page: the layout of the output picture (seven layout
// buttons) and the input shown in each window (sixteen source lists).
#include <array>
#include <cstdint>

#include "multiviewer/multiviewer_sub_page.h"

class SkinButton;
class QComboBox;
class QLabel;

class MultiviewerLayoutTab : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 159;
  static constexpr int kNoSelection = -1;

  MultiviewerLayoutTab(vela::MultiviewerPreviewHost& container, QWidget* parent);

  // Select layout with selection number s (1 to 7 = layout index + 1).
  void select_layout(int s);
  int layout_selection() const { return m_layout_selection; }

  SkinButton* layout_button(int index) const { return m_layout_buttons[static_cast<std::size_t>(index)]; }
  QComboBox* source_list(int window) const { return m_source_lists[static_cast<std::size_t>(window - 1)]; }
  QLabel* window_caption(int window) const { return m_captions[static_cast<std::size_t>(window - 1)]; }

 private:
  void create_controls();
  void on_layout_button(int index);
  void on_source_chosen(int window, int item);
  void set_layout_picture(int selection, bool selected);

  std::int8_t m_layout_selection = kNoSelection;
  std::array<SkinButton*, 7> m_layout_buttons{};
  std::array<QLabel*, 16> m_captions{};
  std::array<QComboBox*, 16> m_source_lists{};
};
