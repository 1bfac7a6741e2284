// The matrix's routing texts both ways, and the framed button lock.
#include "matrix_protocol.h"

#include <gtest/gtest.h>

namespace vela::matrix {
namespace {

MatrixRoutes routes_of(std::initializer_list<std::uint8_t> entries) {
  MatrixRoutes routes{};
  std::copy(entries.begin(), entries.end(), routes.begin());
  return routes;
}

TEST(MatrixRouteText, NamesEveryOutputCarryingTheInputAscending) {
  struct Case {
    std::uint8_t input;
    MatrixRoutes routes;
    std::string text;
  };
  const Case cases[] = {
      {3, routes_of({3, 0, 0, 3, 5, 0, 0, 3}), "3V1,4,8."},
      {5, routes_of({3, 5, 0, 0, 0, 0, 0, 0}), "5V2."},
      {8, routes_of({8, 8, 8, 8, 8, 8, 8, 8}), "8V1,2,3,4,5,6,7,8."},
      {4, routes_of({0, 4, 1, 2, 3, 5, 4, 6}), "4V2,7."},
      {4, routes_of({1, 2, 3, 0, 5, 6, 7, 8}), ""},  // no output carries it: nothing to send
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(route_text(c.input, c.routes), c.text);
  }
  EXPECT_EQ(one_to_all_text(6), "6All.");
  EXPECT_STREQ(kOneToOneText, "All#.");
}

TEST(MatrixRouteText, EveryTextThePanelSendsIsReadBackAsTheSameRoutes) {
  const MatrixRoutes start = routes_of({1, 2, 3, 4, 5, 6, 7, 8});
  struct Case {
    std::string text;
    MatrixRoutes after;
  };
  const Case cases[] = {
      {route_text(4, routes_of({0, 4, 0, 0, 0, 0, 4, 0})), routes_of({1, 4, 3, 4, 5, 6, 4, 8})},
      {route_text(8, routes_of({8, 8, 8, 8, 8, 8, 8, 8})), routes_of({8, 8, 8, 8, 8, 8, 8, 8})},
      {one_to_all_text(6), routes_of({6, 6, 6, 6, 6, 6, 6, 6})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto command = parse_route_text(c.text);
    ASSERT_TRUE(command.has_value());
    MatrixRoutes routes = start;
    apply_route_command(*command, routes);
    EXPECT_EQ(routes, c.after);
  }
  const auto one_to_one = parse_route_text(kOneToOneText);
  ASSERT_TRUE(one_to_one.has_value());
  MatrixRoutes routes = routes_of({6, 6, 6, 6, 6, 6, 6, 6});
  apply_route_command(*one_to_one, routes);
  EXPECT_EQ(routes, routes_of({1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(MatrixRouteText, TextsThatAreNoRouteAreRefusedWithAReason) {
  for (const char* text : {"", "V1.", "9V1.", "0All.", "3V9.", "3V1,4", "3V1,,4.", "3V.", "3X1.", "All.", "3All",
                           "All#", "3V1.\n", "10V1."}) {
    SCOPED_TRACE(text);
    std::string error;
    EXPECT_FALSE(parse_route_text(text, &error).has_value());
    EXPECT_FALSE(error.empty());
  }
}

TEST(MatrixLock, QueryAndSetFrames) {
  const Bytes query = build_frame(frame::kLinkUdp, 0x81, 1, code::kLockQuery);
  EXPECT_EQ(query.size(), 20u);
  const Bytes set = build_frame(frame::kLinkUdp, 0x81, 1, code::kLockSet, lock_payload(1));
  ASSERT_EQ(set.size(), 21u);
  EXPECT_EQ(set[16], 0x51);
  EXPECT_EQ(set[17], 1);
}

TEST(MatrixLock, TheLockIsReadOnlyFromAFrameLongEnoughToCarryIt) {
  const Bytes reply = build_frame(frame::kLinkUdp, 0x81, 1, code::kLockQuery,
                                  lock_reply_payload(2, routes_of({1, 2, 3, 4, 5, 6, 7, 8})));
  EXPECT_EQ(read_lock_reply(reply), 2);
  EXPECT_EQ(read_reply_routes(reply), routes_of({1, 2, 3, 4, 5, 6, 7, 8}));

  const Bytes shortest = build_frame(frame::kLinkUdp, 0x81, 1, code::kLockQuery, Bytes{0x00, 0x01});
  ASSERT_EQ(shortest.size(), lock_reply::kMinFrameLength);
  EXPECT_EQ(read_lock_reply(shortest), 1);
  EXPECT_FALSE(read_reply_routes(shortest).has_value());

  // The panel's own query echoed back: byte 18 is a checksum byte there.
  const Bytes echo = build_frame(frame::kLinkUdp, 0x81, 1, code::kLockQuery);
  EXPECT_FALSE(read_lock_reply(echo).has_value());
  Bytes twenty_one = build_frame(frame::kLinkUdp, 0x81, 1, code::kLockQuery, Bytes{0x00});
  EXPECT_FALSE(read_lock_reply(twenty_one).has_value());
  Bytes unframed = reply;
  unframed.back() = 0x00;
  EXPECT_FALSE(read_lock_reply(unframed).has_value());
}

}  // namespace
}  // namespace vela::matrix
