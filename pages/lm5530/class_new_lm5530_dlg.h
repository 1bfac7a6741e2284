#pragma once
// The page of the LM5530 show-mode device.
#include "device_page.h"

class CClass_new_lm5530_dlg : public vela::DevicePage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 377;
  explicit CClass_new_lm5530_dlg(QWidget* parent)
      : vela::DevicePage(QStringLiteral("CClass_new_lm5530_dlg"), kTemplateId, parent) {}
};
