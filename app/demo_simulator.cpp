#include "demo_simulator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <arpa/inet.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace vela {
namespace {

// The demo devices: one of every type, each at its own loopback address.
struct DemoDevice {
  const char* type;
  const char* name;
  const char* address;
};
const DemoDevice kDemoDevices[] = {
    {"0xA1", "Gallery MV16", "127.0.0.2"}, {"0xA4", "Studio MV10", "127.0.0.3"},  {"0x81", "Router 8x8", "127.0.0.4"},
    {"0xA3", "Stage LM5530", "127.0.0.5"}, {"0x60", "Booth RK2207", "127.0.0.6"}, {"0xA5", "Vision Mixer", "127.0.0.7"},
};
const char kDemoSerialDevice[] = "type=0xA1,id=1,name=Serial MV16";
const char kListenAddress[] = "127.0.0.1";
constexpr int kReadyTimeoutMs = 10000;

// A UDP port that nothing on loopback holds right now.
std::uint16_t free_udp_port() {
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  socklen_t length = sizeof address;
  std::uint16_t port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  ::close(fd);
  return port;
}

}  // namespace

DemoSimulator::~DemoSimulator() { stop(); }

QString DemoSimulator::locate(const QString& given) {
  if (!given.isEmpty()) return given;
  const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/vela-devsim");
  if (QFileInfo(beside).isExecutable()) return beside;
#ifdef VELA_DEVSIM_BUILD_PATH
  if (QFileInfo(QStringLiteral(VELA_DEVSIM_BUILD_PATH)).isExecutable()) return QStringLiteral(VELA_DEVSIM_BUILD_PATH);
#endif
  return QStandardPaths::findExecutable(QStringLiteral("vela-devsim"));
}

bool DemoSimulator::start(const QString& devsim_path, LinkSettings& settings) {
  const std::uint16_t device_port = free_udp_port();
  const std::uint16_t local_port = free_udp_port();
  if (device_port == 0 || local_port == 0 || device_port == local_port) {
    error_ = QStringLiteral("no free UDP port on loopback");
    return false;
  }
  QStringList arguments = {QStringLiteral("--port"), QString::number(device_port), QStringLiteral("--broadcast-listen"),
                           QString::fromLatin1(kListenAddress)};
  int id = 1;
  for (const auto& device : kDemoDevices) {
    arguments << QStringLiteral("--device")
              << QStringLiteral("type=%1,id=%2,name=%3,addr=%4")
                     .arg(QString::fromLatin1(device.type))
                     .arg(id++)
                     .arg(QString::fromLatin1(device.name), QString::fromLatin1(device.address));
  }
  arguments << QStringLiteral("--serial") << QString::fromLatin1(kDemoSerialDevice);

  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  // A panel that is killed or crashes runs no destructor: the kernel ends
  // the simulator instead (SIGTERM, so it still removes what it made). A
  // panel gone before the request took hold is caught by the parent check.
  const pid_t panel = ::getpid();
  process_.setChildProcessModifier([panel] {
    if (::prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || ::getppid() != panel) ::_exit(1);
  });
  process_.start(devsim_path, arguments);
  if (!process_.waitForStarted(kReadyTimeoutMs)) {
    error_ = QStringLiteral("cannot start %1").arg(devsim_path);
    return false;
  }
  QDeadlineTimer deadline(kReadyTimeoutMs);
  while (!deadline.hasExpired()) {
    if (!process_.canReadLine() && !process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) break;
    while (process_.canReadLine()) {
      const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
      if (line.startsWith(QStringLiteral("serial "))) serial_path_ = line.mid(7);
      if (line == QStringLiteral("ready")) {
        settings.device_port = device_port;
        settings.local_port = local_port;
        settings.broadcast = kListenAddress;
        return true;
      }
    }
  }
  error_ = QStringLiteral("the simulator did not get ready");
  stop();
  return false;
}

void DemoSimulator::stop() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(3000)) {
    process_.kill();
    process_.waitForFinished(1000);
  }
}

}  // namespace vela
