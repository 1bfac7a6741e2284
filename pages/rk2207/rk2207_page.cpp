#include "rk2207/rk2207_page.h"

#include "diagnostics.h"
#include "page_context.h"
#include "rk2207_exchanges.h"
#include "rk2207_show_modes.h"

namespace {

QString output_format_text(std::uint8_t code) {
  switch (code) {
    case 0:
      return QStringLiteral("1080P60");
    case 1:
      return QStringLiteral("1080P50");
    case 2:
      return QStringLiteral("1080P30");
    case 3:
      return QStringLiteral("1080P25");
    case 7:
      return QStringLiteral("720P60");
    case 8:
      return QStringLiteral("720P50");
    default:
      return QStringLiteral("CODE %1").arg(code);
  }
}

QString channel_text(std::uint8_t channel) {
  return channel == 0 ? QStringLiteral("\u2014") : QStringLiteral("CH %1").arg(channel);
}

}  // namespace

Rk2207Page::Rk2207Page(vela::PageContext& context, QWidget* parent)
    : vela::ShowModePage(QStringLiteral("Rk2207Page"), kTemplateId, {kPreviewAnchorId, kGroupBoxId}, context, parent) {
  m_enter_is_silent = true;
  show_all_keys_unselected();
  read_back();
}

void Rk2207Page::read_back() {
  const std::optional<std::uint8_t> mode = vela::rk2207_exchanges::read_state(m_context.m_link, m_context.rk2207());
  vela::Rk2207State& record = m_context.rk2207();
  if (!mode) {
    // Whatever this device showed before is no longer known.
    record.show_mode_origin.forget();
    record.reported_origin.forget();
    return;
  }
  m_suppress_send = true;
  // The received mode always counts as a change.
  record.show_mode = 0xFF;
  apply_show_mode(*mode);
  record.show_mode_origin.confirm(record.reported_origin.confirmed_at());
  // A mode equal to the marker applied nothing and left the flag set.
  m_suppress_send = false;
}

void Rk2207Page::on_mode_button(int mode) { apply_show_mode(static_cast<std::uint8_t>(mode)); }

void Rk2207Page::apply_show_mode(std::uint8_t mode) {
  vela::Rk2207State& record = m_context.rk2207();
  if (mode == record.show_mode) return;
  record.show_mode = mode;
  vela::rk2207::apply_pip_rule(record, mode);
  if (m_suppress_send) {
    m_suppress_send = false;
  } else {
    vela::rk2207_exchanges::send_show_mode(m_context.m_link, mode);
    record.show_mode_origin.mark_sent();
  }
  m_context.rk2207_window_slots() = vela::rk2207::show_mode_slots(mode);
  announce_show_mode();
}

const vela::WindowSlots* Rk2207Page::window_slots() const {
  return &m_context.rk2207_window_slots();
}

int Rk2207Page::shown_mode() const {
  return m_context.rk2207().show_mode;
}

const vela::Provenance& Rk2207Page::shown_mode_origin() const { return m_context.rk2207().show_mode_origin; }

QString Rk2207Page::device_caption() const { return QStringLiteral("RK2207   \u00b7   4 CHANNELS"); }

QStringList Rk2207Page::device_facts() const {
  const vela::Rk2207State& record = m_context.rk2207();
  const vela::DeviceEntry* device = m_context.m_link.current_device();
  const QString device_line =
      QStringLiteral("DEVICE   %1").arg(device ? QString::fromStdString(device->address_text()) : "\u2014");
  if (!record.reported_origin.known()) {
    const QString dash = QStringLiteral("\u2014");
    return {device_line, QStringLiteral("OUTPUT   %1").arg(dash), QStringLiteral("PIP   %1").arg(dash),
            QStringLiteral("LOOP   %1").arg(dash)};
  }
  return {device_line, QStringLiteral("OUTPUT   %1").arg(output_format_text(record.output_format)),
          QStringLiteral("PIP   %1  /  %2").arg(channel_text(record.pip_child_ch[0]), channel_text(record.pip_child_ch[1])),
          QStringLiteral("LOOP   %1").arg(record.loop_state ? "ON" : "OFF")};
}
