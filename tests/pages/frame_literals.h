#pragma once
// Frames written out byte by byte in a test's table and compared with what
// the device received, so that the panel's frame builder is checked against
// the frame layout itself and not against its own reading of it. Compared as
// text, so that a mismatch shows both byte rows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hex_text.h"
#include "sim_log.h"

namespace vela::test {

// One row of a table: what the operator does, and every frame (or routing
// text) the device receives because of it, in order.
struct SentFrames {
  const char* what;
  std::function<void()> act;
  std::vector<std::string> expected;
};

// A literal as "A5 6C ..." with single spaces; a literal that is not hex
// comes out as a text no frame can match.
inline std::string literal_hex(const std::string& literal) {
  const auto bytes = try_parse_hex(literal);
  return bytes && !bytes->empty() ? to_hex(*bytes) : "not hex: " + literal;
}

inline std::vector<std::string> literals_hex(const std::vector<std::string>& literals) {
  std::vector<std::string> out;
  for (const std::string& l : literals) out.push_back(literal_hex(l));
  return out;
}

// The bytes of the records from `first` on, as literal_hex writes them.
inline std::vector<std::string> received_hex(const std::vector<LogRecord>& records, std::size_t first = 0) {
  std::vector<std::string> out;
  for (std::size_t i = first; i < records.size(); ++i) out.push_back(to_hex(records[i].bytes()));
  return out;
}

// Runs the rows in order; `received` returns everything the device has
// received so far (all of it, in order). Stops at a fatal failure.
inline void expect_sent(const std::vector<SentFrames>& rows, const std::function<std::vector<LogRecord>()>& received) {
  for (const SentFrames& row : rows) {
    SCOPED_TRACE(row.what);
    const std::size_t before = received().size();
    row.act();
    if (::testing::Test::HasFatalFailure()) return;
    EXPECT_EQ(received_hex(received(), before), literals_hex(row.expected));
  }
}

}  // namespace vela::test
