// vela-panel: the control panel.
#include "vela_app.h"

int main(int argc, char** argv) {
  CVela_16_VIEWApp app(argc, argv);
  return app.run();
}
