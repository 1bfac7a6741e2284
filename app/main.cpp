// vela-panel: the control panel.
#include <QCoreApplication>
#include <cstring>

#include "panel_options.h"
#include "panel_application.h"

namespace {

// The usage is printed before the window system is needed, so that --help
// answers on a computer without a display too.
bool help_requested(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* help : {"-h", "--help", "--help-all"}) {
      if (std::strcmp(argv[i], help) == 0) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (help_requested(argc, argv)) {
    QCoreApplication help(argc, argv);
    vela::parse_panel_options(help.arguments());  // prints the usage and exits 0
  }
  PanelApplication app(argc, argv);
  return app.run();
}
