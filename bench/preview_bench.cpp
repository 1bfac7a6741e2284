// One repaint of the multiviewer preview at 720 x 480: composing the picture
// off-screen from the state (every box and label on), and the whole page
// paint that copies it in one step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "multiviewer/multiviewer_page.h"
#include "multiviewer/multiviewer_preview_painter.h"
#include "multiviewer_preview.h"
#include "diagnostics.h"
#include "page_context.h"

namespace {

vela::MultiviewerState busy_state() {
  vela::MultiviewerState state;
  state.m_settings.mode_type = 6;
  for (int w = 0; w < 16; ++w) {
    state.m_window_label[w] = u"CAM " + std::u16string(1, char16_t(u'A' + w));
    state.m_settings.label_text_colour[w] = 7;
    state.m_settings.label_back_colour[w] = static_cast<std::uint8_t>(w % 16);
    state.m_settings.resolution_back_colour[w] = 2;
  }
  state.set_label_display(1);
  state.set_meter_display(1);
  state.set_resolution_display(1);
  vela::multiviewer::recompute_preview(state);
  return state;
}

void ComposePreview(benchmark::State& bench) {
  const vela::MultiviewerState state = busy_state();
  QImage image = vela::make_preview_image();
  for (auto _ : bench) {
    vela::paint_multiviewer_preview(image, state);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(ComposePreview)->Unit(benchmark::kMicrosecond);

// The page's whole paint (header, preview, footer) into a pixmap; the
// multiviewer's sub-page is not part of it.
void PaintPage(benchmark::State& bench) {
  vela::PageContext context;
  context.m_link.set_connection_mode(vela::connection_mode::kSerial);  // closed port: no read-back
  context.m_model_window_count = 16;
  context.multiviewer() = busy_state();
  MultiviewerPage page(context, nullptr);
  page.resize(1240, 580);
  QImage target(page.size(), QImage::Format_RGB32);
  for (auto _ : bench) {
    page.render(&target, QPoint(), QRegion(page.preview_rect()), QWidget::DrawWindowBackground);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(PaintPage)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The page writes a line per paint; keep the figures readable.
  vela::set_diagnostic_sink([](const std::string&) {});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
