#include "search_plan.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

#include "udp_link.h"

namespace vela {
namespace {

constexpr std::uint32_t kLimitedBroadcast = 0xFFFFFFFFu;

// The interface whose address the kernel would send from to `destination`.
// Connecting a UDP socket only looks up the route; nothing is sent.
std::string routed_interface_of(std::uint32_t destination, std::uint16_t port,
                                const std::vector<LocalNetwork>& networks) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (fd < 0) return {};
  const int allow = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &allow, sizeof allow);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  to.sin_addr.s_addr = htonl(destination);
  sockaddr_in from{};
  socklen_t from_length = sizeof from;
  std::string name;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&from), &from_length) == 0) {
    const std::uint32_t source = ntohl(from.sin_addr.s_addr);
    for (const auto& network : networks) {
      if (network.address == source) name = network.interface_name;
    }
  }
  ::close(fd);
  return name;
}

}  // namespace

SearchPlan plan_search(std::uint32_t configured, bool every_network, std::vector<LocalNetwork> networks,
                       std::string routed_interface) {
  SearchPlan plan;
  plan.destinations.push_back({configured, {}, false});
  if (every_network) {
    for (const auto& network : searched_networks(networks)) {
      if (network.broadcast != configured) plan.destinations.push_back({network.broadcast, network, true});
    }
  }
  plan.networks = std::move(networks);
  plan.routed_interface = std::move(routed_interface);
  return plan;
}

SearchPlan plan_search(const LinkSettings& settings) {
  const std::uint32_t configured = parse_ipv4(settings.broadcast).value_or(0);
  std::vector<LocalNetwork> networks = local_networks();
  std::string routed;
  if (settings.search_every_network) routed = routed_interface_of(configured, settings.device_port, networks);
  return plan_search(configured, settings.search_every_network, std::move(networks), std::move(routed));
}

int SearchPlan::copies_reaching(std::uint32_t sender, const std::string& interface_name) const {
  int copies = 0;
  for (const auto& destination : destinations) {
    if (destination.directed) {
      copies += destination.network.interface_name == interface_name && destination.network.contains(sender);
    } else {
      // Only the limited broadcast reaches a device whatever its address.
      copies += destination.address == kLimitedBroadcast && routed_interface == interface_name;
    }
  }
  return std::max(copies, 1);
}

std::string SearchPlan::coverage_text() const {
  std::string text;
  for (const auto& destination : destinations) {
    if (!text.empty()) text += ", ";
    text += destination.directed ? destination.network.description() : ipv4_text(destination.address);
  }
  return text;
}

bool AnswerRepeats::keep(std::uint32_t sender, const std::string& interface_name, ByteView answer, int copies) {
  int& count = seen_[{sender, interface_name, Bytes(answer.begin(), answer.end())}];
  return count++ % std::max(copies, 1) == 0;
}

}  // namespace vela
