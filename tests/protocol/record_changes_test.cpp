// Change notices reach every view that listens, for as long as it listens.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "record_changes.h"

namespace vela {
namespace {

TEST(RecordChanges, EveryListenerHearsEachChangeUntilItsSubscriptionEnds) {
  RecordChanges changes;
  std::vector<RecordPart> first, second;
  auto first_listening = changes.observe([&](RecordPart part) { first.push_back(part); });
  std::optional<RecordChanges::Subscription> second_listening =
      changes.observe([&](RecordPart part) { second.push_back(part); });
  changes.changed(RecordPart::Matrix);
  second_listening.reset();
  changes.changed(RecordPart::Switcher);
  EXPECT_EQ(first, (std::vector<RecordPart>{RecordPart::Matrix, RecordPart::Switcher}));
  EXPECT_EQ(second, (std::vector<RecordPart>{RecordPart::Matrix}));

  // A subscription moved keeps listening; the one moved from does not.
  RecordChanges::Subscription moved = std::move(first_listening);
  changes.changed(RecordPart::CameraNames);
  EXPECT_EQ(first.size(), 3u);
}

TEST(RecordChanges, AListenerMayEndSubscriptionsWhileItIsToldAndMayOutliveTheNotices) {
  std::optional<RecordChanges::Subscription> other;
  int other_heard = 0;
  {
    RecordChanges changes;
    auto ender = changes.observe([&](RecordPart) { other.reset(); });
    other = changes.observe([&](RecordPart) { ++other_heard; });
    changes.changed(RecordPart::ShowMode);
    EXPECT_EQ(other_heard, 0) << "ended before its turn";
    other = changes.observe([&](RecordPart) { ++other_heard; });
  }
  other.reset();  // the notices are gone already: nothing to end
  EXPECT_EQ(other_heard, 0);
}

}  // namespace
}  // namespace vela
