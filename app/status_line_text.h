#pragma once
// What the status line says: the link's current and last doing in an
// operator's words, from the reply windows the window thread opens and from
// the main window's own events (search results, the serial port). Qt-free.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "device_types.h"
#include "network_search.h"
#include "reply_window.h"
#include "serial_search.h"

namespace vela {

// How the line should look beside its words.
enum class StatusTone { Idle, Busy, Good, Trouble };

struct NamedDevice {
  DeviceEntry entry;  // a serial device has no address
  std::string name;   // as its search answer gave it
};

class LinkStatusText : public ReplyWindowListener {
 public:
  const std::string& text() const { return text_; }
  StatusTone tone() const { return tone_; }
  // The last kRecentTexts texts, oldest first (the current one last).
  const std::deque<std::string>& recent() const { return recent_; }
  static constexpr std::size_t kRecentTexts = 6;
  // Called after every change of the text.
  void set_on_change(std::function<void()> on_change) { on_change_ = std::move(on_change); }

  // The devices the last search found, whose names the line uses.
  void set_devices(std::vector<NamedDevice> devices) { devices_ = std::move(devices); }
  void search_finished(std::size_t found);
  void search_failed(const std::string& why);
  void serial_opened(const std::string& port, int baud);
  void serial_open_failed(const std::string& port);
  void serial_closed(const std::string& port);
  void serial_line_lost(const std::string& port);
  void serial_not_open();

  void window_opened(const ReplyWindow& window) override;
  void window_waiting(const ReplyWindow& window, int remaining_ms) override;
  void window_closed(const ReplyWindow& window, ReplyWindowOutcome outcome, int elapsed_ms) override;

  // "Gallery MV16", or the family and address of a device no search named.
  std::string device_name(const DeviceEntry& device) const;

 private:
  using MissKey = std::tuple<std::uint8_t, std::uint8_t, std::string, std::string>;
  void say(std::string text, StatusTone tone);

  std::vector<NamedDevice> devices_;
  // Unanswered windows in a row, by device and purpose.
  std::map<MissKey, int> misses_;
  std::string text_;
  std::deque<std::string> recent_;
  StatusTone tone_ = StatusTone::Idle;
  std::function<void()> on_change_;
};

// What a search found, for the status line: the names and how many.
void report_search(LinkStatusText& status, const std::vector<DiscoveredDevice>& found);
void report_serial_search(LinkStatusText& status, const SerialSearchResult& result, const DeviceEntry& entry0,
                          const std::string& name);

}  // namespace vela
