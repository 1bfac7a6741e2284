// The network search with the real defaults (port 7000 at both ends, request
// broadcast to 255.255.255.255) on the private LAN of namespaces that
// scripts/netlab builds, and the lab's own teardown.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "run_process.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using vela::test::run_process;
using vela::test::TempDir;

const std::string kNetlab = std::string(VELA_SOURCE_DIR) + "/scripts/netlab";
// Hang guard only: simulators built with sanitizers start slowly.
constexpr std::chrono::minutes kLabDeadline{5};

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

struct LabDevice {
  // lan: netlab's option for the device's LAN: --device (first LAN, the
  // panel's default route), --device-b (second LAN), --stray-device (first
  // LAN, an address outside both subnets). extra: further simulator
  // settings, e.g. ",twice".
  LabDevice(int type, int id, std::string name, std::string lan = "--device", std::string extra = "")
      : type(type), id(id), name(std::move(name)), lan(std::move(lan)), extra(std::move(extra)) {}
  int type;
  int id;
  std::string name;
  std::string lan;
  std::string extra;
  std::string config() const {
    return "type=" + std::to_string(type) + ",id=" + std::to_string(id) + ",name=" + name + extra;
  }
};

class NetlabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto check = run_process({kNetlab, "--check"});
    if (check.exit_code == 77) GTEST_SKIP() << "network namespaces cannot be made here: " << check.err;
    ASSERT_EQ(check.exit_code, 0) << "scripts/netlab --check: " << check.err;
  }

  // netlab with the simulator and the devices, up to and including "--".
  static std::vector<std::string> lab(const std::vector<LabDevice>& devices) {
    std::vector<std::string> argv{kNetlab, "--devsim", VELA_DEVSIM_PATH};
    for (const auto& device : devices) {
      argv.push_back(device.lan);
      argv.push_back(device.config());
    }
    argv.push_back("--");
    return argv;
  }

  // Runs `command` in the panel namespace of a lab with `devices`; true when
  // it ended by itself with 0 and netlab announced every device.
  struct LabRun {
    vela::test::ProcessResult result;
    std::map<std::string, std::string> addresses;  // name -> address
    bool ok = false;
  };
  static LabRun run_in_lab(const std::vector<LabDevice>& devices, const std::vector<std::string>& command) {
    auto argv = lab(devices);
    argv.insert(argv.end(), command.begin(), command.end());
    LabRun run{run_process(argv, kLabDeadline), {}, false};
    EXPECT_FALSE(run.result.timed_out) << run.result.err;
    EXPECT_EQ(run.result.exit_code, 0) << run.result.err;
    run.addresses = announced_addresses(run.result.err);
    EXPECT_EQ(run.addresses.size(), devices.size()) << run.result.err;
    run.ok = !run.result.timed_out && run.result.exit_code == 0 && run.addresses.size() == devices.size();
    return run;
  }

  // Runs the panel with no link option (port 7000, the default search
  // destinations) in the lab, scanning once; expects one list line per
  // answer of every device ("twice" devices answer two), in any order.
  // Returns the panel's standard output.
  std::string expect_panel_lists(const std::vector<LabDevice>& devices) {
    const std::string panel = std::string(VELA_BUILD_DIR) + "/app/vela-panel";
    if (!fs::exists(panel)) {
      ADD_FAILURE() << "this build has no panel";
      return {};
    }
    const LabRun run = run_in_lab(devices, {panel, "-platform", "offscreen", "--scan", "--list-and-quit"});
    const auto& result = run.result;
    const auto& addresses = run.addresses;
    std::vector<std::string> listed;
    for (const auto& line : split(result.out, '\n')) {
      if (line.rfind("device list: ", 0) == 0) listed.push_back(line.substr(13));
    }
    std::vector<std::string> expected;
    for (const auto& device : devices) {
      const auto address = addresses.find(device.name);
      if (address == addresses.end()) continue;
      const int answers = device.extra == ",twice" ? 2 : 1;
      for (int i = 0; i < answers; ++i) expected.push_back(device.name + "_" + address->second);
    }
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected) << result.out;
    return result.out;
  }

  // The "device <name> <address>" lines that netlab writes on stderr.
  static std::map<std::string, std::string> announced_addresses(const std::string& err) {
    std::map<std::string, std::string> addresses;
    for (const auto& line : split(err, '\n')) {
      const auto last_space = line.rfind(' ');
      if (line.rfind("device ", 0) == 0 && last_space > 7)
        addresses[line.substr(7, last_space - 7)] = line.substr(last_space + 1);
    }
    return addresses;
  }
};

