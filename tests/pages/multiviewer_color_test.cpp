// The COLOR sub-page against the simulated multiviewer: one window's or all
// windows' colours, the channel lists sized by the layout, and the preview.
#include "drop_down_list.h"
#include "multiviewer/multiviewer_colours_tab.h"
#include "multiviewer/multiviewer_layout_tab.h"
#include "multiviewer_fixture.h"
#include "multiviewer_protocol.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;

constexpr int kLabels = 0;
constexpr int kResolution = 1;
constexpr int kText = 0;
constexpr int kBackground = 1;

using ColourArray = std::uint8_t (MultiviewerSettings::*)[16];

struct MultiviewerColor : MultiviewerPageFixture {
  MultiviewerColoursTab* open_color() {
    open_page();
    choose_sub_page(MultiviewerSubPage::Color);
    return sub_page<MultiviewerColoursTab>();
  }
  const MultiviewerSettings& settings() const { return context->multiviewer().m_settings; }
};

TEST_F(MultiviewerColor, AColourGoesToTheChosenChannelOrToEveryWindow) {
  struct Case {
    const char* what;
    int section;
    int channel_item;  // 0 = All Channel
    int which;
    int colour;
    std::uint8_t code;
    ColourArray colours;
  };
  const Case cases[] = {
      {"label text, all windows, Red", kLabels, 0, kText, 2, mv::code::kLabelTextColour,
       &MultiviewerSettings::label_text_colour},
      {"label ground, window 3, Yellow", kLabels, 3, kBackground, 6, mv::code::kLabelBackColour,
       &MultiviewerSettings::label_back_colour},
      {"resolution text, window 2, Cyan", kResolution, 2, kText, 5, mv::code::kResolutionTextColour,
       &MultiviewerSettings::resolution_text_colour},
      {"resolution ground, all windows, Blue", kResolution, 0, kBackground, 1, mv::code::kResolutionBackColour,
       &MultiviewerSettings::resolution_back_colour},
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MultiviewerColoursTab* color = open_color();
    ASSERT_TRUE(click_list_item(color->channel_list(c.section), c.channel_item));
    std::uint8_t expected[16];
    std::copy(std::begin(settings().*c.colours), std::end(settings().*c.colours), expected);
    for (int w = 1; w <= 16; ++w) {
      if (c.channel_item == 0 || w == c.channel_item) expected[w - 1] = static_cast<std::uint8_t>(c.colour);
    }
    ASSERT_TRUE(click_list_item(color->colour_list(c.section, c.which), c.colour));
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), std::begin(settings().*c.colours)));

    const std::vector<Bytes> frames = sent_with_code(c.code);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].size(), 22u);
    EXPECT_EQ(frames[0][17], c.channel_item);
    EXPECT_EQ(frames[0][18], c.colour);
  }
}

TEST_F(MultiviewerColor, ALabelGroundForOneWindowIsPaintedInThePreview) {
  start();
  MultiviewerColoursTab* color = open_color();
  ASSERT_TRUE(click_list_item(color->channel_list(kLabels), 3));
  EXPECT_EQ(settings().label_colour_channel, 3);
  ASSERT_TRUE(click_list_item(color->colour_list(kLabels, kBackground), 6));
  page->grab();
  const auto corner = [this](int window) {
    const PreviewBox& b = context->multiviewer().m_label_rect[window - 1];
    return page->preview_image().pixelColor(b.x + 1, b.y + 1);
  };
  EXPECT_EQ(corner(3), QColor(255, 255, 0));
  EXPECT_EQ(corner(4), QColor(0, 0, 0));
  EXPECT_EQ(settings().label_back_colour[3], 0);
}

TEST_F(MultiviewerColor, ChoosingAChannelShowsItsColoursAndSendsNothing) {
  start();
  tell_device(mv::code::kLabelTextColour, mv::colour_payload(7, 11));
  tell_device(mv::code::kResolutionBackColour, mv::colour_payload(0, 4));
  MultiviewerColoursTab* color = open_color();
  EXPECT_EQ(color->channel_list(kLabels)->currentText(), "CH_1") << "1 after every device selection";
  EXPECT_EQ(color->colour_list(kLabels, kText)->currentText(), "White");
  EXPECT_EQ(color->colour_list(kResolution, kBackground)->currentText(), "Green");
  ASSERT_TRUE(click_list_item(color->channel_list(kLabels), 7));
  EXPECT_EQ(settings().label_colour_channel, 7);
  EXPECT_EQ(color->colour_list(kLabels, kText)->currentText(), "LightGreen");
  ASSERT_TRUE(click_list_item(color->channel_list(kLabels), 0));
  EXPECT_EQ(color->colour_list(kLabels, kText)->currentText(), "White") << "window 1's for all windows";
  for (const LogRecord& r : frames_so_far()) {
    EXPECT_TRUE(r.code == mv::code::kState || r.code == mv::code::kLabelTextColour ||
                r.code == mv::code::kResolutionBackColour)
        << r.command;
  }
}

