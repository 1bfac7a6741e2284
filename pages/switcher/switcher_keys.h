#pragma once
// The switcher page's keys: control id, place, kind, bus source, caption,
// and the picture each shows for a given switcher record.
#include <QRect>
#include <cstdint>
#include <optional>
#include <span>

#include "switcher_bus_rules.h"
#include "switcher_state.h"

namespace vela::switcher_keys {

enum class Key { Program, Preview, Pip, Key1, Key2, Background, OnAir, Mix, Dip, Wipe, Cut, Auto, Ftb, Setup, Names };

struct KeySpec {
  int id;
  QRect place;
  Key key;
  std::uint8_t source;  // bus source number of a bus key
  const char* caption;
};

inline constexpr int kCutId = 1151;
inline constexpr int kAutoId = 1118;
inline constexpr int kFtbId = 1152;

// Every key of the page, in the order they are made.
std::span<const KeySpec> keys();

// A key's two pictures; keys that never light show the same one twice.
struct Pictures {
  int normal;
  int lit;
};
Pictures pictures_of(const KeySpec& key);

// The picture the record asks for (FTB: only whether it rests).
int picture_for(const KeySpec& key, const SwitcherState& state);

// The rule a key's press follows; nothing for Auto and the dialog keys.
std::optional<switcher_bus::Press> rule_of(Key key);

}  // namespace vela::switcher_keys
