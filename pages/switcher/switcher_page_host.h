#pragma once
// What the switcher page's keyboard and lever see of the page that holds
// them: its keys. The page is the one host; the keyboard and the lever know
// no more of it, so the page can make them without the two depending on
// each other. What they change in the record reaches the page as a notice.
#include <cstdint>

class SkinButton;

namespace vela {

class SwitcherKeyHost {
 public:
  // The page's key with control id `id`; nullptr for any other id.
  virtual SkinButton* button(int id) const = 0;
  // The key of source `source` (1..8, 12) on the program or the preview bus.
  virtual SkinButton* bus_button(bool program_bus, std::uint8_t source) const = 0;

 protected:
  ~SwitcherKeyHost() = default;
};

}  // namespace vela
