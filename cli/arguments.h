#pragma once
// A small option reader for vela-ctl: "--name value" pairs after a verb.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vela::cli {

class Arguments {
 public:
  // Reads argv[first..]; every option takes one value. Unknown options and a
  // missing value make ok() false with a message.
  Arguments(int argc, char** argv, int first, const std::vector<std::string>& known);

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  bool has(const std::string& name) const { return values_.count(name) != 0; }
  std::string text(const std::string& name, const std::string& fallback = "") const;
  // Decimal or 0x-hex within [low, high]; nothing (and an error) otherwise.
  std::optional<long> number(const std::string& name, long fallback, long low, long high);

 private:
  std::map<std::string, std::string> values_;
  std::string error_;
};

}  // namespace vela::cli
