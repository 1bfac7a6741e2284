// What the simulated devices read from the panel: a serial byte stream cut
// into frames and texts, single datagrams, or frames built around any
// command and payload. Every device family handles every piece; each reply
// must be a whole frame from that device that the panel's rules accept.
#include <memory>
#include <vector>

#include "device_factory.h"
#include "device_types.h"
#include "fuzz_support.h"
#include "serial_reassembler.h"

using namespace vela;
using namespace vela::sim;

VELA_FUZZ_QUIET_INIT

namespace {

// How the input reaches the devices: a serial byte stream read in pieces,
// datagrams, or frames the panel could build around any command and payload.
enum InputForm { kSerialLine, kDatagrams, kBuiltFrames };
constexpr std::size_t kMaxPiece = 1500;

constexpr std::uint8_t kTypes[] = {
    device_type::kMultiviewer16, device_type::kMultiviewer10, device_type::kMatrix, device_type::kMatrixB,
    device_type::kSwitcher,      device_type::kRk2207,        device_type::kLm5530, 0x00};

std::vector<std::unique_ptr<Device>> make_fleet() {
  std::vector<std::unique_ptr<Device>> fleet;
  for (const std::uint8_t type : kTypes) {
    DeviceConfig config;
    config.type = type;
    config.id = 7;
    config.name = "Fuzz";
    fleet.push_back(make_device(config));
  }
  return fleet;
}

void check_reply(const Device& device, const std::optional<Bytes>& reply, std::optional<std::uint8_t> link_flag) {
  if (!reply) return;
  const Bytes& r = *reply;
  fuzz::check(is_whole_frame(r), "a reply that is no whole frame");
  fuzz::check(r[frame::kTypeOffset] == device.config().type && r[frame::kIdOffset] == device.config().id,
              "a reply from another device");
  if (link_flag) fuzz::check(r[frame::kLinkFlagOffset] == *link_flag, "a reply on the other link");
  const std::uint16_t sum = checksum16(ByteView(r).first(r.size() - 3));
  fuzz::check(r[r.size() - 3] == (sum & 0xFF) && r[r.size() - 2] == (sum >> 8), "a reply with a wrong checksum");
}

void take_frame(std::vector<std::unique_ptr<Device>>& fleet, const Frame& frame) {
  for (auto& device : fleet) {
    const Answer answer = device->handle(frame);
    (void)device->command_name(frame.code());
    check_reply(*device, answer.reply, frame.link_flag());
  }
}

void take_text(std::vector<std::unique_ptr<Device>>& fleet, ByteView text) {
  for (auto& device : fleet) check_reply(*device, device->handle_text(text).reply, std::nullopt);
}

// As the UDP host takes a datagram: a whole frame, otherwise text.
void take_datagram(std::vector<std::unique_ptr<Device>>& fleet, const Bytes& datagram) {
  if (const auto frame = Frame::from_bytes(datagram)) {
    take_frame(fleet, *frame);
  } else {
    take_text(fleet, datagram);
  }
}

void take_pieces(std::vector<std::unique_ptr<Device>>& fleet, const std::vector<SerialPiece>& pieces) {
  for (const SerialPiece& piece : pieces) {
    if (piece.is_frame) {
      take_frame(fleet, Frame(fuzz::exact_copy(piece.bytes)));
    } else {
      take_text(fleet, fuzz::exact_copy(piece.bytes));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::PieceReader input(ByteView(data, size));
  auto fleet = make_fleet();
  switch (input.byte() % 3) {
    case kSerialLine: {
      SerialReassembler line;
      while (!input.empty()) take_pieces(fleet, line.feed(input.piece(kMaxPiece)));
      take_pieces(fleet, line.flush());
      break;
    }
    case kDatagrams:
      while (!input.empty()) take_datagram(fleet, input.piece(kMaxPiece));
      break;
    case kBuiltFrames:
      while (!input.empty()) {
        const std::uint8_t link_flag = input.byte() & 1 ? frame::kLinkUdp : frame::kLinkSerial;
        const std::uint8_t command = input.byte();
        const Bytes payload = input.piece(kMaxPiece);
        take_datagram(fleet, fuzz::exact_copy(build_frame(link_flag, 0, 0, command, payload)));
      }
      break;
  }
  return 0;
}
