// The cost of filling the window: one paint of the running frame drawn at the size the window
// shows it (1920x1080 and 3840x2160 desktops), with the copy to the window, against the 1:1
// frame and against enlarging a 1:1 frame with smooth filtering.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "app/window/frame_fit.h"
#include "platform/canvas_qt.h"
#include "probe_runner.h"
#include "state/world.h"

namespace {

// The client area of a maximised window: the desktop less the menu and status bars.
constexpr int kBarsHeight = 50;

enum class Mode { OneToOne, Scaled, SmoothEnlarged };

void PaintAtDesktop(benchmark::State& state, int desktopWidth, int desktopHeight, Mode mode) {
  ProbeOptions options;
  options.screenWidth = desktopWidth;
  options.screenHeight = desktopHeight;
  ProbeSession session(options);
  session.world().SailingState = 1;
  session.Paint();
  const World& w = session.world();
  const int clientWidth = desktopWidth;
  const int clientHeight = desktopHeight - kBarsHeight;
  const FramePlacement p = PlaceFrame(clientWidth, clientHeight, w.ViewWidth, w.ViewHeight, mode != Mode::OneToOne);
  session.canvas().SetScale(mode == Mode::Scaled ? p.scale : 1.0);
  QImage window(clientWidth, clientHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    session.Paint();
    QPainter painter(&window);
    const QImage& frame = CanvasImage(session.canvas());
    if (mode == Mode::SmoothEnlarged) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(p.left, p.top, p.width, p.height), frame);
  }
  state.counters["scale"] = p.scale;
  state.counters["frame_w"] = CanvasImage(session.canvas()).width();
}

}  // namespace

static void BM_WindowOneToOne_1920(benchmark::State& s) { PaintAtDesktop(s, 1920, 1080, Mode::OneToOne); }
static void BM_WindowScaled_1920(benchmark::State& s) { PaintAtDesktop(s, 1920, 1080, Mode::Scaled); }
static void BM_WindowSmoothEnlarged_1920(benchmark::State& s) { PaintAtDesktop(s, 1920, 1080, Mode::SmoothEnlarged); }
static void BM_WindowScaled_3840(benchmark::State& s) { PaintAtDesktop(s, 3840, 2160, Mode::Scaled); }
static void BM_WindowSmoothEnlarged_3840(benchmark::State& s) { PaintAtDesktop(s, 3840, 2160, Mode::SmoothEnlarged); }
BENCHMARK(BM_WindowOneToOne_1920)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowScaled_1920)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowSmoothEnlarged_1920)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowScaled_3840)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowSmoothEnlarged_3840)->Unit(benchmark::kMillisecond);
