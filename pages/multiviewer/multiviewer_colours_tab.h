#pragma once
// The COLOR sub-page: text and background colours of the window labels and
// of the resolution labels, for one window or for all at once.
#include <array>

#include "multiviewer/multiviewer_sub_page.h"

class DropDownList;

class MultiviewerColoursTab : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 162;

  MultiviewerColoursTab(vela::MultiviewerPreviewHost& container, QWidget* parent);

  // Section 0 sets the window labels, section 1 the resolution labels.
  DropDownList* channel_list(int section) const { return m_channel_lists[static_cast<std::size_t>(section)]; }
  // Colour list 0 (text) or 1 (background) of a section.
  DropDownList* colour_list(int section, int which) const {
    return m_colour_lists[static_cast<std::size_t>(section)][static_cast<std::size_t>(which)];
  }

 private:
  void create_controls();
  void on_channel_chosen(int section, int item);
  void on_colour_chosen(int section, int which, int colour);
  // Shows the colours of the section's channel (window 1 for all windows).
  void show_colours(int section);

  std::array<DropDownList*, 2> m_channel_lists{};
  std::array<std::array<DropDownList*, 2>, 2> m_colour_lists{};
};
