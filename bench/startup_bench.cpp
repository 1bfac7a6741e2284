// Start-up to first frame and peak memory of vela-panel against a bare Qt
// window with the same number of widgets, measured in the same run, taking
// turns. Start-up runs from the fork to the "first frame" line, which each
// program prints once its window's first paint is done (offscreen platform);
// peak memory is the ended process's maximum resident size (VmHWM).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "percentiles.h"
#include "watched_child.h"

namespace {

using vela::bench::WatchedChild;
constexpr int kRuns = 7;

struct Start {
  double ms = 0;
  long peak_kb = 0;
  long widgets = 0;
};

bool start_once(const std::vector<std::string>& argv, Start& start) {
  WatchedChild child(argv, WatchedChild::Stream::Out);
  const auto line = child.wait_for_line("first frame: ", std::chrono::seconds(60));
  const rusage usage = child.finish(0);
  if (!line) {
    std::fprintf(stderr, "%s reported no first frame\n", argv[0].c_str());
    return false;
  }
  start.ms = std::chrono::duration<double, std::milli>(line->at - child.started()).count();
  start.peak_kb = usage.ru_maxrss;
  start.widgets = std::strtol(line->text.c_str() + 13, nullptr, 10);
  return true;
}

}  // namespace

int main() {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::vector<double> panel_ms, bare_ms, panel_kb, bare_kb;
  long panel_widgets = 0, bare_widgets = 0;
  for (int run = 0; run < kRuns; ++run) {
    Start panel, bare;
    if (!start_once({VELA_PANEL_PATH, "--first-frame"}, panel)) return 1;
    if (!start_once({VELA_BARE_WINDOW_PATH, std::to_string(panel.widgets)}, bare)) return 1;
    panel_ms.push_back(panel.ms);
    bare_ms.push_back(bare.ms);
    panel_kb.push_back(static_cast<double>(panel.peak_kb));
    bare_kb.push_back(static_cast<double>(bare.peak_kb));
    panel_widgets = panel.widgets;
    bare_widgets = bare.widgets;
  }
  using vela::bench::Percentiles;
  const double pm = Percentiles(panel_ms).at(50), bm = Percentiles(bare_ms).at(50);
  const double pk = Percentiles(panel_kb).at(50), bk = Percentiles(bare_kb).at(50);
  std::printf("start-up to first frame, medians of %d runs each, taking turns (offscreen platform):\n", kRuns);
  std::printf("  vela-panel   %7.1f ms   peak memory %7.0f kB   %ld widgets\n", pm, pk, panel_widgets);
  std::printf("  bare window  %7.1f ms   peak memory %7.0f kB   %ld widgets\n", bm, bk, bare_widgets);
  std::printf("  ratio: start-up %.2f, peak memory %.2f\n", pm / bm, pk / bk);
  return 0;
}
