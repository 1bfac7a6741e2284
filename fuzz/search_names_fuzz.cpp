// Device names in a search reply: any datagram or frame, as the network
// search and the serial scanner hand it over.
#include <cstring>

#include "fuzz_support.h"
#include "search_names.h"

using namespace vela;

VELA_FUZZ_QUIET_INIT

namespace {

// Every name is the name area up to a "-x-" pattern, and each is longer
// than the one before.
void check_names(const Bytes& frame, const std::vector<std::string>& names) {
  std::size_t previous = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    const std::size_t end = kNameAreaOffset + name.size();
    fuzz::check(end + 4 <= frame.size(), "a name runs into the checksum");
    fuzz::check(std::memcmp(frame.data() + kNameAreaOffset, name.data(), name.size()) == 0,
                "a name differs from the bytes of the name area");
    fuzz::check(frame[end] == '-' && frame[end + 2] == '-', "a name does not end at a -x- pattern");
    fuzz::check(i == 0 || name.size() > previous, "names out of order");
    previous = name.size();
  }
}

// A reply built as a device builds it gives its name back first.
void check_round_trip(ByteView seed) {
  Bytes name(seed.begin(), seed.end());
  for (auto& byte : name) {
    if (byte == '-') byte = '_';
  }
  Bytes payload{0x00};
  payload.insert(payload.end(), name.begin(), name.end());
  for (const char c : {'-', '1', '-'}) payload.push_back(static_cast<std::uint8_t>(c));
  const Bytes reply = fuzz::exact_copy(build_frame(frame::kLinkUdp, 0xA1, 1, code::kSearch, payload));
  const auto names = find_device_names(reply);
  fuzz::check(!names.empty() && names[0] == std::string(name.begin(), name.end()), "a built reply loses its name");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes datagram = fuzz::exact_copy(ByteView(data, size));
  const auto names = find_device_names(datagram);
  check_names(datagram, names);
  check_round_trip(ByteView(data, std::min<std::size_t>(size, 64)));
  return 0;
}
