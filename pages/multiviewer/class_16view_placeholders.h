#pragma once
// The label, audio, colour and setting sub-pages: their frames and key rule
// for now; their controls follow.
#include "multiviewer/multiviewer_sub_page.h"

class CClass_16view_umd : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 160;
  explicit CClass_16view_umd(CClass_16view_dlg* container) : MultiviewerSubPageBase(container, kTemplateId, 1030) {
    set_separator_lines({QLine(20, 80, 470, 80)});
  }
};

class CClass_16view_audio : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 161;
  explicit CClass_16view_audio(CClass_16view_dlg* container) : MultiviewerSubPageBase(container, kTemplateId, 0) {}
};

class CClass_16view_color : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 162;
  explicit CClass_16view_color(CClass_16view_dlg* container) : MultiviewerSubPageBase(container, kTemplateId, 1027) {
    set_separator_lines({QLine(20, 60, 470, 60), QLine(20, 240, 470, 240)});
  }
};

class CClass_16view_set : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 163;
  explicit CClass_16view_set(CClass_16view_dlg* container) : MultiviewerSubPageBase(container, kTemplateId, 1029) {
    set_separator_lines({QLine(20, 180, 470, 180)});
  }
};
