#pragma once
// Names of command codes across every device family, for whoever shows
// frames to a person (the protocol trace): a code means different things to
// different families, so the device type decides which table names it.
#include <cstdint>
#include <string>

namespace vela {

// The commands every device knows ("search", "set-address"), else "unknown".
std::string common_command_name(std::uint8_t code);
// The code's name for the family of device_type; common commands and types
// of no family fall back to common_command_name.
std::string command_name(std::uint8_t device_type, std::uint8_t code);
// The family of a device type in a word ("multiviewer", "matrix", ...), or
// "unknown".
const char* device_family_name(std::uint8_t device_type);

}  // namespace vela
