#include "multiviewer/label_edit.h"

#include <QValidator>
#include <algorithm>

// An edit may not leave the text longer than the limit and longer than it
// was; what it would add beyond that is dropped from the end of what it
// inserts, so a paste keeps its first characters.
class TypedLengthValidator : public QValidator {
 public:
  explicit TypedLengthValidator(LabelEdit* edit) : QValidator(edit), m_edit(edit) {}

  State validate(QString& input, int& pos) const override {
    if (m_edit->m_setting_label) return Acceptable;
    const QString& before = m_edit->m_accepted;
    const qsizetype allowed = std::max<qsizetype>(LabelEdit::kTypedLimit, before.size());
    const qsizetype excess = input.size() - allowed;
    if (excess <= 0) return Acceptable;
    // The inserted part lies between what the edit left alone at either end.
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < input.size() && before[prefix] == input[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < input.size() - prefix &&
           before[before.size() - 1 - suffix] == input[input.size() - 1 - suffix]) {
      ++suffix;
    }
    const qsizetype inserted = input.size() - prefix - suffix;
    const qsizetype kept = std::max<qsizetype>(0, inserted - excess);
    input.remove(prefix + kept, inserted - kept);
    pos = static_cast<int>(prefix + kept);
    return input.size() <= allowed ? Acceptable : Invalid;
  }

 private:
  LabelEdit* m_edit;
};

LabelEdit::LabelEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TypedLengthValidator(this));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { m_accepted = text; });
}

void LabelEdit::set_label(const QString& label) {
  m_setting_label = true;
  setText(label);
  m_setting_label = false;
}