TEST_F(MultiviewerColor, ChannelListsFollowTheWindowCountAndALostChannelFallsBackToAll) {
  start();
  MultiviewerColoursTab* color = open_color();
  ASSERT_EQ(color->channel_list(kLabels)->count(), 17);
  EXPECT_EQ(color->channel_list(kLabels)->itemText(16), "CH_16");
  ASSERT_TRUE(click_list_item(color->channel_list(kLabels), 16));
  ASSERT_TRUE(click_list_item(color->channel_list(kResolution), 12));
  choose_sub_page(MultiviewerSubPage::Status);
  choose_sub_page(MultiviewerSubPage::Color);
  color = sub_page<MultiviewerColoursTab>();
  EXPECT_EQ(color->channel_list(kLabels)->currentText(), "CH_16");

  choose_sub_page(MultiviewerSubPage::Control);
  QTest::mouseClick(sub_page<MultiviewerLayoutTab>()->layout_button(1), Qt::LeftButton);
  choose_sub_page(MultiviewerSubPage::Color);
  color = sub_page<MultiviewerColoursTab>();
  for (const int section : {kLabels, kResolution}) {
    DropDownList* channels = color->channel_list(section);
    ASSERT_EQ(channels->count(), 5) << "All Channel and CH_1 to CH_4";
    EXPECT_EQ(channels->itemText(4), "CH_4");
    EXPECT_EQ(channels->currentText(), "All Channel");
  }
  EXPECT_EQ(settings().label_colour_channel, 0);
  EXPECT_EQ(settings().resolution_colour_channel, 0);
}

// The sub-page makes its lists each time it opens; their colour squares are
// the same pictures every time, so Qt's pixmap cache, which keeps every icon
// picture painted, holds each square once however often the sub-page opens.
TEST_F(MultiviewerColor, ColourSquaresAreTheSamePicturesEveryTimeTheSubPageOpens) {
  start();
  MultiviewerColoursTab* color = open_color();
  const auto square_key = [](DropDownList* list, int item) {
    return list->itemIcon(item).pixmap(QSize(12, 12)).cacheKey();
  };
  const qint64 magenta = square_key(color->colour_list(kLabels, kText), 3);
  EXPECT_EQ(square_key(color->colour_list(kResolution, kBackground), 3), magenta) << "one square for every list";
  EXPECT_NE(square_key(color->colour_list(kLabels, kText), 4), magenta) << "each colour its own square";
  choose_sub_page(MultiviewerSubPage::Status);
  choose_sub_page(MultiviewerSubPage::Color);
  color = sub_page<MultiviewerColoursTab>();
  EXPECT_EQ(square_key(color->colour_list(kLabels, kText), 3), magenta) << "and the same when the sub-page opens again";
}

TEST_F(MultiviewerColor, OverAClosedSerialPortTheLabelGroundIsStoredAndPainted) {
  make_context({}, device_type::kMultiviewer16);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  context->multiviewer().m_settings.mode_type = 6;
  context->multiviewer().m_layout_window_count = 16;
  context->multiviewer().set_label_display(1);
  MultiviewerColoursTab* color = open_color();
  ASSERT_TRUE(click_list_item(color->colour_list(kLabels, kBackground), 2));
  EXPECT_EQ(settings().label_back_colour[0], 2);
  EXPECT_EQ(context->multiviewer().m_label_rgb[0], (mv::Rgb{255, 0, 0}));
  ASSERT_TRUE(click_list_item(color->colour_list(kResolution, kBackground), 2));
  EXPECT_EQ(settings().resolution_back_colour[0], 2);
  EXPECT_NE(context->multiviewer().m_resolution_rgb[0], (mv::Rgb{255, 0, 0})) << "recomputed only after a frame left";
}

}  // namespace
}  // namespace vela::test
