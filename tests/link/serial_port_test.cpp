#include "serial_port.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "frame.h"
#include "pty_peer.h"

namespace vela {
namespace {

using test::PtyPeer;

Bytes text_bytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

void write_all(SerialPort& port, const Bytes& bytes) {
  ASSERT_EQ(port.write(bytes.data(), static_cast<int>(bytes.size())), static_cast<int>(bytes.size()));
}

// Waits (blocking in the port) until exactly `count` bytes are queued.
bool wait_for_queued(SerialPort& port, int count) {
  for (int round = 0; round < 100; ++round) {
    if (port.queued_input().value_or(-1) >= count) return port.queued_input() == count;
    port.wait_readable(Deadline(100));
  }
  return false;
}

// A symlink to the pseudo-terminal whose whole path has `length` characters.
class SizedLink {
 public:
  SizedLink(const std::string& target, std::size_t length) {
    char pattern[] = "/tmp/vela-cncomm-XXXXXX";
    const char* dir = ::mkdtemp(pattern);
    if (dir == nullptr) return;
    dir_ = dir;
    const std::size_t prefix = dir_.size() + 1;
    path_ = dir_ + "/" + std::string(length - prefix, 'p');
    if (::symlink(target.c_str(), path_.c_str()) != 0) path_.clear();
  }
  ~SizedLink() {
    if (dir_.empty()) return;
    ::unlink(path_.c_str());
    ::rmdir(dir_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string dir_;
  std::string path_;
};

TEST(SerialPort, OpenReopenCloseAndOpenAgain) {
  PtyPeer peer;
  SerialPort port;
  EXPECT_FALSE(port.is_open());

  ASSERT_TRUE(port.open(peer.path(), 9600));
  EXPECT_TRUE(port.is_open());
  EXPECT_EQ(port.port_name(), peer.path());
  write_all(port, text_bytes("first"));
  EXPECT_EQ(peer.read(5), text_bytes("first"));

  // Opening the open port closes it first; otherwise its own lock would
  // refuse the new descriptor.
  ASSERT_TRUE(port.open(peer.path(), 115200));
  write_all(port, text_bytes("second"));
  EXPECT_EQ(peer.read(6), text_bytes("second"));

  port.close();
  EXPECT_FALSE(port.is_open());
  port.close();  // closing a closed port does nothing
  EXPECT_FALSE(port.is_open());

  ASSERT_TRUE(port.open(peer.path(), 19200));
  write_all(port, text_bytes("third"));
  EXPECT_EQ(peer.read(5), text_bytes("third"));
}

TEST(SerialPort, NameOfSixtyThreeCharactersIsRefused) {
  PtyPeer peer;
  const struct {
    std::size_t length;
    bool opens;
  } cases[] = {{62, true}, {63, false}, {64, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    SizedLink link(peer.path(), c.length);
    ASSERT_EQ(link.path().size(), c.length);
    SerialPort port;
    EXPECT_EQ(port.open(link.path(), 9600), c.opens);
    EXPECT_EQ(port.is_open(), c.opens);
  }
}

TEST(SerialPort, FailedOpenLeavesThePortClosedAndFree) {
  PtyPeer peer;
  const struct {
    std::string path;
    int baud;
  } cases[] = {{peer.path(), 4800}, {peer.path(), 230400}, {peer.path(), 0}, {"/dev/vela-no-such-port", 9600}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path + " @" + std::to_string(c.baud));
    SerialPort port;
    ASSERT_TRUE(port.open(peer.path(), 9600));
    EXPECT_FALSE(port.open(c.path, c.baud));
    EXPECT_FALSE(port.is_open());
    EXPECT_EQ(port.write(reinterpret_cast<const std::uint8_t*>("x"), 1), 0);
    // Nothing of the failed attempt keeps the device held.
    SerialPort other;
    EXPECT_TRUE(other.open(peer.path(), 9600));
  }
}

TEST(SerialPort, PortIsHeldExclusively) {
  PtyPeer peer;
  SerialPort second;
  {
    SerialPort first;
    ASSERT_TRUE(first.open(peer.path(), 57600));
    EXPECT_FALSE(second.open(peer.path(), 57600));
    EXPECT_FALSE(second.is_open());
    write_all(first, text_bytes("still mine"));
    EXPECT_EQ(peer.read(10), text_bytes("still mine"));
  }  // destruction closes
  EXPECT_TRUE(second.open(peer.path(), 57600));
}

TEST(SerialPort, LineIsRawEightNoneOneAtTheChosenBaud) {
  PtyPeer peer;
  const struct {
    int baud;
    speed_t speed;
  } cases[] = {{9600, B9600}, {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}};
  SerialPort port;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.baud);
    ASSERT_TRUE(port.open(peer.path(), c.baud));
    termios line{};
    ASSERT_EQ(::tcgetattr(peer.slave_fd(), &line), 0);
    EXPECT_EQ(::cfgetospeed(&line), c.speed);
    EXPECT_EQ(::cfgetispeed(&line), c.speed);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(line.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_iflag & (ICRNL | IXON | ISTRIP), 0u);
  }
}

// Far more than the pseudo-terminal holds, written without reading, so the
// watcher has to wait for room while the window thread keeps queueing.
TEST(SerialPort, WritesLeaveWholeAndInOrder) {
  PtyPeer peer;
  SerialPort port;
  ASSERT_TRUE(port.open(peer.path(), 115200));
  Bytes expected;
  for (int i = 0; i < 400; ++i) {
    const Bytes payload((i * 37) % 500, static_cast<std::uint8_t>(i));
    const Bytes frame = build_frame(frame::kLinkSerial, 0xA1, static_cast<std::uint8_t>(i), 0x34, payload);
    write_all(port, frame);
    expected.insert(expected.end(), frame.begin(), frame.end());
  }
  ASSERT_GT(expected.size(), 64u * 1024u);
  const Bytes received = peer.read(expected.size());
  ASSERT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected);
  port.close();  // the watcher has counted its last write once it stopped
  EXPECT_EQ(port.bytes_written(), expected.size());
}

TEST(SerialPort, WriteWhileClosedSendsNothing) {
  PtyPeer peer;
  SerialPort port;
  const Bytes lost = text_bytes("lost");
  EXPECT_EQ(port.write(lost.data(), 4), 0);
  ASSERT_TRUE(port.open(peer.path(), 9600));
  port.close();
  EXPECT_EQ(port.write(lost.data(), 4), 0);
  EXPECT_EQ(port.write(lost.data(), 0), 0);

  ASSERT_TRUE(port.open(peer.path(), 9600));
  write_all(port, text_bytes("marker"));
  EXPECT_EQ(peer.read(6), text_bytes("marker"));  // nothing came before it
}

TEST(SerialPort, ReadTakesOnlyWhatIsQueued) {
  PtyPeer peer;
  SerialPort port;
  std::uint8_t into[64] = {};
  EXPECT_EQ(port.queued_input(), std::nullopt);
  EXPECT_EQ(port.read(into, 8), 0);
  EXPECT_FALSE(port.wait_readable(Deadline(10)));

  ASSERT_TRUE(port.open(peer.path(), 38400));
  EXPECT_EQ(port.queued_input(), 0);
  EXPECT_FALSE(port.wait_readable(Deadline(10)));
  const Bytes sent = {0xA5, 0x6C, 0x00, 0x01, 0xFF, 0x80, 0x7F, 0x0D, 0x0A, 0xAE};
  peer.write(sent);
  ASSERT_TRUE(wait_for_queued(port, 10));
  EXPECT_TRUE(port.wait_readable(Deadline(0)));

  EXPECT_EQ(port.read(into, 4), 4);
  EXPECT_EQ(port.queued_input(), 6);
  EXPECT_EQ(port.read(into + 4, 60), 6);
  EXPECT_EQ(Bytes(into, into + 10), sent);
  EXPECT_EQ(port.queued_input(), 0);
  EXPECT_EQ(port.read(into, 8), 0);  // nothing queued: returns at once
  EXPECT_EQ(port.bytes_read(), 10u);
}

TEST(SerialPort, InputWaitingAtOpenIsDiscarded) {
  PtyPeer peer;
  peer.write(text_bytes("stale"));
  int waiting = 0;
  for (int round = 0; round < 100 && waiting < 5; ++round) {
    pollfd in{peer.slave_fd(), POLLIN, 0};
    ::poll(&in, 1, 100);
    ::ioctl(peer.slave_fd(), FIONREAD, &waiting);
  }
  ASSERT_EQ(waiting, 5);
  SerialPort port;
  ASSERT_TRUE(port.open(peer.path(), 9600));
  EXPECT_EQ(port.queued_input(), 0);
}

TEST(SerialPort, CloseReturnsWhetherIdleOrStuckOnAFullDevice) {
  PtyPeer peer;
  SerialPort port;
  ASSERT_TRUE(port.open(peer.path(), 9600));
  port.close();
  EXPECT_FALSE(port.is_open());

  // Nobody reads the device: the queue cannot drain and is dropped.
  ASSERT_TRUE(port.open(peer.path(), 9600));
  const Bytes block(4096, 0x55);
  for (int i = 0; i < 256; ++i) write_all(port, block);
  port.close(50);
  EXPECT_FALSE(port.is_open());
  EXPECT_LT(port.bytes_written(), 256u * block.size());
  EXPECT_TRUE(port.open(peer.path(), 9600));
}

}  // namespace
}  // namespace vela
