#include "switcher/switcher_link.h"

#include "page_context.h"

namespace vela::switcher_link {

void send(PageContext& context, std::uint8_t command_code, ByteView payload) {
  context.m_link.send_command(command_code, payload, /*udp_only=*/true);
}

}  // namespace vela::switcher_link
