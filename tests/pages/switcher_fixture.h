#pragma once
// The switcher page against the simulated switcher.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "skin_button.h"
#include "device_page_fixture.h"
#include "device_types.h"
#include "hex_text.h"
#include "switcher/switcher_page.h"
#include "switcher_exchanges.h"

namespace vela::test {

struct SwitcherPageFixture : DevicePageFixture {
  std::unique_ptr<SwitcherPage> page;

  // A simulated switcher (extra device options after its address).
  void start(const std::string& options = "") { start_device(device_type::kSwitcher, options); }

  void TearDown() override {
    page.reset();
    context.reset();
  }

  void open_page() {
    page.reset();
    page = std::make_unique<SwitcherPage>(*context, nullptr);
    page->resize(1240, 580);
  }

  void press(int id) {
    SkinButton* key = page->button(id);
    ASSERT_NE(key, nullptr) << id;
    QTest::mouseClick(key, Qt::LeftButton);
  }

  int picture(int id) const { return page->button(id)->shown_bitmap_id(); }

  // Code and payload ("80 03") of every frame the switcher received, once a
  // marker sent now arrived behind them; markers left out.
  std::vector<std::string> commands_so_far() {
    constexpr std::uint8_t kMarker = 0x7E;  // no switcher command
    const std::size_t markers = frames_with_code(kMarker).size();
    switcher_exchanges::send(context->m_link, kMarker);
    EXPECT_EQ(wait_for_code(kMarker, markers + 1).size(), markers + 1);
    std::vector<std::string> commands;
    for (const LogRecord& r : SimLog(sim->log_path()).records()) {
      if (r.code == kMarker || r.carrier != "udp") continue;
      const Bytes bytes = r.bytes();
      commands.push_back(to_hex(ByteView(bytes).subspan(frame::kCodeOffset, bytes.size() - frame::kCodeOffset - 3)));
    }
    return commands;
  }
};

}  // namespace vela::test
