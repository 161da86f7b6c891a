// Filling the window: where the frame lies, how window points map to view pixels, the canvas
// drawing at the shown size, the display toggle, and where the settings file goes.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <cmath>

#include "app/window/frame_fit.h"
#include "app/window/settings_location.h"
#include "input/command_table.h"
#include "platform/canvas.h"
#include "platform/canvas_qt.h"
#include "state/world.h"

namespace {

struct Size {
  int width, height;
};

// A 1280x720 frame in the client areas of a 1920x1080 desktop, a 2560x1440 one, a 4K one,
// and windows narrower than the frame's aspect and smaller than the frame.
TEST(FrameFit, LargestCentredFitKeepsTheAspect) {
  for (const Size client : {Size{1920, 1030}, Size{2560, 1390}, Size{3840, 2160}, Size{1000, 1200},
                            Size{640, 300}, Size{1281, 721}}) {
    const FramePlacement p = PlaceFrame(client.width, client.height, 1280, 720, true);
    SCOPED_TRACE(std::to_string(client.width) + "x" + std::to_string(client.height));
    EXPECT_TRUE(p.left >= 0 && p.top >= 0 && p.left + p.width <= client.width && p.top + p.height <= client.height);
    // One side touches the client area's edges, the other is centred.
    EXPECT_TRUE(p.width == client.width || p.height == client.height);
    EXPECT_LE(std::abs(2 * p.left + p.width - client.width), 1);
    EXPECT_LE(std::abs(2 * p.top + p.height - client.height), 1);
    EXPECT_NEAR(static_cast<double>(p.width) / p.height, 1280.0 / 720.0, 0.01);
    EXPECT_NEAR(p.scale * 1280, p.width, 1.0);
  }
  const FramePlacement hd = PlaceFrame(1920, 1030, 1280, 720, true);
  EXPECT_EQ((std::array{hd.left, hd.width, hd.height}), (std::array{44, 1831, 1030}));
  EXPECT_DOUBLE_EQ(PlaceFrame(3840, 2160, 1280, 720, true).scale, 3.0);
  EXPECT_DOUBLE_EQ(PlaceFrame(640, 360, 1280, 720, true).scale, 0.5);
}

// Every view pixel is reached from the first window pixel that shows it, and every window
// pixel over the frame lands on the view pixel whose span holds it.
TEST(FrameFit, WindowAndViewPointsMapBothWays) {
  for (const Size client : {Size{1920, 1030}, Size{2560, 1390}, Size{3840, 2160}, Size{1300, 740}}) {
    const FramePlacement p = PlaceFrame(client.width, client.height, 1280, 720, true);
    SCOPED_TRACE(p.scale);
    for (int x = 0; x < 1280; ++x) {
      const Point w = ViewToWindow(p, x, x % 720);
      ASSERT_EQ(WindowToView(p, w.x, w.y), (Point{x, x % 720}));
    }
    for (int wx = p.left; wx < p.left + p.width; ++wx) {
      const std::optional<Point> v = WindowToView(p, wx, p.top);
      ASSERT_TRUE(v) << wx;
      EXPECT_LE(ViewToWindow(p, v->x, 0).x, wx);
      EXPECT_GT(ViewToWindow(p, v->x + 1, 0).x, wx);
    }
  }
}

TEST(FrameFit, TheMarginsMapToNothingAndUnfittedIsOneToOne) {
  const FramePlacement p = PlaceFrame(1920, 1030, 1280, 720, true);
  for (auto [x, y] : {std::pair<double, double>{p.left - 1, 500}, {p.left + p.width, 500}, {0, 0}, {1919, 1029}})
    EXPECT_FALSE(WindowToView(p, x, y)) << x << "," << y;
  // A release over the right margin still gives a point, beyond the frame's right edge.
  EXPECT_GE(WindowToViewUnbounded(p, 1919.0, 500.0).x, 1280);
  const FramePlacement tall = PlaceFrame(1000, 1200, 1280, 720, true);
  for (auto [y, inside] : {std::pair{tall.top - 1, false}, {tall.top + tall.height, false}, {tall.top, true}})
    EXPECT_EQ(WindowToView(tall, 500.0, y + 0.0).has_value(), inside) << y;
  // A window smaller than the frame: several view pixels share a window pixel.
  const FramePlacement small = PlaceFrame(640, 360, 1280, 720, true);
  EXPECT_EQ(WindowToView(small, 639.0, 359.0), (Point{1279, 719}));
  EXPECT_EQ(WindowToView(small, 0.0, 0.0), (Point{1, 1}));
  // An empty client area still gives a usable placement.
  const FramePlacement none = PlaceFrame(0, 0, 1280, 720, true);
  EXPECT_GT(none.scale, 0.0);
  // Without fitting the frame stays one to one at the top left.
  const FramePlacement u = PlaceFrame(1920, 1030, 1280, 720, false);
  EXPECT_DOUBLE_EQ(u.scale, 1.0);
  EXPECT_EQ((std::array{u.left, u.top}), (std::array{0, 0}));
  EXPECT_EQ(WindowToView(u, 1279.0, 719.0), (Point{1279, 719}));
  EXPECT_FALSE(WindowToView(u, 1280.0, 300.0) || WindowToView(u, 10.0, 720.0));
  EXPECT_EQ(WindowToViewUnbounded(u, 1500.0, 900.0), (Point{1500, 900}));
}

// The canvas draws in logical (frame) coordinates into an image of the shown size.
TEST(CanvasScale, DrawsAtTheScaledSizeInLogicalCoordinates) {
  Canvas c(100, 50);
  c.SetScale(2.5);
  EXPECT_EQ((std::array{c.Width(), c.Height()}), (std::array{100, 50}));
  EXPECT_EQ(CanvasImage(c).size(), QSize(250, 125));
  c.BeginFrame();
  c.FillRect(Rect{0, 0, 100, 50}, Rgb(255, 255, 255));
  const Color red = Rgb(255, 0, 0);
  c.FillRect(Rect{10, 10, 20, 20}, red);
  for (auto [x, inside] : {std::pair{10, true}, {19, true}, {20, false}, {9, false}})
    EXPECT_EQ(c.GetPixel(x, x) == red, inside) << x;
  for (auto [x, inside] : {std::pair{25, true}, {49, true}, {50, false}})
    EXPECT_EQ(QColor(CanvasImage(c).pixel(x, x)) == QColor(Qt::red), inside) << x;

  const Color blue = Rgb(0, 0, 255);
  // A one-pixel line is one logical pixel thick: two or three device pixels here.
  c.SetPen(blue, 1);
  c.MoveTo(0, 40);
  c.LineTo(100, 40);
  int thick = 0;
  for (int y = 90; y < 110; ++y) thick += QColor(CanvasImage(c).pixel(125, y)) == QColor(Qt::blue);
  EXPECT_GE(thick, 2);
  EXPECT_LE(thick, 3);

  // The clip is in logical coordinates too.
  c.SetClip(Rect{60, 0, 70, 10});
  c.FillRect(Rect{50, 0, 100, 10}, red);
  c.ClearClip();
  EXPECT_EQ((std::array{c.GetPixel(65, 5) == red, c.GetPixel(75, 5) == red, c.GetPixel(55, 5) == red}),
            (std::array{true, false, false}));

  // Back to 1:1, the image is the logical size again; a nonsense scale means 1.
  for (double nonsense : {0.0, std::nan("")}) {
    c.SetScale(2.5);
    c.SetScale(nonsense);
    EXPECT_DOUBLE_EQ(c.Scale(), 1.0);
    EXPECT_EQ(CanvasImage(c).size(), QSize(100, 50));
  }
}

// The rows of device pixels holding a pixel darker than `grey`, and the count of such pixels.
std::pair<int, int> Ink(const Canvas& c, int grey) {
  const QImage& img = CanvasImage(c);
  int first = -1, last = -1, count = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, y)) < grey) ++count, last = y, first = first < 0 ? y : first;
  return {first < 0 ? 0 : last - first + 1, count};
}

