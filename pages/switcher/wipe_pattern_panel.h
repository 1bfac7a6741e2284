#pragma once
// The transition settings sub-page: the switcher's nine wipe patterns as a
// 3 x 3 grid of arrow buttons. Choosing a pattern sends it; the lit one
// sends nothing.
#include <array>

#include "switcher/switcher_settings_sub_page.h"

class SkinButton;

class WipePatternPanel : public vela::SwitcherSettingsSubPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 240;
  static constexpr int kPatternCount = 9;

  WipePatternPanel(vela::PageContext& context, QWidget* parent);

  SkinButton* pattern_button(int pattern) const { return m_pattern_buttons[static_cast<std::size_t>(pattern)]; }

 private:
  void on_pattern(int pattern);

  std::array<SkinButton*, kPatternCount> m_pattern_buttons{};
};
