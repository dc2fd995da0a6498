// Every picture at device pixel ratio 1, as the window asks for them at
// start-up: handed out from the pixels compiled into the program, and
// rendered from the SVG files, which is what each first load used to cost.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "assets/picture_library.h"

namespace {

// The SVG renders need an application object for the fonts of the logo and
// the version picture; the canvas benchmarks may have made it already.
void ensure_application() {
  static int argc = 1;
  static char name[] = "zarvo-bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);  // lives until the process ends
  }
}

void BM_LoadAllPicturesCompiledIn(benchmark::State& state) {
  ensure_application();
  for (auto _ : state) {
    for (const std::string& name : zarvo::picture_names()) {
      benchmark::DoNotOptimize(zarvo::load_picture(name, 1.0));
    }
  }
}
BENCHMARK(BM_LoadAllPicturesCompiledIn)->Unit(benchmark::kMicrosecond);

void BM_RenderAllPicturesFromSvg(benchmark::State& state) {
  ensure_application();
  for (auto _ : state) {
    for (const std::string& name : zarvo::picture_names()) {
      benchmark::DoNotOptimize(zarvo::render_picture_at(name, zarvo::picture_size(name)));
    }
  }
}
BENCHMARK(BM_RenderAllPicturesFromSvg)->Unit(benchmark::kMicrosecond);

}  // namespace
