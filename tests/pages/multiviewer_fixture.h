#pragma once
// A multiviewer page built without a main window: a page context of its
// own, one device entry, and the simulator playing that device on loopback.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "button_st.h"
#include "control_id.h"
#include "device_types.h"
#include "gui_test_environment.h"
#include "list_clicks.h"
#include "loopback.h"
#include "multiviewer/class_16view_dlg.h"
#include "page_context.h"
#include "sim_log.h"
#include "sim_process.h"

namespace vela::test {

struct MultiviewerPageFixture : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<PageContext> context;
  std::unique_ptr<CClass_16view_dlg> page;
  DiagnosticRecorder diagnostics;

  std::string device_address() const { return range.address(1); }

  // A simulated multiviewer (extra device options after its address) and a
  // context whose current device it is.
  void start(std::uint8_t type = device_type::kMultiviewer16, const std::string& options = "") {
    const std::uint16_t port = free_udp_port(range.addresses(LoopbackRange::kSize));
    char config[96];
    std::snprintf(config, sizeof config, "type=0x%X,id=1,name=Gallery,addr=%s", type, device_address().c_str());
    sim = std::make_unique<SimProcess>(
        std::vector<std::string>{"--port", std::to_string(port), "--device", std::string(config) + options});
    LinkSettings settings;
    settings.device_port = port;
    settings.local_port = free_udp_port();
    settings.broadcast = range.address(0);
    make_context(settings, type);
    context->m_link.device_table[0].set_address(device_address());
  }

  void make_context(const LinkSettings& settings, std::uint8_t type) {
    context = std::make_unique<PageContext>(settings);
    context->make_current();
    context->m_multiviewer.reset_labels();
    DeviceEntry& entry = context->m_link.device_table[0];
    entry.type = type;
    entry.id = 1;
    context->m_link.device_count = 1;
    context->m_link.m_device_index = 0;
    context->m_model_window_count = model_window_count(type);
  }

  void TearDown() override {
    page.reset();
    context.reset();
  }

  void open_page() {
    page.reset();
    page = std::make_unique<CClass_16view_dlg>(nullptr);
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

  // Frames the device received with this command code.
  std::vector<LogRecord> frames_with_code(int code) const {
    std::vector<LogRecord> found;
    for (const LogRecord& r : SimLog(sim->log_path()).records()) {
      if (r.code == code) found.push_back(r);
    }
    return found;
  }

  std::vector<LogRecord> wait_for_code(int code, std::size_t count = 1) const {
    return SimLog(sim->log_path()).wait_for(count, [code](const LogRecord& r) { return r.code == code; });
  }
};

}  // namespace vela::test