// Text is drawn at the device size (not enlarged afterwards) and logged where the frame
// placed it.
TEST(CanvasScale, TextIsDrawnLargeAndLoggedInLogicalCoordinates) {
  Canvas one(120, 40), three(120, 40);
  three.SetScale(3.0);
  for (Canvas* c : {&one, &three}) {
    c->BeginFrame();
    c->FillRect(Rect{0, 0, 120, 40}, Rgb(255, 255, 255));
    c->SetFontSizes(16, 28, 12);
    c->SetTextColor(Rgb(0, 0, 0));
    c->TextOut(5, 7, "風ﾒｲﾝ");
  }
  ASSERT_EQ(three.TextLog().size(), 1u);
  EXPECT_EQ((std::array{three.TextLog()[0].x, three.TextLog()[0].y}), (std::array{5, 7}));
  EXPECT_EQ(three.TextWidth("風ﾒｲﾝ"), one.TextWidth("風ﾒｲﾝ"));
  const int small = Ink(one, 128).first;
  ASSERT_GT(small, 5);
  EXPECT_NEAR(Ink(three, 128).first, 3.0 * small, 0.25 * 3 * small);
  // Drawn at its size, the large text has solid black cores, not only the greys of an
  // enlarged small picture.
  EXPECT_GT(Ink(three, 40).second, 100);
}

TEST(FitToWindowCommand, CheckedByDefaultAndToggles) {
  World w;
  w.SailingState = 2;
  EXPECT_TRUE(EvaluateCommand(w, Cmd::kFitToWindow).enabled);
  for (int after : {0, 1}) {  // checked by default, then off, then on again
    EXPECT_EQ(EvaluateCommand(w, Cmd::kFitToWindow).checked, after == 0);
    w.RepaintSuspended = 1;
    ASSERT_TRUE(RunCommand(w, Cmd::kFitToWindow));
    EXPECT_EQ((std::array{w.FitToWindow, w.RepaintSuspended}), (std::array{after, 0}));
  }
}

TEST(SettingsLocation, TerminalKeepsTheCurrentDirectoryDesktopUsesTheDataFolder) {
  const char* home = "/home/u/.local/share/brisamar/op.bm";
  // A relative XDG_DATA_HOME ("data") is invalid and ignored.
  for (auto [desktop, data, user, path] :
       {std::tuple<bool, const char*, const char*, const char*>{false, "/data", "/home/u", "op.bm"},
        {true, "/data", "/home/u", "/data/brisamar/op.bm"}, {true, "/data/", "/home/u", "/data/brisamar/op.bm"},
        {true, nullptr, "/home/u", home}, {true, "", "/home/u", home}, {true, "data", "/home/u", home},
        {true, nullptr, nullptr, "op.bm"}, {true, "", "", "op.bm"}}) {
    EXPECT_EQ(SettingsFilePath(desktop, data, user), path) << (data ? data : "null");
  }
}

}  // namespace
