// The serial port list, on a made-up /dev and /sys/class/tty.
#include "serial_port_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

class SerialPortListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    roots_.dev_dir = dir_.path() + "/dev";
    roots_.tty_class_dir = dir_.path() + "/class-tty";
    fs::create_directories(roots_.dev_dir);
    fs::create_directories(roots_.tty_class_dir);
  }

  std::string device(const std::string& name) {
    const std::string path = roots_.dev_dir + "/" + name;
    fs::create_directories(fs::path(path).parent_path());
    dir_.write_file("dev/" + name, "");
    return path;
  }
  // A ttyS line as the serial core shows it: its UART type, 0 for none.
  void uart_type(const std::string& name, const std::string& type) {
    fs::create_directories(roots_.tty_class_dir + "/" + name);
    dir_.write_file("class-tty/" + name + "/type", type + "\n");
  }
  void driver_link(const std::string& name) {
    fs::create_directories(roots_.tty_class_dir + "/" + name + "/device/driver");
  }

  vela::test::TempDir dir_;
  vela::SerialScanRoots roots_;
};

TEST_F(SerialPortListTest, ListsSerialDevicesOnlyAndRealUartLinesOnly) {
  const std::string dev = roots_.dev_dir + "/";
  for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyS10", "ttyS11", "ttyS12"}) device(name);
  uart_type("ttyS0", "4");
  uart_type("ttyS1", "0");  // no UART behind this line
  uart_type("ttyS2", "4");
  uart_type("ttyS10", "4");
  driver_link("ttyS11");  // no type attribute, but a driver
  // ttyS12: neither
  for (const char* name : {"ttyUSB0", "ttyACM1", "ttyAMA0", "rfcomm0", "serial/by-id/usb-FTDI_A1-if00-port0"})
    device(name);
  for (const char* name : {"tty1", "ttyprintk", "ttyUSB", "ttySX", "console", "ptmx", "rfcommX"}) device(name);

  EXPECT_EQ(vela::list_serial_ports({}, roots_),
            (std::vector<std::string>{dev + "rfcomm0", dev + "serial/by-id/usb-FTDI_A1-if00-port0", dev + "ttyACM1",
                                      dev + "ttyAMA0", dev + "ttyS0", dev + "ttyS10", dev + "ttyS11", dev + "ttyS2",
                                      dev + "ttyUSB0"}));
}

TEST_F(SerialPortListTest, AddsExtraPathsOnceAndSortsThemIn) {
  const std::string usb = device("ttyUSB3");
  const std::vector<std::string> ports =
      vela::list_serial_ports({"/tmp/pts/9", usb, "", "/tmp/pts/10", "/tmp/pts/9"}, roots_);
  EXPECT_EQ(ports, (std::vector<std::string>{"/tmp/pts/10", "/tmp/pts/9", usb}));
}

TEST_F(SerialPortListTest, MissingDirectoriesGiveOnlyTheExtraPaths) {
  roots_.dev_dir = dir_.path() + "/no-dev";
  roots_.tty_class_dir = dir_.path() + "/no-sys";
  EXPECT_EQ(vela::list_serial_ports({"/tmp/pts/4"}, roots_), (std::vector<std::string>{"/tmp/pts/4"}));
}

}  // namespace
