#pragma once
// A matrix page against the simulated matrix: its keys pressed as an
// operator does, the texts and frames the simulator logged, and the
// device's own routing table and lock, read with the device's lock query.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "skin_button.h"
#include "device_page_fixture.h"
#include "device_types.h"
#include "matrix/matrix_routing_tab.h"
#include "matrix/matrix_connection_tab.h"
#include "matrix/matrix_page.h"
#include "matrix/matrix_bitmaps.h"
#include "matrix_protocol.h"
#include "udp_peer.h"

namespace vela::test {

struct MatrixPageFixture : DevicePageFixture {
  using Action = MatrixRoutingTab::Action;
  std::unique_ptr<MatrixPage> page;

  // A simulated matrix at the device address; extra simulator arguments
  // (a serial matrix, say) after it.
  void start(const std::vector<std::string>& extra_arguments = {}) {
    start_device(device_type::kMatrix, "", extra_arguments);
  }

  void TearDown() override {
    page.reset();
    context.reset();
  }

  void open_page() {
    page.reset();
    page = std::make_unique<MatrixPage>(*context, nullptr);
    page->resize(1240, 580);
  }

  MatrixRoutingTab* function_page() const { return qobject_cast<MatrixRoutingTab*>(page->sub_page()); }
  MatrixConnectionTab* setting_page() const { return qobject_cast<MatrixConnectionTab*>(page->sub_page()); }

  void press_input(int n) { QTest::mouseClick(page->input_button(n), Qt::LeftButton); }
  void press_output(int j) { QTest::mouseClick(page->output_button(j), Qt::LeftButton); }
  void press(Action action) {
    ASSERT_NE(function_page(), nullptr) << "the CONTROL tab is not shown";
    QTest::mouseClick(function_page()->action_button(action), Qt::LeftButton);
  }
  void choose_tab(int t) {
    QTest::mouseClick(page->tab_button(t), Qt::LeftButton);
    ASSERT_EQ(page->current_tab(), t);
  }

  // Pictures of a row of keys: 'G' green, '-' grey, '?' anything else.
  std::string row_pictures(bool outputs) const {
    std::string row;
    for (int n = 1; n <= matrix::kInputCount; ++n) {
      const int shown = (outputs ? page->output_button(n) : page->input_button(n))->shown_bitmap_id();
      row += shown == matrix_bitmap::digit_green(n) ? 'G' : shown == matrix_bitmap::digit_grey(n) ? '-' : '?';
    }
    return row;
  }
  std::string inputs() const { return row_pictures(false); }
  std::string outputs() const { return row_pictures(true); }

  // The texts the simulator received, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> found;
    for (const LogRecord& r : SimLog(sim->log_path()).records())
      if (r.is_text && r.carrier != "control") found.push_back(r.text);
    return found;
  }
  std::vector<LogRecord> wait_for_texts(std::size_t count) const {
    return SimLog(sim->log_path()).wait_for(count, [](const LogRecord& r) { return r.is_text; });
  }

  // What the device itself holds, asked the way the panel asks for its lock.
  struct DeviceView {
    std::uint8_t lock = 0;
    MatrixRoutes routes{};
  };
  DeviceView device_view() const {
    UdpPeer peer;
    peer.send_to(device_address(), context->m_link.udp_link().settings().device_port,
                 build_frame(frame::kLinkUdp, device_type::kMatrix, 1, matrix::code::kLockQuery));
    const auto reply = peer.receive(std::chrono::seconds(5));
    if (!reply) {
      ADD_FAILURE() << "the simulated matrix did not answer its lock query";
      return {};
    }
    return {matrix::read_lock_reply(reply->bytes).value_or(0xEE),
            matrix::read_reply_routes(reply->bytes).value_or(MatrixRoutes{})};
  }
};

}  // namespace vela::test
