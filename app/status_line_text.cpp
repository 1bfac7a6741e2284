#include "status_line_text.h"

#include "command_names.h"

namespace vela {
namespace {

const char kEllipsis[] = "\u2026";

bool is_search(const ReplyWindow& window) {
  return window.kind == ReplyWindowKind::NetworkSearch || window.kind == ReplyWindowKind::SerialSearch;
}

std::string count_of_devices(std::size_t found) {
  if (found == 0) return "No device found";
  return std::to_string(found) + (found == 1 ? " device found" : " devices found");
}

}  // namespace

void LinkStatusText::say(std::string text, StatusTone tone) {
  if (text == text_ && tone == tone_) return;
  text_ = std::move(text);
  tone_ = tone;
  // Waiting texts come and go within a moment; what they led to is kept.
  if (tone_ != StatusTone::Busy) {
    recent_.push_back(text_);
    if (recent_.size() > kRecentTexts) recent_.pop_front();
  }
  if (on_change_) on_change_();
}

std::string LinkStatusText::device_name(const DeviceEntry& device) const {
  const std::string address = device.address_text();
  for (const NamedDevice& known : devices_) {
    if (known.entry.type == device.type && known.entry.id == device.id && known.entry.address_text() == address) {
      return known.name;
    }
  }
  const std::string family = device_family_name(device.type);
  return family + " " + (address.empty() ? "on the serial port" : address);
}

void LinkStatusText::search_finished(std::size_t found) {
  say(count_of_devices(found), found == 0 ? StatusTone::Trouble : StatusTone::Good);
}

void LinkStatusText::search_failed(const std::string& why) { say("Search failed: " + why, StatusTone::Trouble); }

void LinkStatusText::serial_opened(const std::string& port, int baud) {
  say("Serial " + port + " at " + std::to_string(baud) + " open", StatusTone::Good);
}

void LinkStatusText::serial_open_failed(const std::string& port) {
  say("Serial " + port + " could not be opened", StatusTone::Trouble);
}

void LinkStatusText::serial_closed(const std::string& port) { say("Serial " + port + " closed", StatusTone::Idle); }

void LinkStatusText::serial_line_lost(const std::string& port) {
  say("Serial " + port + " lost: the line went away, the port is closed", StatusTone::Trouble);
}

void LinkStatusText::serial_not_open() { say("The serial port is not open", StatusTone::Trouble); }

void LinkStatusText::window_opened(const ReplyWindow& window) {
  if (is_search(window)) {
    say(std::string("Searching") + kEllipsis, StatusTone::Busy);
  } else {
    say(device_name(window.device) + ": " + window.purpose + kEllipsis, StatusTone::Busy);
  }
}

void LinkStatusText::window_waiting(const ReplyWindow& window, int /*remaining_ms*/) {
  if (is_search(window) && window.found > 0) {
    say(std::string("Searching") + kEllipsis + " " + std::to_string(window.found) + " found so far", StatusTone::Busy);
  }
}

void LinkStatusText::window_closed(const ReplyWindow& window, ReplyWindowOutcome outcome, int elapsed_ms) {
  // A search's result is the main window's to tell: it knows what it listed.
  if (is_search(window) && outcome == ReplyWindowOutcome::Replied) return;
  const std::string name = device_name(window.device);
  if (outcome == ReplyWindowOutcome::PortClosed) {
    say("The serial port is not open: " + name + " was not asked for the " + window.purpose, StatusTone::Trouble);
    return;
  }
  const MissKey key{window.device.type, window.device.id, window.device.address_text(), window.purpose};
  if (outcome == ReplyWindowOutcome::Replied) {
    misses_.erase(key);
    say(name + ": " + window.purpose + " in " + std::to_string(elapsed_ms) + " ms", StatusTone::Good);
    return;
  }
  const int in_a_row = ++misses_[key];
  std::string text =
      is_search(window) ? std::string("No answer to the search") : name + ": no answer to the " + window.purpose;
  if (in_a_row > 1) text += " (" + std::to_string(in_a_row) + " in a row)";
  say(std::move(text), StatusTone::Trouble);
}

void report_search(LinkStatusText& status, const std::vector<DiscoveredDevice>& found) {
  std::vector<NamedDevice> devices;
  for (const DiscoveredDevice& device : found) devices.push_back({device.entry, device.name});
  status.set_devices(std::move(devices));
  status.search_finished(found.size());
}

void report_serial_search(LinkStatusText& status, const SerialSearchResult& result, const DeviceEntry& entry0,
                          const std::string& name) {
  if (!result.port_open) {
    status.serial_not_open();
    return;
  }
  const bool found = result.name_count > 0;
  // The serial device has no address; its windows name it by type and id.
  DeviceEntry serial_device;
  serial_device.type = entry0.type;
  serial_device.id = entry0.id;
  if (found) status.set_devices({{serial_device, name}});
  status.search_finished(found ? 1 : 0);
}

}  // namespace vela
