// The IPv4 address field, typed into as the operator does: keys go to
// whichever part has the focus.
#include "ipv4_address_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <optional>

#include "gui_test_environment.h"
#include "pixel_probe.h"
#include "skin_style.h"

namespace vela::test {
namespace {

using Octets = std::array<std::uint8_t, 4>;

struct TextCase {
  const char* text;
  Octets address;
  bool blank;
  bool whole;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class Ipv4TextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(Ipv4TextTest, ReadsDottedTextIntoFourParts) {
  Ipv4AddressEdit edit;
  EXPECT_EQ(edit.set_address_text(QString::fromLatin1(GetParam().text)), GetParam().whole);
  EXPECT_EQ(edit.address(), GetParam().address);
  EXPECT_EQ(edit.is_blank(), GetParam().blank);
}

INSTANTIATE_TEST_SUITE_P(Texts, Ipv4TextTest,
                         ::testing::Values(TextCase{"192.168.1.20", {192, 168, 1, 20}, false, true},
                                           TextCase{" 10.0.0.5 ", {10, 0, 0, 5}, false, true},
                                           TextCase{"", {0, 0, 0, 0}, true, false},
                                           TextCase{"0.0.0.0", {0, 0, 0, 0}, false, true},
                                           // Out of range is left blank, not made 255.
                                           TextCase{"10.300.5", {10, 0, 5, 0}, false, false},
                                           TextCase{"a.b.1.2", {0, 0, 1, 2}, false, false},
                                           TextCase{"1", {1, 0, 0, 0}, false, false},
                                           TextCase{"1.2.3.4.5", {1, 2, 3, 4}, false, false}));

// Key script: '\b' Backspace, 'A' Ctrl+A, 'V' Ctrl+V, any other character
// that key.
void press(const QString& keys) {
  for (const QChar key : keys) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    if (key == QLatin1Char('\b'))
      QTest::keyClick(target, Qt::Key_Backspace);
    else if (key == QLatin1Char('A'))
      QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    else if (key == QLatin1Char('V'))
      QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    else
      QTest::keyClick(target, key.toLatin1());
  }
}

// The field in a window after another field, so that it can be tabbed into.
class Ipv4TypingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    layout->addWidget(before_);
    layout->addWidget(edit_);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    before_->setFocus();
  }
  void tab_in() { QTest::keyClick(before_, Qt::Key_Tab); }

  QWidget window_;
  QLineEdit* before_ = new QLineEdit(&window_);
  Ipv4AddressEdit* edit_ = new Ipv4AddressEdit(&window_);
};

struct TypingCase {
  const char* name;
  const char* old_address;  // what the field shows before
  const char* clipboard;
  const char* keys;
  Octets address;
  bool refused;
};

void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name << " (keys \"" << c.keys << "\")"; }

