#pragma once
// A multiviewer page against the simulated multiviewer.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "skin_button.h"
#include "control_id.h"
#include "device_page_fixture.h"
#include "device_types.h"
#include "list_clicks.h"
#include "multiviewer/multiviewer_page.h"

namespace vela::test {

struct MultiviewerPageFixture : DevicePageFixture {
  std::unique_ptr<MultiviewerPage> page;

  // A simulated multiviewer (extra device options after its address) and a
  // context whose current device it is.
  void start(std::uint8_t type = device_type::kMultiviewer16, const std::string& options = "") {
    start_device(type, options);
  }

  void make_context(const LinkSettings& settings, std::uint8_t type) override {
    DevicePageFixture::make_context(settings, type);
    context->multiviewer().reset_labels();
    context->m_model_window_count = model_window_count(type);
  }

  void TearDown() override {
    page.reset();
    context.reset();
  }

  void open_page() {
    page.reset();
    page = std::make_unique<MultiviewerPage>(*context, nullptr);
    page->resize(1240, 580);
  }

  void choose_sub_page(MultiviewerSubPage n) {
    QTest::mouseClick(page->sub_page_button(static_cast<int>(n)), Qt::LeftButton);
    ASSERT_EQ(page->shown_sub_page(), static_cast<int>(n));
  }

  template <class T>
  T* sub_page() const {
    return qobject_cast<T*>(page->sub_page());
  }

  // Shows the page as the active window, so that its fields can take the
  // keyboard focus.
  void show_active() {
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
  }

  // Sets the simulated device's state the way another panel would, before
  // the page under test reads it.
  void tell_device(std::uint8_t code, const Bytes& payload) {
    const std::size_t before = frames_with_code(code).size();
    ASSERT_TRUE(context->m_link.send_command(code, payload, true));
    ASSERT_EQ(wait_for_code(code, before + 1).size(), before + 1);
  }

  // Every frame the device logged, once a marker frame sent now arrived:
  // what the page sent before has all arrived by then. Markers left out.
  std::vector<LogRecord> frames_so_far() {
    constexpr std::uint8_t kMarker = 0x7E;  // no multiviewer command
    const std::size_t markers = frames_with_code(kMarker).size();
    EXPECT_TRUE(context->m_link.send_command(kMarker, {}, true));
    EXPECT_EQ(wait_for_code(kMarker, markers + 1).size(), markers + 1);
    std::vector<LogRecord> frames;
    for (const LogRecord& r : SimLog(sim->log_path()).records()) {
      if (r.code != kMarker) frames.push_back(r);
    }
    return frames;
  }

  // The frames of `code` among frames_so_far().
  std::vector<Bytes> sent_with_code(int code) {
    std::vector<Bytes> found;
    for (const LogRecord& r : frames_so_far()) {
      if (r.code == code) found.push_back(r.bytes());
    }
    return found;
  }
};

}  // namespace vela::test
