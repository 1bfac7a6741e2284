#include "about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "skin.h"
#include "skin/shell_bitmaps.h"
#include "skin_style.h"
#include "style_sheets.h"

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("关于 VELA_16_VIEW"));
  setStyleSheet(QStringLiteral("AboutDialog { background: %1; }"
                               "QLabel { color: %2; background: transparent; font-size: 14px; }")
                    .arg(vela::css_colour(vela::style::surface_top), vela::css_colour(vela::style::caption)) +
                vela::push_button_style());
  auto* icon = new QLabel(this);
  icon->setPixmap(vela::Skin::pixmap(vela::shell_bitmap::program_icon, QSize(40, 40)));
  auto* text = new QLabel(QString::fromUtf8("VELA_16_VIEW，1.0 版"), this);
  auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addSpacing(12);
  row->addWidget(text, 1);
  row->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->setContentsMargins(16, 16, 16, 16);
}
