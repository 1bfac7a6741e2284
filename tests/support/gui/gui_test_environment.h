#pragma once
// What every Qt test program shares. Linking vela_gui_test_support gives the
// program one QApplication on the offscreen platform, made before the first
// test and removed after the last, and records every operator message, so
// that no test needs a display and no modal box ever blocks a test.
#include <string>
#include <vector>

#include "text_recorders.h"

namespace vela::test {

// The operator messages shown since the last call.
std::vector<std::string> take_operator_messages();

}  // namespace vela::test
