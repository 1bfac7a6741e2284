#pragma once
// The luma key sub-page: the key's video source and its red, green and blue
// values. A colour goes out when the operator lets go of its track bar.
#include "switcher/switcher_colour_bars.h"
#include "switcher/switcher_settings_sub_page.h"

class QComboBox;

class CClass_switcher_effect : public vela::SwitcherSettingsSubPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 242;

  explicit CClass_switcher_effect(QWidget* parent);

  QComboBox* source_list() const { return m_source_list; }
  const vela::ColourBars& colour_bars() const { return m_bars; }

 private:
  void on_source_chosen(int index);
  void on_released(int channel, int position);

  QComboBox* m_source_list = nullptr;
  vela::ColourBars m_bars;
};
