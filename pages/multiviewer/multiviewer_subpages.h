#pragma once
// The container's sub-page table: number, button, caption, pictures and
// place of each sub-page.
#include <QRect>
#include <array>

#include "multiviewer/multiviewer_bitmap_ids.h"

namespace vela {

enum class MultiviewerSubPage { Status = 1, Control = 2, Umd = 3, Audio = 4, Color = 5, Setting = 6 };

struct MultiviewerSubPageInfo {
  MultiviewerSubPage number;
  int button_id;
  const char* caption;
  int normal_bitmap;
  int selected_bitmap;
  QRect place;  // container client pixels; AUDIO's button stays hidden
  bool visible;
};

inline constexpr std::array<MultiviewerSubPageInfo, 6> kMultiviewerSubPages = {{
    {MultiviewerSubPage::Status, 1019, "STATUS", multiviewer_bitmap::status_normal, multiviewer_bitmap::status_selected,
     QRect(730, 25, 90, 75), true},
    {MultiviewerSubPage::Control, 1020, "CONTROL", multiviewer_bitmap::control_normal,
     multiviewer_bitmap::control_selected, QRect(835, 25, 80, 75), true},
    {MultiviewerSubPage::Umd, 1011, "UMD", multiviewer_bitmap::umd_normal, multiviewer_bitmap::umd_selected,
     QRect(920, 25, 80, 75), true},
    {MultiviewerSubPage::Audio, 1021, "AUDIO", multiviewer_bitmap::audio_normal, multiviewer_bitmap::audio_selected,
     QRect(0, 0, 80, 75), false},
    {MultiviewerSubPage::Color, 1022, "COLOR", multiviewer_bitmap::color_normal, multiviewer_bitmap::color_selected,
     QRect(1005, 25, 70, 75), true},
    {MultiviewerSubPage::Setting, 1023, "SETTING", multiviewer_bitmap::setting_normal,
     multiviewer_bitmap::setting_selected, QRect(1080, 25, 90, 75), true},
}};

}  // namespace vela
