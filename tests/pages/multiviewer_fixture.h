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

#include "button_st.h"
#include "control_id.h"
#include "device_page_fixture.h"
#include "device_types.h"
#include "list_clicks.h"
#include "multiviewer/class_16view_dlg.h"

namespace vela::test {

struct MultiviewerPageFixture : DevicePageFixture {
  std::unique_ptr<CClass_16view_dlg> page;

  // A simulated multiviewer (extra device options after its address) and a
  // context whose current device it is.
  void start(std::uint8_t type = device_type::kMultiviewer16, const std::string& options = "") {
    start_device(type, options);
  }

  void make_context(const LinkSettings& settings, std::uint8_t type) override {
    DevicePageFixture::make_context(settings, type);
    context->m_multiviewer.reset_labels();
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
};

}  // namespace vela::test