TEST_F(NetlabTest, SearchWithRealDefaultsListsEveryDeviceOnceAtItsOwnAddress) {
  // Distinct types and ids; an id above 127 and types with the high bit set
  // show sign and formatting faults.
  const std::vector<LabDevice> devices{
      {0xA1, 1, "Studio1"},
      {0x81, 200, "Router200"},
      {0x60, 7, "Wall7"},
  };
  const LabRun run = run_in_lab(devices, {VELA_CTL_PATH, "search"});
  ASSERT_TRUE(run.ok);
  const auto& result = run.result;
  const auto& addresses = run.addresses;
  std::set<std::string> distinct;
  for (const auto& [name, address] : addresses) distinct.insert(address);
  EXPECT_EQ(distinct.size(), devices.size()) << result.err;

  // As many lines as devices, each device's own line among them exactly once:
  // nothing missing, nothing doubled, nothing extra (the panel also hears its
  // own 20-byte request, which must not become an entry).
  const auto lines = split(result.out, '\n');
  EXPECT_EQ(lines.size(), devices.size()) << result.out;
  for (const auto& device : devices) {
    SCOPED_TRACE(device.name);
    ASSERT_EQ(addresses.count(device.name), 1u);
    const std::string address = addresses.at(device.name);
    EXPECT_EQ(address.rfind("10.77.0.", 0), 0u) << address;
    char type_text[8];
    std::snprintf(type_text, sizeof type_text, "0x%02x", device.type);
    const std::string expected = device.name + "_" + address + "\t" + address + "\t" + type_text + "\t" +
                                 std::to_string(device.id) + "\teth0 10.77.0.0/24";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), expected), 1) << "line: " << expected << "\n" << result.out;
  }
}

TEST_F(NetlabTest, PanelScanAtTheDefaultsListsTheDevicesAtTheirOwnAddresses) {
  const std::string out = expect_panel_lists({{0xA4, 3, "Mv10"}, {0xA5, 9, "Mixer"}});
  EXPECT_NE(out.find("create socket success"), std::string::npos) << "it bound the default port";
}

// A panel computer with a second card on a separate device LAN, and a device
// still at an address of neither subnet: one search reaches both LANs (the
// limited broadcast leaves by the default route only), lists each device once
// per answer with the network it answered on, and marks the stray one.
const std::vector<LabDevice> kTwoLans{
    {0xA1, 1, "Gallery", "--device"}, {0x60, 7, "Echo", "--device", ",twice"}, {0x81, 2, "Router", "--device-b"},
    {0xA4, 5, "Wall", "--device-b"},  {0xA5, 9, "Factory", "--stray-device"},
};

TEST_F(NetlabTest, SearchOnEveryNetworkFindsBothLansAndMarksTheStrayDevice) {
  const LabRun run = run_in_lab(kTwoLans, {VELA_CTL_PATH, "search"});
  ASSERT_TRUE(run.ok);
  const auto& result = run.result;
  const auto& addresses = run.addresses;
  EXPECT_EQ(addresses.at("Router").rfind("10.78.0.", 0), 0u);
  EXPECT_EQ(addresses.at("Factory").rfind("172.31.77.", 0), 0u);

  // name -> the network column of every line listing it
  std::map<std::string, std::vector<std::string>> networks;
  for (const auto& line : split(result.out, '\n')) {
    const auto columns = split(line, '\t');
    ASSERT_EQ(columns.size(), 5u) << line;
    networks[columns[0].substr(0, columns[0].find('_'))].push_back(columns[4]);
  }
  const std::map<std::string, std::vector<std::string>> expected{
      // Heard the limited and the directed broadcast, listed once.
      {"Gallery", {"eth0 10.77.0.0/24"}},
      // Answers every request twice: listed twice, as with one request.
      {"Echo", {"eth0 10.77.0.0/24", "eth0 10.77.0.0/24"}},
      {"Router", {"eth1 10.78.0.0/24"}},
      {"Wall", {"eth1 10.78.0.0/24"}},
      {"Factory", {"eth0 outside"}},
  };
  EXPECT_EQ(networks, expected) << result.out;
}

TEST_F(NetlabTest, PanelScanAtTheDefaultsFindsTheDevicesOfBothLans) { expect_panel_lists(kTwoLans); }

