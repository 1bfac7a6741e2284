// vela-panel as a newcomer starts it: demo mode with the simulator.
#include <gtest/gtest.h>

#include <QString>

#include "run_process.h"

namespace vela::test {
namespace {

const std::string kPanel = VELA_BUILD_DIR "/app/vela-panel";

TEST(PanelProcess, DemoModeFindsOneDeviceOfEveryTypeOnLoopback) {
  const ProcessResult result = run_process({kPanel, "-platform", "offscreen", "--demo", "--scan", "--list-and-quit"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.out.find("device list: Gallery MV16_127.0.0.2\n"
                            "device list: Studio MV10_127.0.0.3\n"
                            "device list: Router 8x8_127.0.0.4\n"
                            "device list: Stage LM5530_127.0.0.5\n"
                            "device list: Booth RK2207_127.0.0.6\n"
                            "device list: Vision Mixer_127.0.0.7\n"),
            std::string::npos)
      << result.out;
}

// The hooks of the benchmarks: a device chosen after the scan as an operator
// would, and the first frame reported before quitting.
TEST(PanelProcess, SelectChoosesTheListedDeviceAfterTheScan) {
  const ProcessResult result =
      run_process({kPanel, "-platform", "offscreen", "--demo", "--scan", "--select", "Studio MV10", "--list-and-quit"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.err.find("vela-panel: chose Studio MV10_127.0.0.3\n"), std::string::npos) << result.err;
  // The window's own selection line: the second device is the current one.
  EXPECT_NE(result.out.find("m_device_index = 1 \n"), std::string::npos) << result.out;

  const ProcessResult unknown =
      run_process({kPanel, "-platform", "offscreen", "--demo", "--scan", "--select", "Nowhere", "--list-and-quit"});
  EXPECT_NE(unknown.err.find("vela-panel: no device list line holds Nowhere\n"), std::string::npos) << unknown.err;
}

TEST(PanelProcess, FirstFrameIsReportedWithTheWidgetCountThenThePanelQuits) {
  const ProcessResult result = run_process({kPanel, "-platform", "offscreen", "--first-frame"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  ASSERT_FALSE(result.timed_out);
  const std::size_t at = result.out.find("first frame: ");
  ASSERT_NE(at, std::string::npos) << result.out;
  EXPECT_GT(std::stoi(result.out.substr(at + 13)), 10) << "the window and its controls";
}

TEST(PanelProcess, BadOptionsAreRefused) {
  for (const auto& option :
       {std::vector<std::string>{"--device-port", "70000"}, std::vector<std::string>{"--broadcast", "somewhere"}}) {
    std::vector<std::string> argv = {kPanel, "-platform", "offscreen"};
    argv.insert(argv.end(), option.begin(), option.end());
    const ProcessResult result = run_process(argv);
    EXPECT_EQ(result.exit_code, 2) << command_text(argv);
    EXPECT_NE(result.err.find("vela-panel:"), std::string::npos);
  }
}

TEST(PanelProcess, HelpListsEveryOption) {
  const ProcessResult result = run_process({kPanel, "--help"});
  EXPECT_EQ(result.exit_code, 0);
  for (const char* option :
       {"--device-port", "--local-port", "--broadcast", "--serial-port", "--demo", "--devsim", "--skin", "--scan",
        "--list-and-quit", "--screenshot", "--select", "--first-frame", "--trace"}) {
    EXPECT_NE(result.out.find(option), std::string::npos) << option;
  }
  // Which destinations a scan has by default, and that --broadcast replaces
  // them (the help text is wrapped at any space).
  const QString text = QString::fromStdString(result.out).simplified();
  EXPECT_TRUE(
      text.contains("Send the device search to ADDR only. Default: 255.255.255.255 and the broadcast "
                    "address of every network of this computer"))
      << result.out;
}

}  // namespace
}  // namespace vela::test
