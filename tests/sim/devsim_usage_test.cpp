// vela-devsim refuses a malformed command line, configuration or an
// address it cannot bind: exit code 2, a message on stderr, never "ready".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loopback.h"
#include "run_process.h"
#include "temp_dir.h"

namespace vela::test {
namespace {

using namespace std::chrono_literals;

struct UsageCase {
  const char* label;
  std::vector<std::string> args;  // {port}, {addr} and {config} are filled in
  const char* config;             // content of the file behind {config}
  const char* message;            // a piece of the expected stderr
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.label; }

class DevsimUsage : public ::testing::TestWithParam<UsageCase> {};

std::string fill(std::string text, const std::string& key, const std::string& value) {
  for (std::size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, key.size(), value);
  return text;
}

TEST_P(DevsimUsage, ExitsWithCode2AndAMessage) {
  const UsageCase& c = GetParam();
  const std::string addr = LoopbackRange::for_this_process().address(0);
  const std::string port = std::to_string(free_udp_port({addr}));
  TempDir dir;
  const std::string config = dir.write_file("sim.conf", c.config);
  std::vector<std::string> argv = {VELA_DEVSIM_PATH, "--port", port};
  for (const std::string& a : c.args)
    argv.push_back(fill(fill(fill(a, "{port}", port), "{addr}", addr), "{config}", config));

  const ProcessResult result = run_process(argv, 20s);
  ASSERT_FALSE(result.timed_out) << command_text(argv);
  EXPECT_EQ(result.exit_code, 2) << command_text(argv);
  EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  EXPECT_EQ(result.out.find("ready"), std::string::npos);
}

const std::string kGood = "type=0xA1,id=1,name=X";

INSTANTIATE_TEST_SUITE_P(
    Cases, DevsimUsage,
    ::testing::Values(UsageCase{"missing_addr", {"--device", kGood}, "", "addr"},
                      UsageCase{"missing_name", {"--device", "type=0xA1,id=1,addr={addr}"}, "", "name"},
                      UsageCase{"bad_type", {"--device", "type=0xZZ,id=1,name=X,addr={addr}"}, "", "type=0xZZ"},
                      UsageCase{"id_out_of_range", {"--device", "type=1,id=256,name=X,addr={addr}"}, "", "id=256"},
                      UsageCase{"unknown_item", {"--device", kGood + ",addr={addr},colour=red"}, "", "colour=red"},
                      UsageCase{"flag_with_value", {"--device", kGood + ",addr={addr},twice=1"}, "", "twice=1"},
                      UsageCase{"bad_address", {"--device", kGood + ",addr=127.0.0.300"}, "", "127.0.0.300"},
                      UsageCase{"split_on_udp", {"--device", kGood + ",addr={addr},split=2:10"}, "", "split"},
                      UsageCase{"addr_on_serial", {"--serial", kGood + ",addr={addr}"}, "", "addr"},
                      UsageCase{"signal_window_17", {"--serial", kGood + ",signal=1-4,17"}, "", "'17'"},
                      UsageCase{"signal_on_a_matrix", {"--serial", "type=0x81,id=1,name=X,signal=all"}, "", "signal="},
                      UsageCase{"window_list_without_signal", {"--serial", kGood + ",silent,3"}, "", "'3'"},
                      UsageCase{"zero_pieces", {"--serial", kGood + ",split=0:10"}, "", "split"},
                      UsageCase{"two_serial", {"--serial", kGood, "--serial", kGood}, "", "serial"},
                      UsageCase{"unknown_option", {"--bogus", "1"}, "", "--bogus"},
                      UsageCase{"missing_value", {"--device"}, "", "--device"},
                      UsageCase{"bad_port", {"--port", "70000"}, "", "70000"},
                      UsageCase{"config_keyword",
                                {"--config", "{config}"},
                                "# ok\ndevise type=1,id=1,name=X,addr=127.0.0.9\n",
                                "sim.conf:2"},
                      UsageCase{"missing_config", {"--config", "/nonexistent/vela.conf"}, "", "/nonexistent/vela.conf"},
                      UsageCase{"same_address_twice",
                                {"--device", kGood + ",addr={addr}", "--device", "type=0x81,id=2,name=Y,addr={addr}"},
                                "",
                                "cannot bind"},
                      UsageCase{"address_not_local", {"--device", kGood + ",addr=192.0.2.1"}, "", "cannot bind"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vela::test
