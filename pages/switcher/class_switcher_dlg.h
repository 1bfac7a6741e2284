#pragma once
// The page of the production switcher.
#include "device_page.h"

class CClass_switcher_dlg : public vela::DevicePage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 237;
  explicit CClass_switcher_dlg(QWidget* parent)
      : vela::DevicePage(QStringLiteral("CClass_switcher_dlg"), kTemplateId, parent) {}
};
