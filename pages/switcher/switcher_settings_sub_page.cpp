#include "switcher/switcher_settings_sub_page.h"

#include "switcher/switcher_settings_widgets.h"

namespace vela {
namespace {
constexpr QSize kGroupBoxSize(240, 390);
}

SwitcherSettingsSubPage::SwitcherSettingsSubPage(PageContext& context, QWidget* parent, int template_id,
                                                 int group_box_id)
    : SubPage(context, parent, template_id, group_box_id, kGroupBoxSize, switcher_widgets::window_style()) {
  resize(kSize);
}

}  // namespace vela
