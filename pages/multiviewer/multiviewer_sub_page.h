#pragma once
// A multiviewer sub-page: the page's preview is its host, its group box is
// 480 x 410, its captions and fields read in the accent colour, and its
// separators are thin lines (the label page gives Enter a meaning).
#include "sub_page.h"

namespace vela {

class MultiviewerPreviewHost;

class MultiviewerSubPageBase : public SubPage {
  Q_OBJECT
 public:
  // A sub-page of `container`'s preview, shown in `parent` (the page).
  MultiviewerSubPageBase(MultiviewerPreviewHost& container, QWidget* parent, int template_id, int group_box_id);

 protected:
  MultiviewerPreviewHost* container() const { return m_container; }

 private:
  MultiviewerPreviewHost* m_container;
};

}  // namespace vela
