#include "sim_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "child_process.h"
#include "run_process.h"

namespace vela::test {
namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::pair<std::string, std::uint16_t> split_endpoint(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos) throw std::runtime_error("no port in '" + text + "'");
  return {text.substr(0, colon), static_cast<std::uint16_t>(std::stoul(text.substr(colon + 1)))};
}

// How often a simulator that has not ended yet is asked again to stop.
constexpr std::chrono::milliseconds kStopReminderPeriod{500};

}  // namespace

SimProcess::SimProcess(std::vector<std::string> args, std::chrono::milliseconds ready_deadline) {
  argv_.push_back(VELA_DEVSIM_PATH);
  bool has_log = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--log" && i + 1 < args.size()) {
      has_log = true;
      log_path_ = args[i + 1];
    }
    argv_.push_back(args[i]);
  }
  if (!has_log) {
    log_path_ = dir_.file("devsim.log");
    argv_.push_back("--log");
    argv_.push_back(log_path_);
  }

  int control[2];
  if (::pipe2(control, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
  control_fd_ = control[1];
  const int out_fd = ::open(dir_.file("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const int err_fd = ::open(dir_.file("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  pid_ = spawn_child(argv_, control[0], out_fd, err_fd);
  ::close(control[0]);
  ::close(out_fd);
  ::close(err_fd);

  try {
    wait_ready(ready_deadline);
  } catch (...) {
    stop(SIGKILL);
    ::close(control_fd_);
    throw;
  }
}

SimProcess::~SimProcess() {
  const bool stopped_by_test = exit_code_.has_value();
  const int code = stop();
  // A simulator that does not end cleanly (a crash, a sanitizer report)
  // fails the test that used it.
  if (!stopped_by_test && code != 0)
    ADD_FAILURE() << "vela-devsim ended with code " << code << " on SIGTERM\nstderr: " << stderr_text();
  ::close(control_fd_);
}

LogRecord SimProcess::control(const std::string& line) {
  const SimLog log(log_path_);
  const auto is_this_line = [&line](const LogRecord& r) { return r.carrier == "control" && r.text == line; };
  const std::size_t before = log.wait_for(0, is_this_line).size();
  // A simulator that has gone must fail the test, not end it with SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  const std::string text = line + "\n";
  if (::write(control_fd_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
    throw std::runtime_error("cannot write to the simulator's control channel: " + line);
  const std::vector<LogRecord> records = log.wait_for(before + 1, is_this_line);
  if (records.size() <= before) throw std::runtime_error("the simulator did not log the control line: " + line);
  return records.back();
}

void SimProcess::wait_ready(std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (true) {
    const std::string out = read_file(dir_.file("stdout"));
    if (out.find("\nready\n") != std::string::npos || out.rfind("ready\n", 0) == 0) {
      std::istringstream lines(out);
      std::string line;
      while (std::getline(lines, line)) parse_line(line);
      return;
    }
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      exit_code_ = decode_wait_status(status);
      throw std::runtime_error("vela-devsim exited with " + std::to_string(*exit_code_) +
                               " before it was ready: " + command_text(argv_) + "\nstderr: " + stderr_text());
    }
    if (std::chrono::steady_clock::now() >= end)
      throw std::runtime_error("vela-devsim printed no \"ready\" line in time: " + command_text(argv_) +
                               "\nstdout: " + out + "\nstderr: " + stderr_text());
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void SimProcess::parse_line(const std::string& line) {
  std::istringstream words(line);
  std::string kind;
  words >> kind;
  if (kind == "udp") {
    // The name may hold spaces: the last three words are endpoint, type, id.
    std::size_t end = line.size();
    std::string tail[3];
    for (int i = 2; i >= 0; --i) {
      const std::size_t space = line.rfind(' ', end - 1);
      if (space == std::string::npos || space < 4) throw std::runtime_error("bad udp line: " + line);
      tail[i] = line.substr(space + 1, end - space - 1);
      end = space;
    }
    SimUdpDevice device;
    device.name = line.substr(4, end - 4);
    std::tie(device.addr, device.port) = split_endpoint(tail[0]);
    device.type = static_cast<std::uint8_t>(std::stoul(tail[1].substr(tail[1].find('=') + 1), nullptr, 16));
    device.id = static_cast<std::uint8_t>(std::stoul(tail[2].substr(tail[2].find('=') + 1)));
    udp_devices_.push_back(device);
  } else if (kind == "listen") {
    std::string endpoint;
    words >> endpoint;
    const auto [addr, port] = split_endpoint(endpoint);
    listen_addr_ = addr;
    listen_port_ = port;
  } else if (kind == "serial") {
    words >> pty_path_;
  }
}

int SimProcess::stop(int signal, std::chrono::milliseconds deadline) {
  if (exit_code_) return *exit_code_;
  ::kill(pid_, signal);
  const auto start = std::chrono::steady_clock::now();
  const auto end = start + deadline;
  auto next_reminder = start + kStopReminderPeriod;
  int status = 0;
  while (::waitpid(pid_, &status, WNOHANG) != pid_) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= end) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, &status, 0);
      break;
    }
    // A sanitizer's runtime may hold back a signal that came just as the
    // simulator was starting to wait; asking again costs nothing, and a
    // simulator that is really stuck still runs into the deadline.
    if (signal != SIGKILL && now >= next_reminder) {
      ::kill(pid_, signal);
      next_reminder = now + kStopReminderPeriod;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  exit_code_ = decode_wait_status(status);
  return *exit_code_;
}

std::string SimProcess::stderr_text() const { return read_file(dir_.file("stderr")); }

}  // namespace vela::test
