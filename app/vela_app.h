#pragma once
// The application object: options, the demo simulator, the main window.
#include <QApplication>
#include <memory>

#include "demo_simulator.h"
#include "panel_options.h"

class CVela_16_VIEWApp : public QApplication {
  Q_OBJECT
 public:
  CVela_16_VIEWApp(int& argc, char** argv);
  // Creates the main window, runs it, and returns the exit code when it closes.
  int run();

 private:
  vela::PanelOptions options_;
  std::unique_ptr<vela::DemoSimulator> demo_;
};
