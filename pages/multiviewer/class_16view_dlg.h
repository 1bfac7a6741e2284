#pragma once
// The page of the 16- and 10-window multiviewers.
#include "device_page.h"

class CClass_16view_dlg : public vela::DevicePage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 129;
  explicit CClass_16view_dlg(QWidget* parent)
      : vela::DevicePage(QStringLiteral("CClass_16view_dlg"), kTemplateId, parent) {}
};
