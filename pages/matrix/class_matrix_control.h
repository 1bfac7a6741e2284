#pragma once
// The page of the 8 x 8 matrix switcher.
#include "device_page.h"

class CClass_matrix_control : public vela::DevicePage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 206;
  explicit CClass_matrix_control(QWidget* parent)
      : vela::DevicePage(QStringLiteral("CClass_matrix_control"), kTemplateId, parent) {}
};
