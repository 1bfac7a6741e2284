// vela-ctl as scripts use it: its exact output for frames and searches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loopback.h"
#include "loopback_studio.h"
#include "run_process.h"
#include "sim_log.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

ProcessResult ctl(std::vector<std::string> args) {
  args.insert(args.begin(), VELA_CTL_PATH);
  return run_process(args);
}

struct FrameCase {
  std::vector<std::string> args;
  const char* expected;
};

TEST(VelaCtl, FramePrintsTheWorkedFramesByteForByte) {
  const FrameCase cases[] = {
      {{"--type", "0x81", "--id", "0xFF", "--link", "udp", "--code", "0xFF"},
       "A5 6C 14 00 81 FF 01 00 00 00 00 00 00 00 00 00 FF A5 03 AE\n"},
      {{"--type", "0x81", "--id", "0xFF", "--link", "serial", "--code", "0xFF"},
       "A5 6C 14 00 81 FF 00 00 00 00 00 00 00 00 00 00 FF A4 03 AE\n"},
      {{"--type", "0xA5", "--id", "1", "--link", "udp", "--code", "0x80", "--payload", "03"},
       "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 80 03 50 02 AE\n"},
      {{"--type", "0xA5", "--id", "1", "--link", "udp", "--code", "0x82", "--payload", "01 40"},
       "A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 82 01 40 91 02 AE\n"},
      {{"--type", "0xA5", "--id", "1", "--link", "udp", "--code", "0x83"},
       "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 83 4F 02 AE\n"},
      {{"--type", "165", "--id", "1", "--link", "udp", "--code", "0xA5", "--payload", "02F401"},
       "A5 6C 17 00 A5 01 01 00 00 00 00 00 00 00 00 00 A5 02 F4 01 6B 03 AE\n"},
      {{"--type", "0xA5", "--id", "1", "--link", "udp", "--code", "0xA6", "--payload",
        "02 01 00 01 00 01 00 01 43 00 41 00 4D 00"},
       "A5 6C 22 00 A5 01 01 00 00 00 00 00 00 00 00 00 A6 02 01 00 01 00 01 00 01 43 00 41 00 4D 00 57 03 AE\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"frame"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const ProcessResult result = ctl(args);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, c.expected);
  }
}

TEST(VelaCtl, BadUsageExitsWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frame", "--type", "0x1FF", "--id", "1", "--code", "1"},
      {"frame", "--type", "1", "--id", "1"},
      {"frame", "--type", "1", "--id", "1", "--code", "1", "--payload", "zz"},
      {"search", "--broadcast", "not-an-address"},
      {"send", "--type", "1", "--id", "1", "--code", "1"},
      {"search", "--bogus", "1"},
      {"lock", "--id", "1"},
      {"lock", "--to", "127.0.0.1"},
  };
  for (const auto& args : cases) {
    const ProcessResult result = ctl(args);
    EXPECT_EQ(result.exit_code, 2) << command_text(args);
    EXPECT_TRUE(result.out.empty()) << command_text(args);
  }
}

struct CtlOnLoopback : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::uint16_t device_port = free_udp_port(range.addresses(LoopbackRange::kSize));
  std::uint16_t local_port = free_udp_port();

  std::vector<std::string> search_args() const {
    return {"search",
            "--broadcast",
            range.address(0),
            "--device-port",
            std::to_string(device_port),
            "--local-port",
            std::to_string(local_port)};
  }
};

TEST_F(CtlOnLoopback, NetworkSearchPrintsOneTabSeparatedLinePerDevice) {
  SimProcess sim({"--port", std::to_string(device_port), "--broadcast-listen", range.address(0), "--device",
                  "type=0xA1,id=1,name=Studio1,addr=" + range.address(1), "--device",
                  "type=0x60,id=12,name=Booth,delay=200,addr=" + range.address(2)});
  const ProcessResult result = ctl(search_args());
  EXPECT_EQ(result.exit_code, 0) << result.err;
  // The last column is the card and subnet that answered: loopback here.
  EXPECT_EQ(result.out, "Studio1_" + range.address(1) + "\t" + range.address(1) + "\t0xa1\t1\tlo 127.0.0.0/8\n" +
                            "Booth_" + range.address(2) + "\t" + range.address(2) + "\t0x60\t12\tlo 127.0.0.0/8\n");
  EXPECT_NE(result.err.find("time over"), std::string::npos) << "diagnostics go to standard error";
}

TEST_F(CtlOnLoopback, NamesArePrintedAsUtf8) {
  // Name bytes are Latin-1 characters: 0xE9 is e-acute, 0xB0 the degree sign.
  SimProcess sim({"--port", std::to_string(device_port), "--broadcast-listen", range.address(0), "--device",
                  "type=0xA1,id=1,name=Cam\xE9ra 9\xB0,addr=" + range.address(1)});
  const ProcessResult result = ctl(search_args());
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out.substr(0, result.out.find('\t')), "Cam\xC3\xA9ra 9\xC2\xB0_" + range.address(1));
}

TEST(VelaCtlStudio, AFullTableOfDevicesAnsweringInOneBurstIsListedWhole) {
  const LoopbackStudio studio(128);
  SimProcess sim(studio.simulator_args());
  const ProcessResult result =
      ctl({"search", "--broadcast", studio.listen_address(), "--device-port", std::to_string(studio.device_port()),
           "--local-port", std::to_string(free_udp_port())});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  std::vector<std::string> listed;
  for (std::size_t at = 0, end; (end = result.out.find('\n', at)) != std::string::npos; at = end + 1)
    listed.push_back(result.out.substr(at, result.out.find('\t', at) - at));
  EXPECT_EQ(listed, studio.list_texts());
}

