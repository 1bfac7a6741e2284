#pragma once
// The switcher's settings sub-pages and dialogs against the simulated
// switcher, each built on a host widget standing in for the switcher page,
// with the command socket the page keeps open.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "control_id.h"
#include "device_page_fixture.h"
#include "device_types.h"
#include "list_clicks.h"
#include "switcher_protocol.h"
#include "track_bar.h"

namespace vela::test {

struct SwitcherSettingsFixture : DevicePageFixture {
  std::unique_ptr<QWidget> host;

  // A simulated switcher (extra device options after its address).
  void start(const std::string& options = "") {
    start_device(device_type::kSwitcher, options);
    context->m_link.udp_link().prepare_command_socket(context->m_link.current_device());
    host = std::make_unique<QWidget>();
    host->resize(250, 400);
  }

  void TearDown() override {
    host.reset();
    context.reset();
  }

  template <class T>
  T* open() {
    auto* window = new T(*context, host.get());
    window->show();
    return window;
  }

  // Every frame the switcher received, in order.
  std::vector<LogRecord> frames() const { return SimLog(sim->log_path()).records(); }

  // The payload of each frame with this code, once `count` of them arrived.
  std::vector<Bytes> payloads_of(int code, std::size_t count = 1) const {
    std::vector<Bytes> payloads;
    for (const LogRecord& r : wait_for_code(code, count)) {
      const Bytes bytes = r.bytes();
      payloads.emplace_back(bytes.begin() + frame::kPayloadOffset, bytes.end() - 3);
    }
    return payloads;
  }

  // The operator lets go of the bar at `position`: the bar is put there
  // (silently, as from code), then its handle is pressed and released.
  static void release_at(TrackBar* bar, int position) {
    bar->setValue(position);
    QTest::mouseClick(bar, Qt::LeftButton, {}, handle_centre(bar));
  }

  static QPoint handle_centre(TrackBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    return bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar).center();
  }
};

}  // namespace vela::test
