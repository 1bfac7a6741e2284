#pragma once
// A drop-down list (a combo box without an edit part) for the dark dialogs:
// style sheets colour its box, this draws the chevron of its drop-down
// button in the text colour, dimmed while the list is disabled.
#include <QComboBox>

class DropDownList : public QComboBox {
  Q_OBJECT
 public:
  explicit DropDownList(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
