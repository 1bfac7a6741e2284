// vela-devsim: plays any number of devices over UDP and one over a serial
// pseudo-terminal, and logs every frame or text they receive.
#include <cstdio>
#include <exception>

#include "errors.h"
#include "options.h"
#include "simulator.h"

namespace {

void announce(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vela::sim;
  try {
    const SimOptions options = parse_command_line(argc, argv);
    if (options.help) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    Simulator simulator(options);
    for (const std::string& line : simulator.announce_lines()) announce(line);
    announce("ready");
    simulator.run();
    return 0;
  } catch (const UsageError& error) {
    std::fprintf(stderr, "vela-devsim: %s\n%s", error.what(), kUsage);
    return 2;
  } catch (const SetupError& error) {
    std::fprintf(stderr, "vela-devsim: %s\n", error.what());
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vela-devsim: %s\n", error.what());
    return 1;
  }
}
