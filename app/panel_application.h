#pragma once
// The application object: options, the demo simulator, the main window.
#include <QApplication>
#include <memory>

#include "demo_simulator.h"
#include "panel_options.h"
#include "trace_file_writer.h"

class MainWindow;

class PanelApplication : public QApplication {
  Q_OBJECT
 public:
  PanelApplication(int& argc, char** argv);
  // Creates the main window, runs it, and returns the exit code when it closes.
  int run();

 private:
  // --list-and-quit and --screenshot, once the window has shown.
  void report_and_quit(MainWindow& window);
  // --select, once the scan has filled the device list.
  void choose_device(MainWindow& window);

  vela::PanelOptions options_;
  std::unique_ptr<vela::DemoSimulator> demo_;
  std::unique_ptr<vela::TraceFileWriter> trace_file_;
};
