// What the window shows while it waits for a reply.
#include "live_wait.h"
#include "main_window.h"
#include "skin/shell_bitmaps.h"
#include "wait_indication.h"

void MainWindow::create_wait_display() {
  m_live_wait = std::make_unique<vela::LiveWait>();
  // The search empties the device list first: its progress takes the list's place.
  m_search_progress = new vela::WaitIndication(vela::WaitIndication::Shows::Searches, this);
  m_search_progress->setGeometry(vela::shell_layout::device_list);
  m_wait_indication = new vela::WaitIndication(vela::WaitIndication::Shows::DeviceReplies, this);
  m_wait_indication->place_centred(vela::shell_layout::page_area);
}
