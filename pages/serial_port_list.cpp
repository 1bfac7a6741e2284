#include "serial_port_list.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace vela {
namespace {

namespace fs = std::filesystem;

// Device name prefixes followed by a number.
constexpr std::array<std::string_view, 5> kNumberedPrefixes = {"ttyS", "ttyUSB", "ttyACM", "ttyAMA", "rfcomm"};
constexpr std::string_view kPlatformUartPrefix = "ttyS";

bool is_numbered(std::string_view name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return false;
  const std::string_view digits = name.substr(prefix.size());
  return std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The names of a directory's entries; none when it cannot be read.
std::vector<std::string> entry_names(const fs::path& dir) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
    names.push_back(it->path().filename().string());
  return names;
}

// The serial core reports the UART type of each ttyS line; 0 means no UART
// answered at that line (one of the many unused legacy entries).
bool is_real_uart(const fs::path& class_entry) {
  std::ifstream type_file(class_entry / "type");
  if (type_file) {
    int type = 0;
    return static_cast<bool>(type_file >> type) && type != 0;
  }
  std::error_code error;
  return fs::exists(class_entry / "device" / "driver", error);
}

bool is_listed_device(const std::string& name, const SerialScanRoots& roots) {
  if (is_numbered(name, kPlatformUartPrefix)) return is_real_uart(fs::path(roots.tty_class_dir) / name);
  return std::any_of(kNumberedPrefixes.begin(), kNumberedPrefixes.end(),
                     [&name](std::string_view prefix) { return is_numbered(name, prefix); });
}

}  // namespace

std::vector<std::string> list_serial_ports(const std::vector<std::string>& extra_paths, const SerialScanRoots& roots) {
  std::vector<std::string> ports;
  const fs::path dev(roots.dev_dir);
  for (const std::string& name : entry_names(dev))
    if (is_listed_device(name, roots)) ports.push_back((dev / name).string());
  const fs::path by_id = dev / "serial" / "by-id";
  for (const std::string& name : entry_names(by_id)) ports.push_back((by_id / name).string());
  for (const std::string& path : extra_paths)
    if (!path.empty()) ports.push_back(path);
  std::sort(ports.begin(), ports.end());
  ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
  return ports;
}

}  // namespace vela
