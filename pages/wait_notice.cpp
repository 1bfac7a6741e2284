#include "wait_notice.h"

#include <QApplication>
#include <QLabel>

#include "skin_style.h"

namespace vela {

WaitNotice::WaitNotice(QWidget* over, const QString& text) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (over == nullptr) return;
  label_ = new QLabel(text, over);
  label_->setObjectName(QStringLiteral("wait_notice"));
  label_->setAlignment(Qt::AlignCenter);
  label_->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border: 1px solid %3; border-radius: 4px;"
                                       " padding: 10px 18px; font-size: 14px; }")
                            .arg(style::caption.name(), style::band.name(), style::accent.name()));
  label_->adjustSize();
  label_->move((over->width() - label_->width()) / 2, (over->height() - label_->height()) / 2);
  label_->show();
  label_->raise();
  // The window thread is about to block: paint the notice now, once.
  label_->repaint();
}

WaitNotice::~WaitNotice() {
  delete label_;
  QApplication::restoreOverrideCursor();
}

}  // namespace vela
