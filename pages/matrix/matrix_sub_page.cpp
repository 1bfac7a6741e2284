#include "matrix/matrix_sub_page.h"

#include "style_sheets.h"

namespace vela {
namespace {
constexpr QSize kGroupBoxSize(480, 410);
}

MatrixSubPageBase::MatrixSubPageBase(PageContext& context, QWidget* parent, int template_id, int background_bitmap,
                                     int group_box_id)
    : SubPage(context, parent, template_id, group_box_id, kGroupBoxSize,
              caption_label_style() + drop_down_list_style()) {
  set_background_bitmap(background_bitmap);
  set_separator_look(SeparatorLook::Groove);
}

}  // namespace vela
