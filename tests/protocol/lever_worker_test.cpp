// The lever worker on a thread of its own: what it sends for the positions
// it is handed, the transitions it reports, and how it rests and stops.
#include "lever_worker.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "lever_rules.h"

namespace vela {
namespace {

using Kind = LeverEvent::Kind;
using Sent = std::pair<int, int>;  // direction, value

// What the worker sent and reported, read from the test's thread. A gate,
// when closed, holds the worker inside its next send.
struct Recorder {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<Sent> sent;
  std::vector<LeverEvent> events;
  bool gate_open = true;

  LeverWorker::Sender sender() {
    return [this](std::uint8_t d, std::uint8_t v) {
      std::unique_lock lock(mutex);
      sent.emplace_back(d, v);
      changed.notify_all();
      changed.wait(lock, [this] { return gate_open; });
    };
  }
  LeverWorker::Notifier notifier() {
    return [this](const LeverEvent& e) {
      std::lock_guard lock(mutex);
      events.push_back(e);
      changed.notify_all();
    };
  }
  std::size_t sent_count() {
    std::lock_guard lock(mutex);
    return sent.size();
  }
  void wait_sent(std::size_t count) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return sent.size() >= count; });
  }
  void open_gate(bool open) {
    std::lock_guard lock(mutex);
    gate_open = open;
    changed.notify_all();
  }
  std::vector<Sent> take_sent() {
    std::lock_guard lock(mutex);
    return std::exchange(sent, {});
  }
  std::vector<LeverEvent> take_events() {
    std::lock_guard lock(mutex);
    return std::exchange(events, {});
  }
};

struct LeverWorkerTest : ::testing::Test {
  Recorder recorder;

  std::unique_ptr<LeverWorker> started(std::uint8_t direction,
                                       std::chrono::milliseconds pause = std::chrono::milliseconds(1)) {
    auto worker = std::make_unique<LeverWorker>(direction, recorder.sender(), recorder.notifier(), pause);
    worker->start();
    return worker;
  }

  // Moves the lever one position at a time and waits until each went out.
  void move_through(LeverWorker& worker, int from, int to) {
    const int step = from < to ? 1 : -1;
    for (int p = from + step;; p += step) {
      const std::size_t before = recorder.sent_count();
      worker.set_position(p);
      recorder.wait_sent(before + 1);
      if (p == to) break;
    }
  }
};

// A whole push: 1 to 128 between the ends, then 128 again at the completing end.
std::vector<Sent> rising(int direction) {
  std::vector<Sent> values;
  for (int v = 1; v <= 128; ++v) values.emplace_back(direction, v);
  values.emplace_back(direction, 128);
  return values;
}

TEST_F(LeverWorkerTest, PushAndPullCompleteATransitionEachAndFlipTheDirection) {
  auto worker = started(1);
  move_through(*worker, 129, 0);
  worker->stop();
  EXPECT_EQ(recorder.take_sent(), rising(1));
  EXPECT_EQ(recorder.take_events(), (std::vector<LeverEvent>{{Kind::Started, 1}, {Kind::Completed, 0}}));
  EXPECT_EQ(worker->direction(), 0);

  worker = started(0);
  move_through(*worker, 0, 129);
  worker->stop();
  EXPECT_EQ(recorder.take_sent(), rising(0));
  EXPECT_EQ(recorder.take_events(), (std::vector<LeverEvent>{{Kind::Started, 0}, {Kind::Completed, 1}}));
  EXPECT_EQ(worker->direction(), 1);
}

TEST_F(LeverWorkerTest, ReturnToTheStartEndSendsOneWithoutCompleting) {
  auto worker = started(1);
  for (const int p : {100, 64, 129}) {
    const std::size_t before = recorder.sent_count();
    worker->set_position(p);
    recorder.wait_sent(before + 1);
  }
  worker->stop();
  EXPECT_EQ(recorder.take_sent(), (std::vector<Sent>{{1, 29}, {1, 65}, {1, 1}}));
  EXPECT_EQ(recorder.take_events(), (std::vector<LeverEvent>{{Kind::Started, 1}, {Kind::Returned, 1}}));
  EXPECT_EQ(worker->direction(), 1);
}

TEST_F(LeverWorkerTest, PositionsHandedOverDuringASendAreSkippedForTheLatest) {
  auto worker = started(1);
  recorder.open_gate(false);
  worker->set_position(120);
  recorder.wait_sent(1);
  for (const int p : {110, 90, 70}) worker->set_position(p);
  recorder.open_gate(true);
  recorder.wait_sent(2);
  worker->stop();
  EXPECT_EQ(recorder.take_sent(), (std::vector<Sent>{{1, 9}, {1, 59}}));
}

TEST_F(LeverWorkerTest, StartedAtTheStartEndOfEitherDirectionSendsNothingUntilMoved) {
  for (const std::uint8_t d : {0, 1}) {
    auto worker = started(d);
    worker->set_position(lever::start_end(d));  // the page setting its lever
    worker->stop();
    EXPECT_TRUE(recorder.take_sent().empty()) << int(d);
    EXPECT_TRUE(recorder.take_events().empty()) << int(d);
  }
  // Opened with d = 0, the next push down completes.
  auto worker = started(0);
  move_through(*worker, 0, 129);
  worker->stop();
  EXPECT_EQ(recorder.take_sent(), rising(0));
  EXPECT_EQ(worker->direction(), 1);
}

TEST_F(LeverWorkerTest, StopEndsAWorkerInItsPauseAndTwiceIsHarmless) {
  auto worker = started(1, std::chrono::hours(1));
  worker->set_position(60);
  recorder.wait_sent(1);
  worker->set_position(50);  // waits behind the hour-long pause
  worker->stop();
  worker->stop();
  EXPECT_EQ(recorder.take_sent(), (std::vector<Sent>{{1, 69}}));
}

}  // namespace
}  // namespace vela
