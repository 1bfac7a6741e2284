#include "serial_line_watch.h"

#include "page_context.h"

namespace vela {

SerialLineWatch::SerialLineWatch(QObject* page, ClosedHandler on_closed)
    : QObject(page), m_timer(this), m_on_closed(std::move(on_closed)) {
  m_timer.setInterval(kCheckIntervalMs);
  connect(&m_timer, &QTimer::timeout, this, &SerialLineWatch::check);
}

void SerialLineWatch::watch(bool open) {
  if (open)
    m_timer.start();
  else
    m_timer.stop();
}

void SerialLineWatch::check() {
  PageContext* context = m_p_glo_main_set_or_get_dlg;
  if (context == nullptr || context->m_link.com.is_open()) return;
  m_timer.stop();
  const bool line_lost = context->m_link.com.line_lost();
  // A lost line still holds its descriptor until the port is closed.
  context->m_link.com.close();
  m_on_closed(line_lost);
}

}  // namespace vela
