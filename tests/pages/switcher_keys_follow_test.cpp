// The switcher page's keys follow the switcher record: a press made by
// anyone (the page, its keyboard, a remote) lights what it changed, FTB
// blinks while the record has it on, and each switcher keeps its own record.
#include "switcher/switcher_bitmaps.h"
#include "switcher_fixture.h"

namespace vela::test {
namespace {

namespace bitmap = switcher_bitmap;
using switcher_bus::Press;

constexpr int kProgram2 = 1033, kProgram3 = 1011, kProgram5 = 1108;
constexpr int kPreview2 = 1035, kPreview3 = 1012, kPreview5 = 1113;
constexpr int kFtb = 1152;

struct SwitcherKeysFollow : SwitcherPageFixture {
  // A press as a caller other than the page makes it.
  void press_elsewhere(Press press, std::uint8_t source = bus_source::kNone) {
    switcher_exchanges::press(context->m_link, context->switcher(), context->record_changes(), press, source);
  }
};

TEST_F(SwitcherKeysFollow, APressMadeElsewhereShowsOnThePage) {
  start();
  open_page();
  press_elsewhere(Press::Program, 3);
  press_elsewhere(Press::Preview, 5);
  EXPECT_EQ(picture(kProgram3), bitmap::bus_red(3));
  EXPECT_EQ(picture(kPreview5), bitmap::bus_green(5));

  press_elsewhere(Press::Cut);
  EXPECT_EQ(picture(kProgram5), bitmap::bus_red(5));
  EXPECT_EQ(picture(kPreview3), bitmap::bus_green(3));
  EXPECT_NE(picture(kProgram3), bitmap::bus_red(3)) << "the old program source is no longer lit";

  press_elsewhere(Press::FadeToBlack);
  EXPECT_TRUE(page->ftb_blinking());
  page->on_ftb_blink();
  page->on_ftb_blink();
  EXPECT_EQ(picture(kFtb), bitmap::ftb_lit);
  press_elsewhere(Press::FadeToBlack);
  EXPECT_FALSE(page->ftb_blinking());
  EXPECT_EQ(picture(kFtb), bitmap::ftb_normal) << "FTB rests on its normal picture, whatever blink was shown";
  EXPECT_EQ(commands_so_far(), (std::vector<std::string>{"80 03", "81 05", "83", "85", "85"}));
}

// Switch A, B, A: A's buses come back, B's never show on A.
TEST_F(SwitcherKeysFollow, TwoSwitchersKeepTheirOwnBuses) {
  start();
  const DeviceIdentity a{device_type::kSwitcher, 1, device_address()};
  const DeviceIdentity b{device_type::kSwitcher, 2, device_address()};
  context->use_records_of(a);
  open_page();
  press_elsewhere(Press::Program, 2);

  context->use_records_of(b);
  open_page();
  EXPECT_NE(picture(kProgram2), bitmap::bus_red(2)) << "A's program is not B's";
  press_elsewhere(Press::Program, 5);
  press_elsewhere(Press::Preview, 2);

  context->use_records_of(a);
  open_page();
  EXPECT_EQ(context->switcher().program_source, 2);
  EXPECT_EQ(context->switcher().preview_source, bus_source::kNone);
  EXPECT_EQ(picture(kProgram2), bitmap::bus_red(2));
  EXPECT_NE(picture(kProgram5), bitmap::bus_red(5));
  EXPECT_NE(picture(kPreview2), bitmap::bus_green(2));
}

}  // namespace
}  // namespace vela::test
