#pragma once
// A show-mode page (RK2207 or LM5530) against the simulator or against a
// device the test scripts itself.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "skin_button.h"
#include "device_page_fixture.h"
#include "rk2207/show_mode_pictures.h"
#include "scripted_device.h"

namespace vela::test {

template <class Page>
struct ShowModePageFixture : DevicePageFixture {
  std::unique_ptr<Page> page;
  std::unique_ptr<ScriptedDevice> device;

  void TearDown() override {
    page.reset();
    device.reset();
    context.reset();
  }

  // The scripted device answers what the simulator never would.
  void start_scripted(std::uint8_t type, ScriptedDevice::Replies replies = {}) {
    device = std::make_unique<ScriptedDevice>(device_address(), std::move(replies));
    LinkSettings settings;
    settings.device_port = device->port();
    settings.local_port = free_udp_port();
    make_context(settings, type);
    point_device_at(device_address());
  }

  void open_page() {
    page.reset();
    page = std::make_unique<Page>(*context, nullptr);
    page->resize(1240, 580);
  }

  void press(int mode) { QTest::mouseClick(page->mode_button(mode), Qt::LeftButton); }

  // Every key shows its unselected picture but `selected` (-1: none).
  void expect_keys(int selected) const {
    for (int m = 0; m < 16; ++m) {
      const int id = m == selected ? show_mode_picture::selected(m) : show_mode_picture::normal(m);
      EXPECT_EQ(page->mode_button(m)->shown_bitmap_id(), id) << "key " << m;
    }
  }
};

}  // namespace vela::test
