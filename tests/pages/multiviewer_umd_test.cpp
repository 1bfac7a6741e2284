// The UMD sub-page against the simulated multiviewer: labels confirmed with
// Enter, the typing limit that leaves the device's longer labels whole, and
// the switch of all labels.
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>

#include "drop_down_list.h"
#include "multiviewer/multiviewer_labels_tab.h"
#include "multiviewer/label_edit.h"
#include "multiviewer_fixture.h"
#include "multiviewer_protocol.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;

struct MultiviewerUmd : MultiviewerPageFixture {
  MultiviewerLabelsTab* open_umd() {
    open_page();
    show_active();
    choose_sub_page(MultiviewerSubPage::Umd);
    return sub_page<MultiviewerLabelsTab>();
  }

  // Enters `text` in the field of `window` over what it holds and presses
  // Enter.
  void confirm(MultiviewerLabelsTab* umd, int window, const QString& text) {
    LabelEdit* field = umd->label_field(window);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    // Text beyond the keyboard's letters comes from an input method.
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QCoreApplication::sendEvent(field, &composed);
    QTest::keyClick(field, Qt::Key_Return);
  }
};

TEST_F(MultiviewerUmd, EnterSendsTheFocusedFieldsLabel) {
  struct Case {
    int window;
    QString text;
    std::size_t frame_length;
  };
  const Case cases[] = {{3, QStringLiteral("CAM 1"), 38}, {16, QString(), 28}, {9, QStringLiteral("机位 9"), 28 + 8}};
  start();
  MultiviewerLabelsTab* umd = open_umd();
  for (const Case& c : cases) confirm(umd, c.window, c.text);

  const std::vector<Bytes> frames = sent_with_code(mv::code::kLabelText);
  ASSERT_EQ(frames.size(), std::size(cases));
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.window);
    const Bytes& frame = frames[i];
    ASSERT_EQ(frame.size(), c.frame_length);
    EXPECT_EQ(frame_length_field(frame), c.frame_length);
    EXPECT_EQ(Bytes(frame.begin() + 17, frame.begin() + 25),
              (Bytes{static_cast<std::uint8_t>(c.window), 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01}));
    EXPECT_EQ(mv::read_label_text_payload(ByteView(frame).subspan(17, frame.size() - 20))->label,
              c.text.toStdU16String());
    EXPECT_EQ(context->multiviewer().m_window_label[c.window - 1], c.text.toStdU16String());
  }
  // The Part's own bytes for CAM 1.
  EXPECT_EQ(Bytes(frames[0].begin() + 25, frames[0].begin() + 35),
            (Bytes{0x43, 0x00, 0x41, 0x00, 0x4D, 0x00, 0x20, 0x00, 0x31, 0x00}));
  EXPECT_EQ(frames[0].back(), frame::kEnd);
  EXPECT_EQ(diagnostics.count("m_umd_string_index = 2 \n"), 1u);
  EXPECT_EQ(diagnostics.count("sendLen = 38 \n "), 1u);
  EXPECT_EQ(diagnostics.count("sendLen = 28 \n "), 1u);
  EXPECT_EQ(umd->umd_string_index(), 8);
}

