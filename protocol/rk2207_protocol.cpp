#include "rk2207_protocol.h"

#include <algorithm>
#include <cstring>

#include "diagnostics.h"

namespace vela::rk2207 {
namespace {

namespace at = state_reply;

std::size_t label_record(std::size_t line) { return at::kLabels + line * at::kLabelStride; }

// A text of at most `area` bytes, ending at its first zero byte.
std::string text_in(ByteView area) {
  const auto end = std::find(area.begin(), area.end(), 0);
  return std::string(area.begin(), end);
}

void put_text(Bytes& payload, std::size_t frame_offset, const std::string& text, std::size_t area) {
  const std::size_t length = std::min(text.size(), area);
  std::memcpy(payload.data() + frame_offset - frame::kPayloadOffset, text.data(), length);
}

}  // namespace

std::string command_name(std::uint8_t command_code) {
  switch (command_code) {
    case code::kState:
      return "state";
    case code::kShowMode:
      return "show-mode";
    default:
      return "unknown";
  }
}

Bytes state_reply_payload(const StateReply& reply) {
  Bytes payload(at::kLastRead + 1 - frame::kPayloadOffset, 0);
  const auto byte_at = [&payload](std::size_t frame_offset) -> std::uint8_t& {
    return payload[frame_offset - frame::kPayloadOffset];
  };
  byte_at(at::kReplyByte) = reply.reply_byte;
  byte_at(at::kOutputFormat) = reply.output_format;
  byte_at(at::kShowMode) = reply.show_mode;
  // One byte of the area stays zero, so the text always ends in it.
  put_text(payload, at::kText, reply.text, at::kTextBytes - 1);
  for (std::size_t line = 0; line < at::kLabelCount; ++line) {
    const std::string& label = reply.labels[line];
    byte_at(label_record(line) + at::kLabelLength) =
        static_cast<std::uint8_t>(std::min(label.size(), at::kLabelTextBytes));
    put_text(payload, label_record(line) + at::kLabelText, label, at::kLabelTextBytes);
  }
  byte_at(at::kPipChannels) = reply.pip_child_ch[0];
  byte_at(at::kPipChannels + 1) = reply.pip_child_ch[1];
  byte_at(at::kLoop) = reply.loop_state;
  return payload;
}

std::optional<StateReply> read_state_reply(ByteView frame) {
  if (frame.size() < at::kFrameLength) return std::nullopt;
  StateReply reply;
  reply.reply_byte = frame[at::kReplyByte];
  reply.output_format = frame[at::kOutputFormat];
  reply.show_mode = frame[at::kShowMode];
  reply.text = text_in(frame.subspan(at::kText, at::kTextBytes));
  for (std::size_t line = 0; line < at::kLabelCount; ++line) {
    const std::size_t record = label_record(line);
    reply.label_lengths[line] = frame[record + at::kLabelLength];
    const std::size_t length = std::min<std::size_t>(reply.label_lengths[line], at::kLabelTextBytes);
    reply.labels[line] = std::string(frame.begin() + static_cast<std::ptrdiff_t>(record + at::kLabelText),
                                     frame.begin() + static_cast<std::ptrdiff_t>(record + at::kLabelText + length));
  }
  reply.pip_child_ch = {frame[at::kPipChannels], frame[at::kPipChannels + 1]};
  reply.loop_state = frame[at::kLoop];
  return reply;
}

std::optional<std::uint8_t> decode_state_reply(ByteView frame, Rk2207State& record) {
  const std::optional<StateReply> reply = read_state_reply(frame);
  if (!reply) return std::nullopt;
  diag("recvBuf[recvBufIndex] = %d \n", reply->reply_byte);
  record.output_format = reply->output_format;
  diag("output format = %d \n", record.output_format);
  diag("show mode = %d \n", reply->show_mode);
  diag("len = %d \n", static_cast<int>(reply->text.size()));
  for (std::size_t line = 0; line < at::kLabelCount; ++line) {
    const int n = static_cast<int>(line);
    diag("line %d umdNameLen = %d \n", n, reply->label_lengths[line]);
    if (reply->label_lengths[line] > at::kLabelTextBytes) {
      diag("line %d umdNameLen is wrong,please check the recv data. \n", n);
    }
  }
  record.pip_child_ch = reply->pip_child_ch;
  record.loop_state = reply->loop_state;
  diag("ch = %d \n", record.pip_child_ch[0]);
  diag("ch = %d \n", record.pip_child_ch[1]);
  diag("ch = %d \n", record.loop_state);
  record.reported_origin.confirm();
  return reply->show_mode;
}

}  // namespace vela::rk2207