// How the run ends: the command exits by itself, or netlab is told to stop.
struct Ending {
  const char* name;
  const char* after_recording;  // shell text run in the panel namespace once the lab is recorded
  int stop_signal;              // sent to netlab once the lab is recorded; 0: none
  int expected_exit;
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class NetlabTeardownTest : public NetlabTest, public ::testing::WithParamInterface<Ending> {};

// Run in the panel namespace with the scratch directory as $0: writes
// "<namespace> <pid>" for every process inside the lab, then the namespace
// prefix to the file "prefix" (the sign that the lab is up and recorded).
constexpr const char* kRecordLab =
    "for ns in $(ip netns list | cut -d' ' -f1 | grep \"^$NETLAB_PREFIX\"); do"
    "  for pid in $(ip netns pids \"$ns\"); do echo \"$ns $pid\"; done; "
    "done > \"$0/processes\" && echo \"$NETLAB_PREFIX\" > \"$0/prefix.new\" && mv \"$0/prefix.new\" \"$0/prefix\"; ";

TEST_P(NetlabTeardownTest, LeavesNoNamespaceAndNoSimulatorBehind) {
  const Ending& ending = GetParam();
  const TempDir scratch;
  const std::vector<LabDevice> devices{{0xA1, 1, "First"}, {0xA3, 2, "Second"}};
  auto argv = lab(devices);
  argv.insert(argv.end(), {"/bin/sh", "-c", std::string(kRecordLab) + ending.after_recording, scratch.path()});

  // Started by hand (not run_process) so that it can be signalled midway.
  const int null_fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
  const int err_fd = open(scratch.file("stderr").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(null_fd, 0);
  ASSERT_GE(err_fd, 0);
  const pid_t netlab = vela::test::spawn_child(argv, null_fd, err_fd, err_fd);
  close(null_fd);
  close(err_fd);

  const std::string marker = scratch.file("prefix");
  int status = 0;
  bool exited = false;
  const auto give_up = std::chrono::steady_clock::now() + kLabDeadline;
  while (!exited && !fs::exists(marker) && std::chrono::steady_clock::now() < give_up) {
    exited = waitpid(netlab, &status, WNOHANG) == netlab;
    if (!exited) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!exited) {
    if (ending.stop_signal != 0) kill(netlab, ending.stop_signal);
    while (!exited && std::chrono::steady_clock::now() < give_up) {
      exited = waitpid(netlab, &status, WNOHANG) == netlab;
      if (!exited) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!exited) {  // do not leave it behind
      kill(netlab, SIGKILL);
      waitpid(netlab, &status, 0);
      FAIL() << "netlab did not end\n" << read_file(scratch.file("stderr"));
    }
  }
  const std::string err = read_file(scratch.file("stderr"));
  EXPECT_EQ(vela::test::decode_wait_status(status), ending.expected_exit) << err;
  ASSERT_TRUE(fs::exists(marker)) << err;

  std::string prefix = read_file(marker);
  prefix.erase(prefix.find_last_not_of('\n') + 1);
  ASSERT_FALSE(prefix.empty());
  std::map<std::string, std::vector<pid_t>> processes;
  for (const auto& line : split(read_file(scratch.file("processes")), '\n')) {
    const auto space = line.find(' ');
    if (space != std::string::npos) processes[line.substr(0, space)].push_back(std::stoi(line.substr(space + 1)));
  }
  for (std::size_t i = 0; i < devices.size(); ++i)
    EXPECT_FALSE(processes[prefix + "d" + std::to_string(i)].empty()) << "no simulator seen in device namespace " << i;

  for (const auto& [ns, pids] : processes)
    for (const pid_t pid : pids)
      EXPECT_TRUE(kill(pid, 0) == -1 && errno == ESRCH) << "process " << pid << " of " << ns << " still runs";
  const fs::path named_namespaces = "/var/run/netns";  // where ip keeps the names
  if (fs::exists(named_namespaces)) {
    for (const auto& entry : fs::directory_iterator(named_namespaces)) {
      EXPECT_NE(entry.path().filename().string().rfind(prefix, 0), 0u) << entry.path() << " left behind";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Endings, NetlabTeardownTest,
                         ::testing::Values(Ending{"CommandExitCodeIsPassedOn", "exit 7", 0, 7},
                                           Ending{"StoppedBySigterm", "exec sleep 600", SIGTERM, 128 + SIGTERM}),
                         [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

}  // namespace
