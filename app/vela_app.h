#pragma once
// The application object: options, the demo simulator, the main window.
#include <QApplication>
#include <memory>

#include "demo_simulator.h"
#include "panel_options.h"
#include "trace_file_writer.h"

class CVela_16_VIEWDlg;

class CVela_16_VIEWApp : public QApplication {
  Q_OBJECT
 public:
  CVela_16_VIEWApp(int& argc, char** argv);
  // Creates the main window, runs it, and returns the exit code when it closes.
  int run();

 private:
  // --list-and-quit and --screenshot, once the window has shown.
  void report_and_quit(CVela_16_VIEWDlg& window);
  // --select, once the scan has filled the device list.
  void choose_device(CVela_16_VIEWDlg& window);

  vela::PanelOptions options_;
  std::unique_ptr<vela::DemoSimulator> demo_;
  std::unique_ptr<vela::TraceFileWriter> trace_file_;
};
