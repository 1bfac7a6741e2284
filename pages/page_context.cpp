#include "page_context.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "multiviewer_protocol.h"

namespace vela {

PageContext::PageContext(LinkSettings settings) : m_link(std::move(settings)) {
  // State replies found on the serial line go straight into the chosen
  // device's record, which outlives every page: nothing a page installs can
  // dangle.
  m_link.set_state_decoder([this](ByteView frame) {
    return multiviewer::decode_state_reply(frame, multiviewer(), multiviewer::DecodeStatus::Skip,
                                           multiviewer::DecodeDiagnostics::Off);
  });
}

PageContext::~PageContext() { m_link.set_state_decoder(nullptr); }

void PageContext::use_records_of(const DeviceIdentity& device) {
  m_records = &m_record_book.records_for(device);
  m_records_device = device;
}

void PageContext::post_to_window_thread(std::function<void()> work) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

}  // namespace vela
