#pragma once
// A window label field: typing and pasting stop at 10 characters, while a
// longer label that came from the device (up to 16) is shown and kept whole
// until the operator shortens it. A plain maximum length would cut it.
#include <QLineEdit>

class LabelEdit : public QLineEdit {
  Q_OBJECT
 public:
  static constexpr int kTypedLimit = 10;

  explicit LabelEdit(QWidget* parent);

  // Shows `label` whole, whatever its length.
  void set_label(const QString& label);

 private:
  friend class TypedLengthValidator;
  // The text before the edit being validated.
  QString m_accepted;
  bool m_setting_label = false;
};
