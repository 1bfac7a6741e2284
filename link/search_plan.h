#pragma once
// Where one network search sends its request, and how many copies of it a
// device on each network receives (a device on the routed network hears both
// the limited and the directed broadcast and answers each).
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "frame.h"
#include "network_interfaces.h"

namespace vela {

struct LinkSettings;

struct SearchDestination {
  std::uint32_t address = 0;
  // The network a directed broadcast covers; interface_name empty for the
  // configured address, which leaves wherever the routing table says.
  LocalNetwork network;
  bool directed = false;
};

struct SearchPlan {
  // The configured address first, then one directed broadcast per network.
  std::vector<SearchDestination> destinations;
  // Every network of this computer, for naming where an answer came from.
  std::vector<LocalNetwork> networks;
  // Interface the configured address leaves through ("" unknown).
  std::string routed_interface;

  // Copies of the request that reached a device at `sender` answering on
  // `interface_name`; at least 1.
  int copies_reaching(std::uint32_t sender, const std::string& interface_name) const;
  // "255.255.255.255, eth0 10.77.0.0/24, eth1 10.78.0.0/24"
  std::string coverage_text() const;
};

// The plan from given networks (every_network off: the configured address
// only, as given). A directed broadcast equal to the configured address is
// not sent twice.
SearchPlan plan_search(std::uint32_t configured, bool every_network, std::vector<LocalNetwork> networks,
                       std::string routed_interface);
// The plan for this computer's networks and routing table. Sends nothing.
SearchPlan plan_search(const LinkSettings& settings);

// Keeps one answer per copy of the request: of the equal answers (same
// sender, interface and bytes) a device gives to `copies` requests, every
// copies-th is kept, so a device that answers each request twice is still
// listed twice.
class AnswerRepeats {
 public:
  bool keep(std::uint32_t sender, const std::string& interface_name, ByteView answer, int copies);

 private:
  std::map<std::tuple<std::uint32_t, std::string, Bytes>, int> seen_;
};

}  // namespace vela
