#pragma once
// The luma key sub-page: the key's video source and its red, green and blue
// values. A colour goes out when the operator lets go of its track bar.
#include "switcher/switcher_keyer_sub_page.h"

class LumaKeyPanel : public vela::SwitcherKeyerSubPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 242;

  LumaKeyPanel(vela::PageContext& context, QWidget* parent);

 private:
  void on_released(int channel, int position) override;
};
