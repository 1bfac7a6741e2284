#pragma once
// The page of the RK2207 show-mode device.
#include "device_page.h"

class CClass_rk2207_main_dlg : public vela::DevicePage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 308;
  explicit CClass_rk2207_main_dlg(QWidget* parent)
      : vela::DevicePage(QStringLiteral("CClass_rk2207_main_dlg"), kTemplateId, parent) {}
};
