#pragma once
// The environment every test file of app_tests shares: one QApplication on
// the offscreen platform for the whole program, and a recording handler for
// operator messages so that no modal message box ever blocks a test.
//
// Including this header is enough: it registers the environment with
// GoogleTest once, whichever files include it. Kept header-only because the
// test program is built from the folder's *_test.cpp files alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "operator_message.h"

namespace vela::test {

// Operator messages shown since the last take_operator_messages().
inline std::vector<std::string>& recorded_operator_messages() {
  static std::vector<std::string> messages;
  return messages;
}

inline std::vector<std::string> take_operator_messages() {
  std::vector<std::string> taken;
  taken.swap(recorded_operator_messages());
  return taken;
}

class AppTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // Must be in place before the application object picks its platform.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app_ = std::make_unique<QApplication>(argc_, argv_);
    previous_qt_handler_ = qInstallMessageHandler(&AppTestEnvironment::filter_qt_message);
    previous_handler_ =
        set_operator_message_handler([](const std::string& text) { recorded_operator_messages().push_back(text); });
  }

  void TearDown() override {
    set_operator_message_handler(std::move(previous_handler_));
    app_.reset();
    qInstallMessageHandler(previous_qt_handler_);
  }

 private:
  // The offscreen platform cannot raise windows and says so on every
  // raise(); everything else goes through.
  static void filter_qt_message(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support raise()")) return;
    if (previous_qt_handler_) {
      previous_qt_handler_(type, context, message);
    } else {
      std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
  }

  static inline QtMessageHandler previous_qt_handler_ = nullptr;
  int argc_ = 1;
  char program_name_[10] = "app_tests";
  char* argv_[2] = {program_name_, nullptr};
  std::unique_ptr<QApplication> app_;
  OperatorMessageHandler previous_handler_;
};

inline ::testing::Environment* const app_test_environment = ::testing::AddGlobalTestEnvironment(new AppTestEnvironment);

// Collects the diagnostic lines written while it lives.
class DiagnosticRecorder {
 public:
  DiagnosticRecorder() : previous_(set_diagnostic_sink([this](const std::string& line) { lines_.push_back(line); })) {}
  ~DiagnosticRecorder() { set_diagnostic_sink(std::move(previous_)); }
  DiagnosticRecorder(const DiagnosticRecorder&) = delete;
  DiagnosticRecorder& operator=(const DiagnosticRecorder&) = delete;

  const std::vector<std::string>& lines() const { return lines_; }
  std::size_t count(const std::string& line) const {
    std::size_t n = 0;
    for (const std::string& l : lines_) n += l == line ? 1 : 0;
    return n;
  }
  void clear() { lines_.clear(); }

 private:
  std::vector<std::string> lines_;
  DiagnosticSink previous_;
};

}  // namespace vela::test
