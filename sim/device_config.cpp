#include "device_config.h"

#include <arpa/inet.h>

#include <cctype>
#include <charconv>
#include <set>
#include <vector>

#include "device_types.h"
#include "errors.h"

namespace vela::sim {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    items.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return items;
    start = end + 1;
  }
}

// The items of a configuration; a window list keeps its commas
// ("signal=1-4,9"): an item that starts with a digit continues it.
std::vector<std::string> config_items(const std::string& text) {
  std::vector<std::string> items;
  for (std::string& item : split(text, ',')) {
    const bool continues = !items.empty() && items.back().starts_with("signal=") && !item.empty() &&
                           std::isdigit(static_cast<unsigned char>(item[0]));
    if (continues) {
      items.back() += "," + item;
    } else {
      items.push_back(std::move(item));
    }
  }
  return items;
}

// Decimal or 0x-hex, within [low, high].
long parse_number(const std::string& key, const std::string& value, long low, long high) {
  int base = 10;
  std::string digits = value;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    base = 16;
    digits = digits.substr(2);
  }
  long number = 0;
  const char* first = digits.data();
  const char* last = first + digits.size();
  const auto [end, error] = std::from_chars(first, last, number, base);
  if (digits.empty() || error != std::errc() || end != last || number < low || number > high)
    throw UsageError(key + "=" + value + ": expected a number from " + std::to_string(low) + " to " +
                     std::to_string(high));
  return number;
}

void parse_split(const std::string& value, Faults& faults) {
  const std::size_t colon = value.find(':');
  if (colon == std::string::npos) throw UsageError("split=" + value + ": expected PIECES:PAUSE_MS");
  faults.split_pieces = static_cast<int>(parse_number("split pieces", value.substr(0, colon), 1, 1000));
  faults.split_pause_ms = static_cast<int>(parse_number("split pause", value.substr(colon + 1), 0, 60000));
}

NameAnswer parse_name_answer(const std::string& value) {
  if (value == "accept") return NameAnswer::accept;
  if (value == "refuse") return NameAnswer::refuse;
  if (value == "silent") return NameAnswer::silent;
  throw UsageError("names=" + value + ": expected accept, refuse or silent");
}

void check_address(const std::string& addr) {
  in_addr parsed{};
  if (inet_pton(AF_INET, addr.c_str(), &parsed) != 1) throw UsageError("addr=" + addr + ": not an IPv4 address");
}

}  // namespace

DeviceConfig parse_device_config(const std::string& text, Carrier carrier) {
  DeviceConfig config;
  std::set<std::string> seen;
  for (const std::string& item : config_items(text)) {
    const std::size_t equals = item.find('=');
    const std::string key = item.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : item.substr(equals + 1);
    const bool has_value = equals != std::string::npos;
    if (!seen.insert(key).second) throw UsageError("'" + key + "' given twice in '" + text + "'");

    if (key == "type" && has_value) {
      config.type = static_cast<std::uint8_t>(parse_number(key, value, 0, 255));
    } else if (key == "id" && has_value) {
      config.id = static_cast<std::uint8_t>(parse_number(key, value, 0, 255));
    } else if (key == "name" && has_value) {
      config.name = value;
    } else if (key == "addr" && has_value && carrier == Carrier::Udp) {
      check_address(value);
      config.addr = value;
    } else if (key == "delay" && has_value) {
      config.faults.delay_ms = static_cast<int>(parse_number(key, value, 0, 600000));
    } else if (key == "split" && has_value && carrier == Carrier::Serial) {
      parse_split(value, config.faults);
    } else if (key == "signal" && has_value) {
      config.signal = parse_window_set(value);
    } else if (key == "names" && has_value) {
      config.names = parse_name_answer(value);
    } else if (key == "silent" && !has_value) {
      config.faults.silent = true;
    } else if (key == "twice" && !has_value) {
      config.faults.twice = true;
    } else if (key == "foreign" && !has_value) {
      config.faults.foreign = true;
    } else if (key == "hostile" && carrier == Carrier::Udp) {
      config.faults.hostile = true;
      config.faults.hostile_flood =
          has_value ? static_cast<int>(parse_number(key, value, 0, 100000)) : kDefaultHostileFlood;
    } else {
      throw UsageError("unknown or misplaced item '" + item + "' in '" + text + "'");
    }
  }
  const std::vector<std::string> required = carrier == Carrier::Udp
                                                ? std::vector<std::string>{"type", "id", "name", "addr"}
                                                : std::vector<std::string>{"type", "id", "name"};
  for (const std::string& key : required)
    if (!seen.contains(key)) throw UsageError("'" + key + "=' missing in '" + text + "'");
  if (config.signal && model_window_count(config.type) == 0)
    throw UsageError("signal= is for multiviewers (type 0xA1 or 0xA4) in '" + text + "'");
  if (seen.contains("names") && config.type != device_type::kSwitcher)
    throw UsageError("names= is for production switchers (type 0xA5) in '" + text + "'");
  return config;
}

}  // namespace vela::sim
