#include "matrix/matrix_sub_page.h"

#include "matrix/matrix_page.h"
#include "style_sheets.h"

namespace vela {
namespace {
constexpr QSize kGroupBoxSize(480, 410);
}

MatrixSubPageBase::MatrixSubPageBase(MatrixPage* page, int template_id, int background_bitmap, int group_box_id)
    : SubPage(page->context(), page, template_id, group_box_id, kGroupBoxSize,
              caption_label_style() + drop_down_list_style()),
      m_page(page) {
  set_background_bitmap(background_bitmap);
  set_separator_look(SeparatorLook::Groove);
}

}  // namespace vela
