// The matrix state kept by the main window across device selections: each
// matrix has its own record, in which every selection clears the button
// lock (the page reads it from its device again); the chosen input and the
// routing table stay with their matrix.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>
#include <memory>

#include "skin_button.h"
#include "gui_test_environment.h"
#include "loopback.h"
#include "main_window.h"
#include "matrix/matrix_routing_tab.h"
#include "matrix/matrix_page.h"
#include "matrix_protocol.h"
#include "sim_process.h"

namespace vela::test {
namespace {

using Action = MatrixRoutingTab::Action;

struct MatrixSelection : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<MainWindow> window;
  DiagnosticRecorder diagnostics;

  // Two matrices; the second never answers its lock query.
  void SetUp() override {
    const std::uint16_t port = free_udp_port(range.addresses(LoopbackRange::kSize));
    sim = std::make_unique<SimProcess>(std::vector<std::string>{
        "--port", std::to_string(port), "--device", "type=0x81,id=1,name=Router,addr=" + range.address(1), "--device",
        "type=0x82,id=2,name=Quiet,silent,addr=" + range.address(2)});
    PanelOptions options;
    options.link.device_port = port;
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
    window = std::make_unique<MainWindow>(options);
    window->initialise();
    for (int i = 0; i < 2; ++i) {
      DeviceEntry& entry = window->m_link.device_table[static_cast<std::size_t>(i)];
      entry.type = i == 0 ? device_type::kMatrix : device_type::kMatrixB;
      entry.id = static_cast<std::uint8_t>(i + 1);
      entry.set_address(range.address(i + 1));
      window->device_list()->addItem(QStringLiteral("matrix %1").arg(i));
    }
    window->m_link.device_count = 2;
  }

  void TearDown() override { window.reset(); }

  MatrixPage* page() const { return qobject_cast<MatrixPage*>(window->m_device_page); }
  MatrixRoutingTab* function_page() const { return qobject_cast<MatrixRoutingTab*>(page()->sub_page()); }
  void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

TEST_F(MatrixSelection, EachMatrixKeepsItsOwnRecordAndEverySelectionClearsItsLock) {
  window->on_device_list_choice(0);
  ASSERT_NE(page(), nullptr);
  click(page()->input_button(4));
  click(page()->output_button(2));
  click(page()->output_button(7));
  click(function_page()->action_button(Action::kApply));
  click(function_page()->action_button(Action::kLock));
  ASSERT_EQ(window->matrix().m_buttons_locked, 1);

  // The second matrix does not answer: its own record shows, untouched by
  // what was done on the first.
  window->on_device_list_choice(1);
  ASSERT_NE(page(), nullptr);
  EXPECT_EQ(window->records_device().where, range.address(2));
  EXPECT_EQ(window->matrix().m_buttons_locked, 0);
  EXPECT_EQ(diagnostics.count("wait time over \n"), 1u);
  EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(), 231);
  EXPECT_EQ(window->matrix().m_input_pressed_this_run, 0);
  EXPECT_EQ(window->matrix().m_chosen_input, 0);
  EXPECT_EQ(window->matrix().m_routes, MatrixRoutes{}) << "the first matrix's routes never show here";
  click(page()->input_button(1));
  click(page()->output_button(5));
  click(function_page()->action_button(Action::kApply));
  ASSERT_EQ(window->matrix().m_routes, (MatrixRoutes{0, 0, 0, 0, 1, 0, 0, 0}));

  // Back on the first: its input and routes come back, its lock is read
  // from the device again after the selection cleared it.
  window->on_device_list_choice(0);
  ASSERT_NE(page(), nullptr);
  EXPECT_EQ(window->records_device().where, range.address(1));
  EXPECT_EQ(window->matrix().m_buttons_locked, 1);
  EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(), 232);
  EXPECT_EQ(window->matrix().m_input_pressed_this_run, 1);
  EXPECT_EQ(window->matrix().m_chosen_input, 4);
  EXPECT_EQ(window->matrix().m_routes, (MatrixRoutes{0, 4, 0, 0, 0, 0, 4, 0}));
  EXPECT_EQ(window->devices_met(), 2u);

  // And the second's come back as it left them.
  window->on_device_list_choice(1);
  EXPECT_EQ(window->matrix().m_chosen_input, 1);
  EXPECT_EQ(window->matrix().m_routes, (MatrixRoutes{0, 0, 0, 0, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace vela::test
