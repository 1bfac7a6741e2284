#pragma once
// The about box.
#include <QDialog>

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 100;
  explicit AboutDialog(QWidget* parent);
};
