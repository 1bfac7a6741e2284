#include "rk2207_state.h"

namespace vela::rk2207 {

void apply_pip_rule(Rk2207State& record, std::uint8_t show_mode) {
  if (show_mode < 7 || show_mode > 10) return;
  record.pip_child_ch[0] = 1;
  if (record.pip_child_ch[1] == 1) record.pip_child_ch[1] = 2;
}

}  // namespace vela::rk2207
