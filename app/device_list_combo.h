#pragma once
// The device list: a drop-down list in the skin's colours with its own arrow.
#include <QComboBox>

class DeviceListCombo : public QComboBox {
  Q_OBJECT
 public:
  explicit DeviceListCombo(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