TEST_F(CtlOnLoopback, NetworkSearchWithoutAnswersSaysNoDeviceFound) {
  SimProcess sim({"--port", std::to_string(device_port), "--broadcast-listen", range.address(0), "--device",
                  "type=0xA1,id=1,name=Mute,silent,addr=" + range.address(1)});
  const ProcessResult result = ctl(search_args());
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "No Device Found\n");
}

TEST_F(CtlOnLoopback, SendDeliversOneFrameToTheAddress) {
  SimProcess sim(
      {"--port", std::to_string(device_port), "--device", "type=0xA4,id=3,name=Mv,addr=" + range.address(1)});
  const ProcessResult result =
      ctl({"send", "--to", range.address(1), "--device-port", std::to_string(device_port), "--local-port",
           std::to_string(local_port), "--type", "0xA4", "--id", "3", "--code", "0x33", "--payload", "02"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  const auto records = SimLog(sim.log_path()).wait_for(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].hex, "a56c1500a4030100000000000000000033020302ae");
}

TEST_F(CtlOnLoopback, SendExitsWithOneWhenTheFrameDidNotLeave) {
  SimProcess sim(
      {"--port", std::to_string(device_port), "--device", "type=0xA4,id=3,name=Mv,addr=" + range.address(1)});
  const auto send = [&](const std::string& code) {
    return ctl({"send", "--to", range.address(1), "--device-port", std::to_string(device_port), "--local-port",
                std::to_string(local_port), "--type", "0xA4", "--id", "3", "--code", code});
  };
  {
    UdpPeer holder("0.0.0.0", local_port);  // another program holds the local port
    const ProcessResult refused = send("0x33");
    EXPECT_EQ(refused.exit_code, 1) << refused.err;
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("bind err"), std::string::npos) << refused.err;
  }
  const ProcessResult sent = send("0x34");
  EXPECT_EQ(sent.exit_code, 0) << sent.err;
  const auto records = SimLog(sim.log_path()).wait_for(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].code, 0x34) << "the refused frame never reached the device";
}

TEST_F(CtlOnLoopback, LockPrintsTheMatrixLockAndFailsWhenNoneCame) {
  SimProcess sim({"--port", std::to_string(device_port), "--device",
                  "type=0x81,id=2,name=Router,addr=" + range.address(1), "--device",
                  "type=0x81,id=3,name=Mute,silent,addr=" + range.address(2)});
  const auto ports = std::vector<std::string>{"--device-port", std::to_string(device_port), "--local-port",
                                              std::to_string(local_port)};
  const auto lock = [&](const std::string& address, const std::string& id) {
    std::vector<std::string> args{"lock", "--to", address, "--id", id};
    args.insert(args.end(), ports.begin(), ports.end());
    return ctl(args);
  };
  const ProcessResult unlocked = lock(range.address(1), "2");
  EXPECT_EQ(unlocked.exit_code, 0) << unlocked.err;
  EXPECT_EQ(unlocked.out, "lock 0\n");

  std::vector<std::string> set_lock{"send", "--to",   range.address(1), "--type",    "0x81", "--id",
                                    "2",    "--code", "0x51",           "--payload", "01"};
  set_lock.insert(set_lock.end(), ports.begin(), ports.end());
  ASSERT_EQ(ctl(set_lock).exit_code, 0);
  ASSERT_EQ(SimLog(sim.log_path()).wait_for(1, [](const LogRecord& r) { return r.code == 0x51; }).size(), 1u);
  const ProcessResult locked = lock(range.address(1), "2");
  EXPECT_EQ(locked.exit_code, 0) << locked.err;
  EXPECT_EQ(locked.out, "lock 1\n");

  const ProcessResult silent = lock(range.address(2), "3");
  EXPECT_EQ(silent.exit_code, 1) << silent.err;
  EXPECT_TRUE(silent.out.empty()) << "no lock is never reported as one";
  EXPECT_NE(silent.err.find("no lock came"), std::string::npos) << silent.err;
}

TEST(VelaCtlSerial, SendWritesTheSerialFormOfTheFrame) {
  SimProcess sim({"--serial", "type=0xA1,id=4,name=SerialMv"});
  const ProcessResult result = ctl({"send", "--serial", sim.pty_path(), "--baud", "115200", "--type", "0xA1", "--id",
                                    "4", "--code", "0x33", "--payload", "02"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_TRUE(result.out.empty());
  const auto records = SimLog(sim.log_path()).wait_for(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].carrier, "serial");
  EXPECT_EQ(records[0].bytes(), build_frame(frame::kLinkSerial, 0xA1, 4, 0x33, Bytes{0x02}));
}

TEST(VelaCtlSerial, SearchFindsTheNameOfAReplyArrivingInPieces) {
  SimProcess sim({"--serial", "type=0xA1,id=4,name=SerialMv,split=4:60"});
  const ProcessResult result = ctl({"search", "--serial", sim.pty_path(), "--baud", "115200"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "SerialMv\t" + sim.pty_path() + "\t0xa1\t4\n");
}

TEST(VelaCtlSerial, SearchOfAMissingPortFails) {
  const ProcessResult result = ctl({"search", "--serial", "/dev/vela-no-such-port"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(result.out.empty());
}

}  // namespace
}  // namespace vela::test
