// The panel's link options: a search on every network only where nothing
// else was asked for.
#include "panel_options.h"

#include <gtest/gtest.h>

#include "gui_test_environment.h"

namespace vela {
namespace {

TEST(PanelOptions, EveryNetworkIsSearchedOnlyWithoutAGivenAddressOrTheDemo) {
  struct Case {
    QStringList arguments;
    bool every_network;
    const char* broadcast;
  } cases[] = {
      {{}, true, "255.255.255.255"},
      {{"--broadcast", "127.0.0.9"}, false, "127.0.0.9"},
      // The default address given on purpose switches the extra destinations off.
      {{"--broadcast", "255.255.255.255"}, false, "255.255.255.255"},
      {{"--demo"}, false, "255.255.255.255"},
      {{"--device-port", "17000", "--local-port", "17001"}, true, "255.255.255.255"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const PanelOptions options = parse_panel_options(QStringList{"vela-panel"} + c.arguments);
    ASSERT_TRUE(options.ok) << options.error.toStdString();
    EXPECT_EQ(options.link.search_every_network, c.every_network);
    EXPECT_EQ(options.link.broadcast, c.broadcast);
  }
}

}  // namespace
}  // namespace vela
