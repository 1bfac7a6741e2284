// Operator messages reach the screen only on the window thread, whichever
// thread asks for them.
#include "message_box.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <QWidget>
#include <memory>
#include <thread>
#include <vector>

#include "gui_test_environment.h"
#include "operator_message.h"

namespace vela::test {
namespace {

struct Shown {
  QThread* thread;
  QWidget* parent;
  QString text;
};

// Installs the message-box handler with a show function that records
// instead of opening a modal box; puts the program's recorder back after.
class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<QWidget>();
    previous_ = install_message_box_handler(window_.get(), [this](QWidget* parent, const QString& text) {
      shown_.push_back({QThread::currentThread(), parent, text});
    });
  }
  void TearDown() override { set_operator_message_handler(std::move(previous_)); }

  static void from_worker(const std::string& text) {
    std::thread worker([text] { show_operator_message(text); });
    worker.join();
  }

  std::unique_ptr<QWidget> window_;
  std::vector<Shown> shown_;
  OperatorMessageHandler previous_;
};

TEST_F(MessageBoxTest, OnTheWindowThreadTheBoxShowsAtOnce) {
  show_operator_message("Please choose a device");
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].thread, QCoreApplication::instance()->thread());
  EXPECT_EQ(shown_[0].parent, window_.get());
  EXPECT_EQ(shown_[0].text, QStringLiteral("Please choose a device"));
}

TEST_F(MessageBoxTest, FromAWorkerThreadTheBoxIsPostedToTheWindowThread) {
  from_worker("Create socket err");
  from_worker("Please open the serial port first!");
  EXPECT_TRUE(shown_.empty()) << "shown on the worker thread";

  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(shown_.size(), 2u);
  for (const Shown& s : shown_) {
    EXPECT_EQ(s.thread, QCoreApplication::instance()->thread());
    EXPECT_EQ(s.parent, window_.get());
  }
  EXPECT_EQ(shown_[0].text, QStringLiteral("Create socket err"));
  EXPECT_EQ(shown_[1].text, QStringLiteral("Please open the serial port first!"));
}

TEST_F(MessageBoxTest, APostedBoxOutlivingItsWindowShowsWithoutAParent) {
  from_worker("Create socket err");
  window_.reset();
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].parent, nullptr);
}

}  // namespace
}  // namespace vela::test
