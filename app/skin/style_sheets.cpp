#include "skin/style_sheets.h"

namespace vela {

QString drop_down_list_style() {
  return QStringLiteral(
      "QComboBox { color: rgb(60,180,255); background: rgb(58,58,58); border: 1px solid rgb(88,92,98);"
      " border-radius: 3px; padding: 2px 8px; }"
      "QComboBox:hover { border-color: rgb(60,180,255); }"
      "QComboBox:disabled { color: rgba(60,180,255,90); background: rgb(46,47,50); border-color: rgb(62,66,72); }"
      "QComboBox::drop-down { width: 24px; border-left: 1px solid rgb(88,92,98); }"
      "QComboBox::down-arrow { image: none; }"
      "QComboBox QAbstractItemView { color: rgb(60,180,255); background: rgb(58,58,58);"
      " selection-background-color: rgb(40,84,120); selection-color: white; outline: 0; }");
}

QString push_button_style() {
  return QStringLiteral(
      "QPushButton { color: rgb(230,233,237); border: 1px solid rgb(13,14,17); border-radius: 4px;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(66,72,81), stop:1 rgb(43,47,54));"
      " font-weight: bold; padding: 4px 14px; }"
      "QPushButton:hover { border-color: rgb(60,180,255); }"
      "QPushButton:pressed { background: rgb(40,84,120); }"
      "QPushButton:disabled { color: rgb(77,84,94); background: rgb(40,43,48); border-color: rgb(30,32,36); }");
}

}  // namespace vela
