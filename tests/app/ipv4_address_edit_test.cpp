// The IPv4 address field of the connection dialog.
#include "ipv4_address_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app_test_environment.h"

namespace {

using Octets = std::array<std::uint8_t, 4>;

struct TextCase {
  const char* text;
  Octets address;
  bool blank;
};

class Ipv4TextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(Ipv4TextTest, ReadsDottedTextIntoFourFields) {
  Ipv4AddressEdit edit;
  edit.set_address_text(QString::fromLatin1(GetParam().text));
  EXPECT_EQ(edit.address(), GetParam().address);
  EXPECT_EQ(edit.is_blank(), GetParam().blank);
}

INSTANTIATE_TEST_SUITE_P(Texts, Ipv4TextTest,
                         ::testing::Values(TextCase{"192.168.1.20", {192, 168, 1, 20}, false},
                                           TextCase{"", {0, 0, 0, 0}, true}, TextCase{"0.0.0.0", {0, 0, 0, 0}, false},
                                           TextCase{"10.300.5", {10, 255, 5, 0}, false},
                                           TextCase{"a.b.1.2", {0, 0, 1, 2}, false}));

// Typing goes to whichever field has the focus, as for the operator.
class Ipv4TypingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit_.show();
    edit_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit_));
    edit_.field(0)->setFocus();
  }
  void type(const QString& keys) {
    for (const QChar key : keys) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
  }

  Ipv4AddressEdit edit_;
};

TEST_F(Ipv4TypingTest, DotsAndThirdDigitsMoveToTheNextField) {
  type(QStringLiteral("10.2.3"));
  EXPECT_EQ(QApplication::focusWidget(), edit_.field(2));
  type(QStringLiteral(".44"));
  EXPECT_EQ(edit_.address(), (Octets{10, 2, 3, 44}));

  edit_.clear();
  edit_.field(0)->setFocus();
  type(QStringLiteral("192168001020"));
  EXPECT_EQ(edit_.address(), (Octets{192, 168, 1, 20}));
}

TEST_F(Ipv4TypingTest, ValuesAboveTheRangeBecome255) {
  type(QStringLiteral("999"));
  EXPECT_EQ(edit_.field(0)->text(), "255");
  EXPECT_EQ(edit_.address()[0], 255);
}

TEST_F(Ipv4TypingTest, BackspaceInAnEmptyFieldGoesBack) {
  type(QStringLiteral("7."));
  ASSERT_EQ(QApplication::focusWidget(), edit_.field(1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
  EXPECT_EQ(QApplication::focusWidget(), edit_.field(0));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
  EXPECT_TRUE(edit_.is_blank());
}

}  // namespace
