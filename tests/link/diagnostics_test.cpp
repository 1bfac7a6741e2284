#include "diagnostics.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vela {
namespace {

// Lines collected from any thread; the sinks under test write into it.
class Collected {
 public:
  void add(const std::string& line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(line);
  }
  std::vector<std::string> lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

// Restores the sink that was there before the test.
class DiagnosticsTest : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = set_diagnostic_sink(nullptr); }
  void TearDown() override { set_diagnostic_sink(previous_); }
  DiagnosticSink collect_into(Collected& into) {
    return [&into](const std::string& line) { into.add(line); };
  }

 private:
  DiagnosticSink previous_;
};

TEST_F(DiagnosticsTest, LongLinesArriveWhole) {
  Collected got;
  set_diagnostic_sink(collect_into(got));
  const struct { std::size_t length; } cases[] = {{0}, {254}, {255}, {256}, {1023}, {1024}, {5000}};
  for (const auto& c : cases) {
    const std::string body(c.length, 'x');
    diag("%s|%d \n", body.c_str(), 7);
  }
  const auto lines = got.lines();
  ASSERT_EQ(lines.size(), std::size(cases));
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], std::string(cases[i].length, 'x') + "|7 \n");
}

// A sink may write diagnostics itself and replace the sink; neither may
// find the helper's lock still held.
TEST_F(DiagnosticsTest, SinkMayWriteDiagnosticsAndReplaceTheSink) {
  Collected first;
  Collected second;
  set_diagnostic_sink([&](const std::string& line) {
    first.add(line);
    if (line != "outer \n") return;
    diag("inner \n");
    set_diagnostic_sink(collect_into(second));
    diag("after \n");
  });
  diag("outer \n");
  diag("later \n");
  EXPECT_EQ(first.lines(), (std::vector<std::string>{"outer \n", "inner \n"}));
  EXPECT_EQ(second.lines(), (std::vector<std::string>{"after \n", "later \n"}));
}

// The sink waits for another thread that writes a diagnostic, as a sink
// that hands lines to a busy window thread would.
TEST_F(DiagnosticsTest, SinkMayWaitForAThreadThatWritesDiagnostics) {
  Collected got;
  set_diagnostic_sink([&](const std::string& line) {
    got.add(line);
    if (line == "waits \n") std::thread([] { diag("from worker \n"); }).join();
  });
  diag("waits \n");
  EXPECT_EQ(got.lines(), (std::vector<std::string>{"waits \n", "from worker \n"}));
}

// Writers on several threads while another swaps the sink back and forth:
// every line arrives once, whole, and each thread's lines in order.
TEST_F(DiagnosticsTest, LinesFromManyThreadsArriveWholeAndInOrder) {
  constexpr int kWriters = 4;
  constexpr int kLines = 300;
  const std::string padding(300, '.');  // longer than the helper's small buffer
  Collected got;
  set_diagnostic_sink(collect_into(got));

  std::vector<std::thread> threads;
  for (int t = 0; t < kWriters; ++t) {
    threads.emplace_back([&, t] {
      for (int n = 0; n < kLines; ++n) diag("writer %d line %d %s \n", t, n, padding.c_str());
    });
  }
  threads.emplace_back([&] {
    for (int swap = 0; swap < 200; ++swap) set_diagnostic_sink(collect_into(got));
  });
  for (auto& thread : threads) thread.join();

  const auto lines = got.lines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kWriters * kLines));
  std::vector<int> next(kWriters, 0);
  for (const auto& line : lines) {
    int t = -1;
    int n = -1;
    ASSERT_EQ(std::sscanf(line.c_str(), "writer %d line %d", &t, &n), 2) << line;
    ASSERT_TRUE(t >= 0 && t < kWriters) << line;
    EXPECT_EQ(n, next[t]) << line;
    next[t] = n + 1;
    EXPECT_EQ(line, "writer " + std::to_string(t) + " line " + std::to_string(n) + " " + padding + " \n");
  }
}

// Without a sink every line goes to standard output, as the panel writes
// them from the window thread and from a worker at once.
TEST_F(DiagnosticsTest, LinesFromManyThreadsReachStandardOutputWhole) {
  constexpr int kWriters = 4;
  constexpr int kLines = 200;
  const std::string padding(300, '.');
  char path[] = "/tmp/vela-diagnostics-XXXXXX";
  const int file = ::mkstemp(path);
  ASSERT_GE(file, 0);
  std::fflush(stdout);
  const int saved = ::dup(STDOUT_FILENO);
  ::dup2(file, STDOUT_FILENO);
  std::vector<std::thread> threads;
  for (int t = 0; t < kWriters; ++t) {
    threads.emplace_back([&, t] {
      for (int n = 0; n < kLines; ++n) diag("writer %d line %d %s \n", t, n, padding.c_str());
    });
  }
  for (auto& thread : threads) thread.join();
  std::fflush(stdout);
  ::dup2(saved, STDOUT_FILENO);
  ::close(saved);
  ::close(file);

  std::ifstream written(path);
  std::vector<int> next(kWriters, 0);
  int count = 0;
  for (std::string line; std::getline(written, line); ++count) {
    int t = -1;
    int n = -1;
    ASSERT_EQ(std::sscanf(line.c_str(), "writer %d line %d", &t, &n), 2) << line;
    ASSERT_TRUE(t >= 0 && t < kWriters) << line;
    EXPECT_EQ(n, next[t]) << line;
    next[t] = n + 1;
    EXPECT_EQ(line, "writer " + std::to_string(t) + " line " + std::to_string(n) + " " + padding + " ");
  }
  EXPECT_EQ(count, kWriters * kLines);
  ::unlink(path);
}

}  // namespace
}  // namespace vela
