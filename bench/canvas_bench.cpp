// Drawing the whole window on the Qt canvas at the start size and at larger
// board scales: the game's full redraw, and the repaint a resize asks for.
// The drawing reaches the canvas's buffer when the buffer is looked at.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "display/board_drawing.h"
#include "display/texts.h"
#include "qt/canvas.h"
#include "shell/app.h"
#include "shell/startup.h"

namespace {

using namespace zarvo;

// Fonts and pictures need an application object; no screen is needed.
void ensure_application() {
  static int argc = 1;
  static char name[] = "zarvo-bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = []() -> std::unique_ptr<QGuiApplication> {
    if (QGuiApplication::instance() != nullptr) return nullptr;  // the picture benchmarks made it
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

// The start position drawn on a canvas the size of the start window times `scale`.
struct Board {
  explicit Board(double scale) {
    ensure_application();
    canvas.set_geometry(QSize(642, 508) * scale, BoardScale{scale, 1.0});
    app.platform.canvas = &canvas;
    fill_square_shade(app.display);
    app.options.current_background = TILE_TATAMI;
    canvas.fill_background(QB_GREEN);
    reset_game(app);
  }
  QtCanvas canvas;
  App app;
};

// Arg: the board scale in percent.
void BM_RedrawAll(benchmark::State& state) {
  Board b(state.range(0) / 100.0);
  for (auto _ : state) {
    redraw_all(b.app);
    show_move_number(b.app, 12, QB_BLACK);
    benchmark::DoNotOptimize(b.canvas.image().constBits());
  }
}
BENCHMARK(BM_RedrawAll)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

// A resize to a size already rendered once: the drawing is painted again.
void BM_RepaintAfterResize(benchmark::State& state) {
  const double scale = state.range(0) / 100.0;
  Board b(scale);
  const QSize a = QSize(642, 508) * scale;
  int wider = 0;
  for (auto _ : state) {
    wider ^= 1;
    b.canvas.set_geometry(a + QSize(wider, 0), BoardScale{scale, 1.0});
    benchmark::DoNotOptimize(b.canvas.image().constBits());
  }
}
BENCHMARK(BM_RepaintAfterResize)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// A resize to a new scale: every picture is rendered afresh from its SVG first.
void BM_RepaintAtNewScale(benchmark::State& state) {
  Board b(2.0);
  double scale = 2.0;
  for (auto _ : state) {
    scale = scale == 2.0 ? 2.01 : 2.0;
    b.canvas.set_geometry(QSize(642, 508) * scale, BoardScale{scale, 1.0});
    benchmark::DoNotOptimize(b.canvas.image().constBits());
  }
}
BENCHMARK(BM_RepaintAtNewScale)->Unit(benchmark::kMillisecond);

}  // namespace
