#pragma once
// The chroma key sub-page: the key's video source, its key colour (blue or
// green, each remembering its own red, green and blue) and those values.
// It opens on the key colour the record keeps, showing that colour's preset.
#include "switcher/switcher_colour_bars.h"
#include "switcher/switcher_settings_sub_page.h"

class QComboBox;

class CClass_switcher_chorma : public vela::SwitcherSettingsSubPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 307;

  explicit CClass_switcher_chorma(QWidget* parent);

  QComboBox* source_list() const { return m_source_list; }
  QComboBox* type_list() const { return m_type_list; }
  const vela::ColourBars& colour_bars() const { return m_bars; }

 private:
  void on_source_chosen(int index);
  void on_type_chosen(int type);
  void on_released(int channel, int position);
  void show_type_colours(int type);

  QComboBox* m_source_list = nullptr;
  QComboBox* m_type_list = nullptr;
  vela::ColourBars m_bars;
};