class Ipv4TypedAddressTest : public Ipv4TypingTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Ipv4TypedAddressTest, GivesTheAddressTyped) {
  const TypingCase& c = GetParam();
  edit_->set_address_text(QString::fromLatin1(c.old_address));
  QApplication::clipboard()->setText(QString::fromLatin1(c.clipboard));
  tab_in();
  QSignalSpy refusals(edit_, &Ipv4AddressEdit::input_refused);
  press(QString::fromLatin1(c.keys));
  EXPECT_EQ(edit_->address(), c.address) << "text " << edit_->text().toStdString();
  EXPECT_EQ(!refusals.isEmpty(), c.refused);
  EXPECT_EQ(edit_->is_refusing(), c.refused);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Ipv4TypedAddressTest,
    ::testing::Values(TypingCase{"FullPartThenDot", "", "", "127.100.200.1", {127, 100, 200, 1}, false},
                      TypingCase{"ShortPartsAfterAFullOne", "", "", "127.1.2.3", {127, 1, 2, 3}, false},
                      TypingCase{"OverAnOldAddress", "192.168.100.200", "", "127.100.200.1", {127, 100, 200, 1}, false},
                      TypingCase{"ShortOverAnOldAddress", "10.20.30.40", "", "127.1.2.3", {127, 1, 2, 3}, false},
                      TypingCase{"AllMaximal", "", "", "255.255.255.255", {255, 255, 255, 255}, false},
                      TypingCase{"WithoutDots", "", "", "192168001020", {192, 168, 1, 20}, false},
                      // Three digits move on, so the tenth digit starts the last part.
                      TypingCase{"WithoutDotsShortLastPart", "", "", "1921681100", {192, 168, 110, 0}, false},
                      TypingCase{"SelectAllThenType", "1.2.3.4", "", "A10.0.0.5", {10, 0, 0, 5}, false},
                      TypingCase{"SelectAllInALaterPart", "1.2.3.4", "", "1.A9.8", {9, 8, 0, 0}, false},
                      TypingCase{"SelectAllThenBackspace", "1.2.3.4", "", "A\b", {0, 0, 0, 0}, false},
                      TypingCase{"DotInAnEmptyPartStays", "", "", "1..2", {1, 2, 0, 0}, false},
                      TypingCase{"LettersAreNotTaken", "", "", "1x0.5", {10, 5, 0, 0}, false},
                      TypingCase{"BackspaceAcrossTheDot", "", "", "10.20\b\b\b\b5", {15, 0, 0, 0}, false},
                      TypingCase{"BackspaceAfterAMoveOn", "", "", "127\b8.9", {128, 9, 0, 0}, false},
                      TypingCase{"BackspaceOverAnOldAddress", "1.2.3.4", "", "A5.6\b\b\b7", {7, 0, 0, 0}, false},
                      TypingCase{"AboveTheRangeRefused", "", "", "300.1.1.1", {30, 1, 1, 1}, true},
                      TypingCase{"256Refused", "", "", "256", {25, 0, 0, 0}, true},
                      TypingCase{"FourthDigitOfTheLastPartRefused", "", "", "1.2.3.1234", {1, 2, 3, 123}, true},
                      TypingCase{"PasteAnAddress", "1.2.3.4", "10.0.0.5", "V", {10, 0, 0, 5}, false},
                      TypingCase{"PasteDigitsAsTyped", "", "1921", "V", {192, 1, 0, 0}, false},
                      TypingCase{"PasteOutOfRangeRefusedWhole", "1.2.3.4", "10.0.0.300", "V", {1, 2, 3, 4}, true},
                      TypingCase{"PasteTextRefused", "1.2.3.4", "host", "V", {1, 2, 3, 4}, true}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

TEST_F(Ipv4TypingTest, TheDotAfterAMoveOnStaysInThePartItMovedTo) {
  edit_->set_address_text(QStringLiteral("1.2.3.4"));
  tab_in();
  press(QStringLiteral("127"));
  ASSERT_EQ(QApplication::focusWidget(), edit_->field(1));
  press(QStringLiteral("."));
  EXPECT_EQ(QApplication::focusWidget(), edit_->field(1));
  press(QStringLiteral("5."));
  EXPECT_EQ(QApplication::focusWidget(), edit_->field(2));
}

TEST_F(Ipv4TypingTest, ARefusalShowsTheRangeAndARedRimThenFades) {
  tab_in();
  press(QStringLiteral("30"));
  const QImage before = render(*edit_);
  press(QStringLiteral("0"));
  EXPECT_EQ(edit_->field(0)->text(), QStringLiteral("30"));
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("0..255"));

  const int middle = edit_->height() / 2;
  EXPECT_NE(rgb_at(before, 0, middle), style::refused.rgb());
  EXPECT_EQ(rgb_at(render(*edit_), 0, middle), style::refused.rgb());

  EXPECT_TRUE(QTest::qWaitFor([this] { return !edit_->is_refusing(); }, 10000));
  EXPECT_EQ(rgb_at(render(*edit_), 0, middle), rgb_at(before, 0, middle));
}

TEST_F(Ipv4TypingTest, TheMenuPastesAWholeAddress) {
  edit_->set_address_text(QStringLiteral("1.2.3.4"));
  QApplication::clipboard()->setText(QStringLiteral("172.16.0.9"));
  QLineEdit* part = edit_->field(2);
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), part->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(part, &request);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  auto* paste = menu->findChild<QAction*>(QStringLiteral("paste"));
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  menu->close();
  EXPECT_EQ(edit_->address(), (Octets{172, 16, 0, 9}));
}

TEST_F(Ipv4TypingTest, CopyAfterSelectAllTakesTheWholeAddress) {
  edit_->set_address_text(QStringLiteral("10.20.30.40"));
  tab_in();
  press(QStringLiteral("A"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("10.20.30.40"));
}

}  // namespace
}  // namespace vela::test
