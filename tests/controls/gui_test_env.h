#pragma once

// One QApplication for the whole test program, on the offscreen platform, so
// that no test needs a display. Include this header in every GUI test file:
// the environment registers itself once, before the tests run, and removes
// the application after the last test.

#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

#include <memory>

namespace vela::test {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    static int argc = 1;
    static char name[] = "vela_gui_tests";
    static char* argv[] = {name, nullptr};
    m_app = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { m_app.reset(); }

 private:
  std::unique_ptr<QApplication> m_app;
};

inline ::testing::Environment* const gui_environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace vela::test