TEST_F(MultiviewerUmd, TypingStopsAtTenCharactersButTheDevicesLongerLabelStaysWhole) {
  const std::u16string sixteen = u"STUDIO-A CAM-12X";
  start();
  tell_device(mv::code::kLabelText, mv::label_text_payload(5, sixteen));
  MultiviewerLabelsTab* umd = open_umd();
  ASSERT_EQ(context->multiviewer().m_window_label[4], sixteen) << "read back from the device";

  LabelEdit* longer = umd->label_field(5);
  EXPECT_EQ(longer->text().toStdU16String(), sixteen) << "shown whole";
  longer->setFocus();
  longer->end(false);
  QTest::keyClicks(longer, QStringLiteral("Z"));
  EXPECT_EQ(longer->text().toStdU16String(), sixteen) << "nothing can be added to it";
  QTest::keyClick(longer, Qt::Key_Return);

  LabelEdit* typed = umd->label_field(1);
  typed->setFocus();
  typed->clear();
  QTest::keyClicks(typed, QStringLiteral("ABCDEFGHIJKLMN"));
  EXPECT_EQ(typed->text(), QStringLiteral("ABCDEFGHIJ"));
  QTest::keyClick(typed, Qt::Key_Backspace);
  QTest::keyClicks(typed, QStringLiteral("XY"));
  EXPECT_EQ(typed->text(), QStringLiteral("ABCDEFGHIX"));
  // A paste keeps its first characters up to the limit.
  typed->clear();
  QGuiApplication::clipboard()->setText(QStringLiteral("0123456789abc"));
  typed->paste();
  EXPECT_EQ(typed->text(), QStringLiteral("0123456789"));

  const std::vector<Bytes> frames = sent_with_code(mv::code::kLabelText);
  ASSERT_EQ(frames.size(), 2u) << "the label set beforehand and the one confirmed here";
  EXPECT_EQ(frames[1].size(), 60u);
  EXPECT_EQ(mv::read_label_text_payload(ByteView(frames[1]).subspan(17, 40))->label, sixteen);
}

TEST_F(MultiviewerUmd, EnterOutsideTheLabelFieldsSendsNothingAndNoKeyClosesThePage) {
  start();
  MultiviewerLabelsTab* umd = open_umd();
  umd->display_list()->setFocus();
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(umd->display_list(), key);
  EXPECT_EQ(umd->umd_string_index(), -1);
  EXPECT_EQ(diagnostics.count("m_umd_string_index = -1 \n"), 2u);
  EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 1u);
  EXPECT_TRUE(umd->isVisible());
  EXPECT_EQ(page->shown_sub_page(), static_cast<int>(MultiviewerSubPage::Umd));
  EXPECT_TRUE(sent_with_code(mv::code::kLabelText).empty());
}

TEST_F(MultiviewerUmd, TheLabelSwitchTurnsTheLabelBoxesOffAndOn) {
  start();
  MultiviewerLabelsTab* umd = open_umd();
  ASSERT_EQ(umd->display_list()->currentText(), "UMD ON") << "the device shows its labels";
  const PreviewBox box = context->multiviewer().m_label_rect[0];
  const auto label_box_painted = [&] {
    page->grab();
    return page->preview_image().pixelColor(box.x + 1, box.y + 1) == QColor(0, 0, 0);
  };
  ASSERT_TRUE(label_box_painted()) << "black label ground of the simulated device";

  ASSERT_TRUE(click_list_item(umd->display_list(), 0));
  EXPECT_EQ(context->multiviewer().m_labels_visible, 0);
  EXPECT_FALSE(label_box_painted());
  ASSERT_TRUE(click_list_item(umd->display_list(), 1));
  EXPECT_EQ(context->multiviewer().m_labels_visible, 1);
  EXPECT_TRUE(label_box_painted());
  // The hidden buttons switch the same way.
  find_control<QPushButton>(umd, MultiviewerLabelsTab::kAllOffButtonId)->click();
  EXPECT_EQ(context->multiviewer().m_settings.label_enable, 0);

  const std::vector<Bytes> frames = sent_with_code(mv::code::kLabelSwitch);
  ASSERT_EQ(frames.size(), 3u);
  for (const Bytes& frame : frames) EXPECT_EQ(frame.size(), 21u);
  EXPECT_EQ(frames[0][17], 0);
  EXPECT_EQ(frames[1][17], 1);
  EXPECT_EQ(frames[2][17], 0);
}

TEST_F(MultiviewerUmd, TheTenWindowModelHidesWindowsElevenToSixteen) {
  start(device_type::kMultiviewer10);
  MultiviewerLabelsTab* umd = open_umd();
  for (int w = 1; w <= 16; ++w) {
    EXPECT_EQ(umd->label_field(w)->isHidden(), w > 10) << w;
    EXPECT_EQ(umd->window_caption(w)->isHidden(), w > 10) << w;
  }
  EXPECT_EQ(find_control<QLabel>(umd, 1259)->text(), "Window16");
  EXPECT_EQ(umd->label_field(10)->text(), "CAM 10");
}

}  // namespace
}  // namespace vela::test
