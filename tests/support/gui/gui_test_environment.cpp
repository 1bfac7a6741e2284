#include "gui_test_environment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <memory>

#include "text_recorders.h"

namespace vela::test {
namespace {

class GuiTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // Must be in place before the application object picks its platform.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app_ = std::make_unique<QApplication>(argc_, argv_);
    previous_qt_handler_ = qInstallMessageHandler(&GuiTestEnvironment::filter_qt_message);
    messages_ = std::make_unique<OperatorMessageRecorder>();
  }

  void TearDown() override {
    messages_.reset();
    app_.reset();
    qInstallMessageHandler(previous_qt_handler_);
  }

  std::vector<std::string> take_messages() { return messages_ ? messages_->take() : std::vector<std::string>{}; }

 private:
  // The offscreen platform says on every raise(), size hint and popup's
  // keyboard grab that it cannot do them; everything else goes through.
  static void filter_qt_message(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support raise()") ||
        message == QLatin1String("This plugin does not support propagateSizeHints()") ||
        message == QLatin1String("This plugin does not support grabbing the keyboard"))
      return;
    if (previous_qt_handler_) {
      previous_qt_handler_(type, context, message);
    } else {
      std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
  }

  static inline QtMessageHandler previous_qt_handler_ = nullptr;
  int argc_ = 1;
  char program_name_[15] = "vela_gui_tests";
  char* argv_[2] = {program_name_, nullptr};
  std::unique_ptr<QApplication> app_;
  std::unique_ptr<OperatorMessageRecorder> messages_;
};

// GoogleTest owns and deletes the environment.
GuiTestEnvironment* const environment =
    static_cast<GuiTestEnvironment*>(::testing::AddGlobalTestEnvironment(new GuiTestEnvironment));

}  // namespace

std::vector<std::string> take_operator_messages() { return environment->take_messages(); }

}  // namespace vela::test
