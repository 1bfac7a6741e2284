#pragma once
// The AUDIO sub-page: its button stays hidden and it has no controls; the
// audio meters and the audio source are set on the SETTING sub-page.
#include "multiviewer/multiviewer_sub_page.h"

class MultiviewerAudioTab : public vela::MultiviewerSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 161;
  MultiviewerAudioTab(vela::MultiviewerPreviewHost& container, QWidget* parent)
      : MultiviewerSubPageBase(container, parent, kTemplateId, 0) {}
};
