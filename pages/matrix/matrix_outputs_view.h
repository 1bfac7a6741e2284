#pragma once
// What the matrix's sub-pages see of the page that holds them: the input and
// output keys they redraw after a routing action. The page is the one view;
// the sub-pages know no more of it, so the page can make them without the
// two depending on each other.
#include <cstdint>

namespace vela {

class MatrixOutputsView {
 public:
  // Output key j turns green when the routing table gives it `input`,
  // grey otherwise; the input keys stay as they are.
  virtual void redraw_outputs(std::uint8_t input) = 0;
  virtual void show_input(int n, bool selected) = 0;

 protected:
  ~MatrixOutputsView() = default;
};

}  // namespace vela
