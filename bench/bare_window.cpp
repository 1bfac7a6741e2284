// The yardstick for the panel's start-up: a plain Qt window of the panel's
// size with as many widgets as the panel makes (the count is the argument),
// all of them plain labels, reporting its first frame as the panel does.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <cstdlib>

#include "first_frame_report.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const long widgets = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1;
  QDialog window;
  window.setFixedSize(1280, 720);
  constexpr int kColumns = 16, kWidth = 80, kHeight = 20;
  for (int n = 0; QApplication::allWidgets().size() < widgets; ++n) {
    auto* label = new QLabel(QString::number(n), &window);
    label->setGeometry((n % kColumns) * kWidth, (n / kColumns) * kHeight % 720, kWidth, kHeight);
  }
  new vela::FirstFrameReport(&window, [&window] { window.accept(); });
  window.show();
  return window.exec() == QDialog::Accepted ? 0 : 1;
}
