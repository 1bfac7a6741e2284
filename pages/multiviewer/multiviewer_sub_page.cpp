#include "multiviewer/multiviewer_sub_page.h"

#include "multiviewer/multiviewer_preview_host.h"
#include "skin_style.h"
#include "style_sheets.h"

namespace vela {
namespace {

constexpr QSize kGroupBoxSize(480, 410);

// Captions and fields read in the accent colour, as on every page.
QString multiviewer_style() {
  return drop_down_list_style() +
         QStringLiteral("QLabel { color: %1; background: transparent; }").arg(style::accent.name());
}

}  // namespace

MultiviewerSubPageBase::MultiviewerSubPageBase(MultiviewerPreviewHost& container, QWidget* parent, int template_id,
                                               int group_box_id)
    : SubPage(container.preview_context(), parent, template_id, group_box_id, kGroupBoxSize, multiviewer_style()),
      m_container(&container) {}

}  // namespace vela
