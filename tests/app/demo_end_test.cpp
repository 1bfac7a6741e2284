// The demo's simulator does not outlive a panel that dies without cleaning up.
#include <gtest/gtest.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

const std::string kPanel = VELA_BUILD_DIR "/app/vela-panel";
// The first demo device's address (app/demo_simulator.cpp).
const std::string kDemoDeviceAddress = "127.0.0.2";

std::vector<std::string> command_line_of(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline");
  std::vector<std::string> args;
  for (std::string arg; std::getline(file, arg, '\0');) args.push_back(arg);
  return args;
}

std::optional<pid_t> child_of(pid_t parent) {
  DIR* proc = ::opendir("/proc");
  std::optional<pid_t> found;
  while (dirent* entry = proc ? ::readdir(proc) : nullptr) {
    const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
    if (pid <= 0) continue;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // pid (comm) state ppid ...: comm may hold spaces, so read after ')'.
    std::istringstream rest(line.substr(line.rfind(')') + 1));
    char state = 0;
    pid_t ppid = 0;
    if (rest >> state >> ppid && ppid == parent) found = pid;
  }
  if (proc) ::closedir(proc);
  return found;
}

std::uint16_t port_option(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == "--port") return static_cast<std::uint16_t>(std::stoi(args[i + 1]));
  return 0;
}

bool port_taken(std::uint16_t port) {
  try {
    UdpPeer probe(kDemoDeviceAddress, port);
    return false;
  } catch (const std::runtime_error&) {
    return true;
  }
}

// Reaps pid (a child of this process) within the deadline.
bool reaped(pid_t pid, std::chrono::seconds deadline) {
  const auto until = std::chrono::steady_clock::now() + deadline;
  while (std::chrono::steady_clock::now() < until) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

TEST(DemoSimulatorEnd, AKilledPanelTakesItsSimulatorAndItsPortsWithIt) {
  // Orphans of the panel become this process's children, so the test can
  // see the simulator end (and reap it) after the panel is gone.
  ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  const int null_fd = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  const pid_t panel = spawn_child({kPanel, "-platform", "offscreen", "--demo"}, null_fd, null_fd, null_fd);
  ::close(null_fd);

  std::optional<pid_t> sim;
  std::uint16_t port = 0;
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < until && !(sim && port != 0 && port_taken(port))) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    sim = child_of(panel);
    port = sim ? port_option(command_line_of(*sim)) : 0;
  }
  ASSERT_TRUE(sim && port_taken(port)) << "the demo's simulator never held its port";

  ::kill(panel, SIGKILL);
  ASSERT_TRUE(reaped(panel, std::chrono::seconds(10)));
  const bool simulator_ended = reaped(*sim, std::chrono::seconds(10));
  if (!simulator_ended) {
    ::kill(*sim, SIGKILL);
    reaped(*sim, std::chrono::seconds(10));
  }
  ::prctl(PR_SET_CHILD_SUBREAPER, 0);
  EXPECT_TRUE(simulator_ended) << "the simulator outlived the panel";
  EXPECT_FALSE(port_taken(port));
}

}  // namespace
}  // namespace vela::test
