#pragma once
// Checks a search reply byte by byte: the device's own type and id, the
// request's link flag, code 0xFF, byte 17 = 0, name area NAME-1-, length,
// checksum and end byte, and that the name is what a searcher finds in it.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "frame.h"
#include "search_names.h"

namespace vela::test {

inline void expect_search_reply(const Bytes& r, std::uint8_t type, std::uint8_t id, std::uint8_t link_flag,
                                const std::string& name) {
  const std::string area = name + "-1-";
  ASSERT_EQ(r.size(), 21 + area.size());
  const std::size_t n = r.size();
  EXPECT_EQ(r[0], 0xA5);
  EXPECT_EQ(r[1], 0x6C);
  EXPECT_EQ(r[2] | (r[3] << 8), static_cast<int>(n));
  EXPECT_EQ(r[4], type);
  EXPECT_EQ(r[5], id);
  EXPECT_EQ(r[6], link_flag);
  for (std::size_t i = 7; i <= 15; ++i) EXPECT_EQ(r[i], 0) << "reserved byte " << i;
  EXPECT_EQ(r[16], 0xFF);
  EXPECT_EQ(r[17], 0x00);
  EXPECT_EQ(std::string(r.begin() + 18, r.end() - 3), area);
  const unsigned sum = std::accumulate(r.begin(), r.end() - 3, 0u) & 0xFFFF;
  EXPECT_EQ(r[n - 3] | (r[n - 2] << 8), static_cast<int>(sum));
  EXPECT_EQ(r[n - 1], 0xAE);
  EXPECT_EQ(find_device_names(r), std::vector<std::string>{name});
}

}  // namespace vela::test
