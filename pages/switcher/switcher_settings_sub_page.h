#pragma once
// A switcher settings sub-page: the size of the page's settings area, its
// group frame 240 x 390, and the captions, lists and edits of a switcher
// window (Enter and Escape never close a sub-page).
#include "sub_page.h"

namespace vela {

class SwitcherSettingsSubPage : public SubPage {
  Q_OBJECT
 public:
  static constexpr QSize kSize{250, 400};

  SwitcherSettingsSubPage(PageContext& context, QWidget* parent, int template_id, int group_box_id);
};

}  // namespace vela
