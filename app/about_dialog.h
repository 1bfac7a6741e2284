#pragma once
// The about box.
#include <QDialog>

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 100;
  explicit CAboutDlg(QWidget* parent);
};
