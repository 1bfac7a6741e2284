#include "panel_application.h"

#include <QComboBox>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "first_frame_report.h"
#include "heap_tidy.h"
#include "main_window.h"
#include "message_box.h"
#include "skin.h"

PanelApplication::PanelApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("vela-panel"));
  setApplicationVersion(QStringLiteral(VELA_VERSION));
  vela::keep_large_blocks_mapped();
  options_ = vela::parse_panel_options(arguments());
}

void PanelApplication::report_and_quit(MainWindow& window) {
  if (options_.list_and_quit) {
    for (int i = 0; i < window.device_list()->count(); ++i) {
      std::printf("device list: %s\n", window.device_list()->itemText(i).toLocal8Bit().constData());
    }
    std::fflush(stdout);
  }
  if (!options_.screenshot_path.isEmpty()) {
    const bool saved = window.grab().save(options_.screenshot_path);
    std::fprintf(stderr, "vela-panel: %s %s\n", saved ? "saved" : "could not save",
                 qPrintable(options_.screenshot_path));
  }
  window.accept();
}

void PanelApplication::choose_device(MainWindow& window) {
  QComboBox* list = window.device_list();
  const int line = list->findText(options_.select_text, Qt::MatchContains);
  if (line < 0) {
    std::fprintf(stderr, "vela-panel: no device list line holds %s\n", qPrintable(options_.select_text));
    return;
  }
  list->setCurrentIndex(line);
  window.on_device_list_choice(line);
  std::fprintf(stderr, "vela-panel: chose %s\n", qPrintable(list->itemText(line)));
}

int PanelApplication::run() {
  if (!options_.ok) {
    std::fprintf(stderr, "vela-panel: %s\n", qPrintable(options_.error));
    return 2;
  }
  if (!options_.skin_dir.isEmpty()) vela::Skin::set_override_dir(options_.skin_dir);
  if (!options_.trace_path.isEmpty()) {
    trace_file_ = std::make_unique<vela::TraceFileWriter>();
    if (!trace_file_->start(QFile::encodeName(options_.trace_path).toStdString())) {
      std::fprintf(stderr, "vela-panel: --trace: %s\n", trace_file_->error().c_str());
      return 2;
    }
  }
  if (options_.demo) {
    demo_ = std::make_unique<vela::DemoSimulator>();
    const QString path = vela::DemoSimulator::locate(options_.devsim_path);
    if (path.isEmpty() || !demo_->start(path, options_.link)) {
      std::fprintf(stderr, "vela-panel: demo mode: %s\n",
                   path.isEmpty() ? "vela-devsim not found (give --devsim PATH)" : qPrintable(demo_->error()));
      return 1;
    }
    if (!demo_->serial_path().isEmpty()) options_.extra_serial_ports << demo_->serial_path();
  }

  MainWindow window(options_);
  window.initialise();
  vela::install_message_box_handler(&window);
  window.show();
  if (options_.first_frame) new vela::FirstFrameReport(&window, [&window] { window.accept(); });
  if (options_.scan_at_start) QTimer::singleShot(0, &window, &MainWindow::on_scan);
  // Queued behind the scan, so it chooses from the list the scan filled.
  if (!options_.select_text.isEmpty()) QTimer::singleShot(0, &window, [&window, this] { choose_device(window); });
  if (!options_.screenshot_path.isEmpty() || options_.list_and_quit) {
    QTimer::singleShot(100, &window, [&window, this] { report_and_quit(window); });
  }
  const int result = window.exec();
  if (demo_) demo_->stop();
  Q_UNUSED(result);
  return 0;
}
