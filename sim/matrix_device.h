#pragma once
// Simulated 8 x 8 matrix switcher (0x81, 0x82). It keeps its routing table
// and button lock: routing texts (raw, over UDP or the serial line) change
// the table, 0x51 sets the lock, and 0x50 answers with both.
#include "device.h"
#include "matrix_protocol.h"

namespace vela::sim {

class MatrixDevice : public Device {
 public:
  using Device::Device;

  Answer handle(const Frame& request) override;
  Answer handle_text(ByteView text) override;
  std::string command_name(std::uint8_t code) const override;

  std::uint8_t lock() const { return lock_; }
  const MatrixRoutes& routes() const { return routes_; }

 private:
  std::uint8_t lock_ = 0;
  MatrixRoutes routes_{};
};

}  // namespace vela::sim
