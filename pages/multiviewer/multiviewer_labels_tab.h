#pragma once
// The UMD sub-page: the text label under each window, sent when the operator
// presses Enter in its field, and the labels of all windows on or off.
#include <array>
#include <cstdint>

#include "multiviewer/multiviewer_sub_page.h"

class DropDownList;
class LabelEdit;
class QLabel;
class QPushButton;

class MultiviewerLabelsTab : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 160;
  static constexpr int kDisplayListId = 1072;
  static constexpr int kAllOnButtonId = 1066;
  static constexpr int kAllOffButtonId = 1067;
  static constexpr int label_field_id(int window) { return 1033 + 2 * window; }

  MultiviewerLabelsTab(vela::MultiviewerPreviewHost& container, QWidget* parent);

  LabelEdit* label_field(int window) const { return m_fields[static_cast<std::size_t>(window - 1)]; }
  QLabel* window_caption(int window) const { return m_captions[static_cast<std::size_t>(window - 1)]; }
  DropDownList* display_list() const { return m_display_list; }
  // Index (0 to 15) of the field that had the focus at the last Enter, -1
  // when none had it.
  std::int8_t umd_string_index() const { return m_umd_string_index; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void create_controls();
  void on_enter();
  void switch_all_labels(int value);

  std::array<LabelEdit*, 16> m_fields{};
  std::array<QLabel*, 16> m_captions{};
  DropDownList* m_display_list = nullptr;
  std::int8_t m_umd_string_index = -1;
};
