#include "network_search.h"

#include <algorithm>
#include <thread>

#include "deadline.h"
#include "diagnostics.h"
#include "search_names.h"

namespace vela {

std::string DiscoveredDevice::list_text() const { return name + "_" + entry.address_text(); }

namespace {

void add_devices_of_reply(ByteView datagram, const std::string& sender, std::vector<DiscoveredDevice>& found,
                          std::size_t limit) {
  for (const auto& name : find_device_names(datagram)) {
    if (found.size() >= limit) {
      diag("device table full, answer of %s ignored \n", sender.c_str());
      return;
    }
    DiscoveredDevice device;
    device.entry.set_address(sender);
    device.entry.id = datagram[frame::kIdOffset];
    device.entry.type = datagram[frame::kTypeOffset];
    device.name = name;
    found.push_back(std::move(device));
  }
}

}  // namespace

SearchStatus network_search(UdpLink& link, std::vector<DiscoveredDevice>& found, int window_ms, std::size_t limit) {
  const Deadline window(window_ms);
  const Bytes request = build_search_request(frame::kLinkUdp);
  if (!link.prepare_search_socket()) return SearchStatus::SocketFailed;
  diag("create socket success \n");
  link.send(request);

  std::uint8_t buffer[frame::kSearchBuffer];
  while (!window.expired()) {
    const Received received = link.poll(buffer, sizeof buffer);
    if (received.kind == Received::Kind::Nothing) {
      link.wait_readable(window);
      continue;
    }
    if (received.kind == Received::Kind::Datagram) {
      const ByteView datagram(buffer, received.length);
      if (passes_framing_rule(datagram)) {
        diag("recvBuf[4] = %x \n ", datagram.size() > 4 ? datagram[4] : 0u);
        if (datagram.size() > 21) add_devices_of_reply(datagram, link.last_source_text(), found, limit);
      }
    }
    // The pause after each datagram never carries the search past its window.
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(kSearchPauseMs, window.remaining_ms())));
  }
  diag("time over \n");
  return SearchStatus::Finished;
}

}  // namespace vela
