// vela-ctl: build frames, search for devices, send single commands and
// read a matrix's button lock.
#include <cstdio>
#include <cstring>
#include <string>

#include "commands.h"
#include "diagnostics.h"

namespace {

const char kUsage[] =
    "usage:\n"
    "  vela-ctl frame --type T --id I --link udp|serial --code C [--payload \"HEX BYTES\"]\n"
    "  vela-ctl search [--broadcast ADDR] [--device-port N] [--local-port N]\n"
    "  vela-ctl search --serial PATH [--baud N]\n"
    "  vela-ctl send (--to ADDR [--device-port N] [--local-port N] | --serial PATH [--baud N])\n"
    "                --type T --id I --code C [--payload \"HEX BYTES\"]\n"
    "  vela-ctl lock --to ADDR --id I [--type T] [--device-port N] [--local-port N]\n"
    "Numbers are decimal or 0x-hex. Results go to standard output, diagnostics to standard error.\n"
    "search sends to 255.255.255.255 and to the broadcast address of every network of this\n"
    "computer (up, not loopback, able to broadcast); --broadcast ADDR sends to ADDR only.\n"
    "A network search prints one line per device: list text, address, type code, id and the\n"
    "network it answered on (\"eth1 10.78.0.0/24\", or \"eth0 outside\" for an address in none\n"
    "of this computer's networks), tab separated; or \"No Device Found\".\n"
    "lock reads the button lock of the matrix (type 0x81 unless --type says otherwise) and\n"
    "prints \"lock N\" (0 unlocked); it fails when no lock came within the reply window.\n";

}  // namespace

int main(int argc, char** argv) {
  vela::set_diagnostic_sink([](const std::string& line) {
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
  });
  const std::string verb = argc > 1 ? argv[1] : "";
  if (verb == "frame") return vela::cli::run_frame(argc, argv);
  if (verb == "search") return vela::cli::run_search(argc, argv);
  if (verb == "send") return vela::cli::run_send(argc, argv);
  if (verb == "lock") return vela::cli::run_lock(argc, argv);
  if (verb == "--help" || verb == "-h" || verb == "help") {
    std::fputs(kUsage, stdout);
    return vela::cli::kExitOk;
  }
  std::fputs(kUsage, stderr);
  return vela::cli::kExitUsage;
}
