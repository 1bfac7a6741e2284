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
#include "listed_devices_window.h"
#include "matrix/matrix_routing_tab.h"
#include "matrix/matrix_page.h"
#include "matrix_protocol.h"

namespace vela::test {
namespace {

using Action = MatrixRoutingTab::Action;

struct MatrixSelection : ::testing::Test, ListedDevicesWindow {
  DiagnosticRecorder diagnostics;

  // Two matrices; the second never answers its lock query.
  void SetUp() override {
    start({{device_type::kMatrix, "name=Router"}, {device_type::kMatrixB, "name=Quiet,silent"}});
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
