#pragma once
// An IPv4 address field: four number fields of 0..255 separated by dots.
// A field may be blank; a blank field reads as 0. Typing a dot or a third
// digit moves on to the next field, Backspace in an empty field moves back,
// and a value above 255 becomes 255.
#include <QFrame>
#include <QString>
#include <array>
#include <cstdint>

class QLineEdit;

class Ipv4AddressEdit : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kFieldCount = 4;

  explicit Ipv4AddressEdit(QWidget* parent = nullptr);

  // The four fields, first field first; blank fields give 0.
  std::array<std::uint8_t, kFieldCount> address() const;
  void set_address(const std::array<std::uint8_t, kFieldCount>& address);
  // Fills the fields from dotted text ("192.168.1.20"). Parts that are not
  // numbers leave their field blank; values above 255 become 255.
  void set_address_text(const QString& text);
  // "a.b.c.d" with blank fields as empty parts ("..." when all are blank).
  QString text() const;
  bool is_blank() const;
  void clear();

  QLineEdit* field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class FieldEntry { SelectAll, AtStart, AtEnd };
  int index_of(const QObject* field) const;
  void on_edited(int index);
  void focus_field(int index, FieldEntry entry);

  std::array<QLineEdit*, kFieldCount> fields_{};
};
