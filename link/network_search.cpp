#include "network_search.h"

#include <net/if.h>

#include <algorithm>
#include <thread>

#include "deadline.h"
#include "diagnostics.h"
#include "reply_window.h"
#include "search_names.h"
#include "search_plan.h"

namespace vela {

std::string DiscoveredDevice::list_text() const { return name + "_" + entry.address_text(); }

std::string DiscoveredDevice::network_text() const {
  if (network) return interface_name.empty() ? network->description() : interface_name + " " + network->subnet_text();
  if (outside_local_networks) return (interface_name.empty() ? std::string("?") : interface_name) + " outside";
  return interface_name;
}

namespace {

std::string interface_name_of(unsigned index) {
  char name[IF_NAMESIZE] = {};
  return index != 0 && if_indextoname(index, name) != nullptr ? name : "";
}

void send_to_every_destination(UdpLink& link, const SearchPlan& plan, ByteView request) {
  link.send(request);
  for (std::size_t i = 1; i < plan.destinations.size(); ++i) {
    const SearchDestination& destination = plan.destinations[i];
    sockaddr_in to = link.address_record;
    to.sin_addr.s_addr = htonl(destination.address);
    diag("search also sent to %s (%s) \n", ipv4_text(destination.address).c_str(),
         destination.network.description().c_str());
    link.send_to(request, to);
  }
}

// Where an answer came from: its card and the local network holding the
// sender.
void tag_network(DiscoveredDevice& device, const SearchPlan& plan, std::uint32_t sender,
                 const std::string& interface_name) {
  device.interface_name = interface_name;
  device.network = network_of(plan.networks, sender, interface_name);
  device.outside_local_networks = !plan.networks.empty() && !device.network;
}

void add_devices_of_reply(ByteView datagram, const std::string& sender, const SearchPlan& plan,
                          const std::string& interface_name, std::vector<DiscoveredDevice>& found, std::size_t limit,
                          OpenReplyWindow& shown) {
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
    tag_network(device, plan, parse_ipv4(sender).value_or(0), interface_name);
    found.push_back(std::move(device));
    shown.found_device();
  }
}

}  // namespace

SearchStatus network_search(UdpLink& link, std::vector<DiscoveredDevice>& found, int window_ms, std::size_t limit) {
  const Deadline window(window_ms);
  const Bytes request = build_search_request(frame::kLinkUdp);
  const SearchPlan plan = plan_search(link.settings());
  AnswerRepeats repeats;
  // A search that never had a socket opened no window: nothing was asked.
  if (!link.prepare_search_socket()) return SearchStatus::SocketFailed;
  OpenReplyWindow shown(ReplyWindowKind::NetworkSearch, "search", request, window_ms);
  diag("create socket success \n");
  send_to_every_destination(link, plan, request);

  std::uint8_t buffer[frame::kSearchBuffer];
  bool examined_one = false;
  while (!window.expired()) {
    const Received received = link.poll(buffer, sizeof buffer);
    if (received.kind == Received::Kind::Nothing) {
      // The pause comes only once the queue is empty: pausing after every
      // answer let a studio's burst outlast the window and lose its tail.
      // It never carries the search past its window.
      if (examined_one)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(kSearchPauseMs, window.remaining_ms())));
      else
        link.wait_readable(window);
      examined_one = false;
      continue;
    }
    examined_one = true;
    if (received.kind == Received::Kind::Datagram) {
      const ByteView datagram(buffer, received.length);
      if (passes_framing_rule(datagram)) {
        diag("recvBuf[4] = %x \n ", datagram.size() > 4 ? datagram[4] : 0u);
        const std::uint32_t sender = ntohl(link.last_source.sin_addr.s_addr);
        const std::string arrival = interface_name_of(link.last_arrival_interface);
        if (datagram.size() > 21 && repeats.keep(sender, arrival, datagram, plan.copies_reaching(sender, arrival)))
          add_devices_of_reply(datagram, link.last_source_text(), plan, arrival, found, limit, shown);
      }
    }
  }
  diag("time over \n");
  shown.close(ReplyWindowOutcome::Replied);
  return SearchStatus::Finished;
}

}  // namespace vela
