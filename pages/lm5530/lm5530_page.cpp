#include "lm5530/lm5530_page.h"

#include "diagnostics.h"
#include "lm5530_protocol.h"
#include "page_context.h"

Lm5530Page::Lm5530Page(vela::PageContext& context, QWidget* parent)
    : vela::ShowModePage(QStringLiteral("Lm5530Page"), kTemplateId, {kPreviewAnchorId, kGroupBoxId}, context, parent) {
  show_all_keys_unselected();
  // Whatever the device shows, the page starts from the quad split and
  // tells the device nothing until the operator picks a mode.
  vela::Lm5530State& state = context.lm5530();
  state.show_mode = 0;
  state.show_mode_origin.forget();
  show_mode_key(0, true);
  state.window_slots = vela::lm5530::show_mode_slots(0);
}

void Lm5530Page::on_mode_button(int mode) { choose_show_mode(static_cast<std::uint8_t>(mode)); }

void Lm5530Page::choose_show_mode(std::uint8_t mode) {
  vela::Lm5530State& state = m_context.lm5530();
  if (mode == state.show_mode) return;
  state.show_mode = mode;
  state.window_slots = vela::lm5530::show_mode_slots(mode);
  // The keys and the preview follow before the command goes.
  announce_show_mode();
  vela::LinkSession& link = m_context.m_link;
  const vela::Bytes payload{mode};
  const bool left = link.send_command(vela::lm5530::code::kShowMode, payload);
  if (link.connection_mode() != vela::connection_mode::kSerial) {
    vela::diag("net \n");
  } else if (left) {
    // A closed port takes nothing and reports nothing.
    vela::diag("com \n");
  }
  // A mode that never left is not what the device shows.
  if (left) {
    state.show_mode_origin.mark_sent();
  } else {
    state.show_mode_origin.forget();
  }
}

const vela::WindowSlots* Lm5530Page::window_slots() const {
  return &m_context.lm5530().window_slots;
}

int Lm5530Page::shown_mode() const {
  return m_context.lm5530().show_mode;
}

const vela::Provenance& Lm5530Page::shown_mode_origin() const { return m_context.lm5530().show_mode_origin; }

QString Lm5530Page::device_caption() const { return QStringLiteral("LM5530   \u00b7   4 CHANNELS"); }

QStringList Lm5530Page::device_facts() const {
  const vela::LinkSession& link = m_context.m_link;
  if (link.connection_mode() == vela::connection_mode::kSerial) {
    return {QStringLiteral("LINK   SERIAL"),
            QStringLiteral("PORT   %1")
                .arg(link.serial_port().is_open() ? QStringLiteral("OPEN") : QStringLiteral("CLOSED"))};
  }
  const vela::DeviceEntry* device = link.current_device();
  return {QStringLiteral("LINK   NETWORK"),
          QStringLiteral("DEVICE   %1").arg(device ? QString::fromStdString(device->address_text()) : "\u2014")};
}
