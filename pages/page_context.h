#pragma once
// What a device page sees of the panel: the link, the state records that
// outlive the pages, the model window count, and a way to run work on the
// window thread. The main window is one and hands itself to every page it
// makes; a test makes one of its own.
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "link_session.h"
#include "lm5530_state.h"
#include "matrix_state.h"
#include "multiviewer_state.h"
#include "rk2207_state.h"
#include "switcher_state.h"

namespace vela {

class PageContext {
 public:
  explicit PageContext(LinkSettings settings = {});
  virtual ~PageContext();
  PageContext(const PageContext&) = delete;
  PageContext& operator=(const PageContext&) = delete;

  // Runs work on the window thread, later; safe from any thread.
  static void post_to_window_thread(std::function<void()> work);

  LinkSession m_link;
  // 16 for the 16-window multiviewer, 10 for the 10-window one, else 0.
  std::uint8_t m_model_window_count = 0;
  // Address, mask and gateway of the last set-address command.
  std::array<std::uint8_t, 12> m_set_address_payload{};
  // Serial ports offered in every port list besides the system's own.
  QStringList m_extra_serial_ports;

  // Device state records.
  MultiviewerState m_multiviewer;
  MatrixState m_matrix;
  Lm5530State m_lm5530;
  Rk2207State m_all_rk2207_page_data;
  // The RK2207 preview's windows of the last applied show mode.
  WindowSlots m_rk2207_window_slots{};
  SwitcherState m_switcher;
  CameraNames m_camera_names;
};

}  // namespace vela
