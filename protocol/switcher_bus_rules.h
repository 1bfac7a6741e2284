#pragma once
// What a press on the switcher page's buses, effect and transition keys does
// to the switcher record and which command it sends. Widget-free, so the
// rules are checked on their own and the page only draws what they leave.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame.h"
#include "switcher_state.h"

namespace vela::switcher_bus {

// The keys whose presses follow these rules (Auto and the lever have their own).
enum class Press { Program, Preview, Pip, Key1, Key2, Background, OnAir, Mix, Dip, Wipe, Cut, FadeToBlack };

struct Command {
  std::uint8_t code = 0;
  Bytes payload;
  bool operator==(const Command&) const = default;
};

// A press's result. A refused press changed nothing and sends nothing.
// Diagnostic lines go out before and after the command, in this order; the
// settings sub-page is shown after the command.
struct Outcome {
  bool refused = false;
  std::vector<std::string> notes_before;
  Command command;
  std::vector<std::string> notes_after;
  std::optional<SettingsSubPage> sub_page;
};

// The line written when program and preview change places.
inline constexpr const char* kSwapNote = "SwitchPvmPgm  \n";

// Applies a press to `state`; `source` is the bus source number of a bus key.
Outcome press(SwitcherState& state, Press press, std::uint8_t source = bus_source::kNone);

// After Cut and at the end of a transition: program and preview change
// places; no command.
void swap_program_preview(SwitcherState& state);

// What every opening of the page sets: BKGD on and MIX selected.
void open_page(SwitcherState& state);

}  // namespace vela::switcher_bus
