// Speed of building frames and scanning the serial reassembly buffer.
#include <benchmark/benchmark.h>

#include "diagnostics.h"
#include "reply_scanner.h"

namespace {

void BM_BuildFrame(benchmark::State& state) {
  const vela::Bytes payload(static_cast<std::size_t>(state.range(0)), 0x5A);
  for (auto _ : state) benchmark::DoNotOptimize(vela::build_frame(1, 0xA1, 1, 0x1E, payload));
}
BENCHMARK(BM_BuildFrame)->Arg(0)->Arg(64)->Arg(1000);

// Worst case for a poll: a full buffer of near-frames and the reply at its end.
void BM_ScanFullBuffer(benchmark::State& state) {
  vela::ReassemblyBuffer buffer;
  const vela::Bytes reply = vela::build_frame(0, 0xA1, 1, 0xFF, vela::Bytes{0, 'M', 'V', '-', '1', '-'});
  while (buffer.count + 3 + reply.size() <= vela::ReassemblyBuffer::kCapacity) {
    buffer.append(vela::Bytes{0xA5, 0x6C, 0x33});
  }
  buffer.append(reply);
  // The scanner writes diagnostic lines; measure the scan, not the terminal.
  vela::set_diagnostic_sink([](const std::string&) {});
  std::uint8_t type = 0;
  vela::DeviceEntry entry;
  vela::ScannerTargets targets;
  targets.serial_device_type = &type;
  targets.entry0 = &entry;
  for (auto _ : state) benchmark::DoNotOptimize(vela::scan_replies(buffer.view(), targets));
}
BENCHMARK(BM_ScanFullBuffer);

}  // namespace
