// Cost of recording one frame in the protocol trace, the price every send
// and receive pays whether or not anyone shows the trace. The ring is filled
// first, so slots are reused as in a long session.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>

#include "trace.h"

namespace {

sockaddr_in device_address() {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(7000);
  inet_pton(AF_INET, "127.0.0.2", &address.sin_addr);
  return address;
}

vela::ProtocolTrace& full_trace() {
  static vela::ProtocolTrace trace;
  static const bool filled = [] {
    const vela::Bytes largest(1024, 0x5A);
    for (std::size_t i = 0; i < trace.capacity(); ++i)
      trace.record_udp(vela::TraceDirection::Sent, device_address(), largest);
    return true;
  }();
  (void)filled;
  return trace;
}

// Frame sizes: a bare command, a label text, a multiviewer state reply.
void BM_RecordUdpFrame(benchmark::State& state) {
  vela::ProtocolTrace& trace = full_trace();
  const vela::Bytes frame =
      vela::build_frame(1, 0xA1, 1, 0x32, vela::Bytes(static_cast<std::size_t>(state.range(0)), 7));
  const sockaddr_in peer = device_address();
  for (auto _ : state) trace.record_udp(vela::TraceDirection::Sent, peer, frame);
}
BENCHMARK(BM_RecordUdpFrame)->Arg(0)->Arg(64)->Arg(400)->ThreadRange(1, 2);

void BM_RecordSerialChunk(benchmark::State& state) {
  vela::ProtocolTrace& trace = full_trace();
  const vela::Bytes chunk(static_cast<std::size_t>(state.range(0)), 0xA5);
  const std::string port = "/dev/ttyUSB0";
  for (auto _ : state) trace.record_serial(vela::TraceDirection::Received, port, chunk);
}
BENCHMARK(BM_RecordSerialChunk)->Arg(32)->Arg(256);

}  // namespace
