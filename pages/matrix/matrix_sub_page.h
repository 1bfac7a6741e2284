#pragma once
// A sub-page of the matrix page: a background picture of its own stretched
// over it, the group box 480 x 410, the page's captions and fields, and
// separators drawn as grooves.
#include "sub_page.h"

namespace vela {

class MatrixSubPageBase : public SubPage {
  Q_OBJECT
 public:
  MatrixSubPageBase(PageContext& context, QWidget* parent, int template_id, int background_bitmap, int group_box_id);
};

}  // namespace vela
