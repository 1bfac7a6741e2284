// Frames and text cut out of the serial byte stream.
#include "serial_reassembler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vela::sim {
namespace {

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes frame_bytes(std::uint8_t code) { return build_frame(frame::kLinkSerial, 0xA1, 1, code); }

Bytes join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

SerialPiece as_frame(const Bytes& b) { return {true, b}; }
SerialPiece as_text(const Bytes& b) { return {false, b}; }

struct ReassemblyCase {
  const char* label;
  std::vector<Bytes> feeds;
  bool quiet_at_end;  // flush() after the feeds
  std::vector<SerialPiece> expected;
};

void PrintTo(const ReassemblyCase& c, std::ostream* os) { *os << c.label; }

class SerialReassembly : public ::testing::TestWithParam<ReassemblyCase> {};

TEST_P(SerialReassembly, CutsTheStream) {
  const ReassemblyCase& c = GetParam();
  SerialReassembler reassembler;
  std::vector<SerialPiece> got;
  for (const Bytes& feed : c.feeds) {
    const auto pieces = reassembler.feed(feed);
    got.insert(got.end(), pieces.begin(), pieces.end());
  }
  if (c.quiet_at_end) {
    const auto pieces = reassembler.flush();
    got.insert(got.end(), pieces.begin(), pieces.end());
    EXPECT_FALSE(reassembler.has_pending());
  }
  EXPECT_EQ(got, c.expected);
}

const Bytes kSearch = frame_bytes(0xFF);
const Bytes kState = build_frame(frame::kLinkSerial, 0xA1, 1, 0x32, Bytes(40, 0xAE));
Bytes bad_end() {
  Bytes b = frame_bytes(0x33);
  b.back() = 0x00;
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialReassembly,
    ::testing::Values(
        ReassemblyCase{"whole_frame", {kSearch}, false, {as_frame(kSearch)}},
        ReassemblyCase{"frame_in_pieces",
                       {Bytes(kState.begin(), kState.begin() + 1), Bytes(kState.begin() + 1, kState.begin() + 3),
                        Bytes(kState.begin() + 3, kState.end() - 1), Bytes(kState.end() - 1, kState.end())},
                       false,
                       {as_frame(kState)}},
        ReassemblyCase{
            "two_frames_back_to_back", {join({kSearch, kState})}, false, {as_frame(kSearch), as_frame(kState)}},
        ReassemblyCase{
            "second_a5_starts_the_frame", {join({{0xA5}, kSearch})}, false, {as_text({0xA5}), as_frame(kSearch)}},
        ReassemblyCase{"length_below_20_is_text",
                       {join({{0xA5, 0x6C, 0x05, 0x00, 0xAE}, text(".")})},
                       false,
                       {as_text({0xA5, 0x6C, 0x05, 0x00, 0xAE, '.'})}},
        ReassemblyCase{
            "wrong_end_byte_is_text", {join({bad_end(), kSearch})}, false, {as_text(bad_end()), as_frame(kSearch)}},
        ReassemblyCase{
            "texts_end_at_dots", {text("3V1,4,8.All#.")}, false, {as_text(text("3V1,4,8.")), as_text(text("All#."))}},
        ReassemblyCase{
            "text_then_frame", {join({text("abc"), kSearch})}, false, {as_text(text("abc")), as_frame(kSearch)}},
        ReassemblyCase{"unterminated_text_waits_for_quiet", {text("abc")}, false, {}},
        ReassemblyCase{"quiet_hands_out_text", {text("ab"), text("c")}, true, {as_text(text("abc"))}},
        ReassemblyCase{"incomplete_frame_waits", {Bytes(kSearch.begin(), kSearch.end() - 1)}, false, {}},
        ReassemblyCase{"quiet_gives_up_a_false_start",
                       {join({{0xA5, 0x6C, 0x64, 0x00}, kSearch})},
                       true,
                       {as_text({0xA5, 0x6C, 0x64, 0x00}), as_frame(kSearch)}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vela::sim
