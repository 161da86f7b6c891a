// The canvas's retained parts: drawing only what changed must give the same pixels as drawing
// everything, frame after frame, whatever the user does.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/canvas_qt.h"
#include "probe_runner.h"

namespace {

// Two sessions fed the same lines, one canvas drawing everything every frame.
class SideBySide {
 public:
  explicit SideBySide(double scale) : retained_(ProbeOptions{}), full_(ProbeOptions{}) {
    full_.canvas().SetRetaining(false);
    retained_.canvas().SetScale(scale);
    full_.canvas().SetScale(scale);
  }

  // Runs the script line by line, painting frame by frame; true while every frame matches.
  bool Run(const std::string& script) {
    std::istringstream in(script);
    std::string line;
    while (std::getline(in, line)) {
      int count = 0;
      if (std::sscanf(line.c_str(), "frames %d", &count) == 1) {
        for (int i = 0; i < count; ++i) {
          retained_.Paint();
          full_.Paint();
          if (!Same(line)) return false;
        }
        continue;
      }
      std::ostringstream ignored;
      retained_.RunLine(line, ignored);
      full_.RunLine(line, ignored);
      if (!Same(line)) return false;
    }
    return true;
  }

 private:
  bool Same(const std::string& line) {
    ++steps_;
    const QImage& a = CanvasImage(retained_.canvas());
    const QImage& b = CanvasImage(full_.canvas());
    if (a == b) return true;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) {
        if (a.pixel(x, y) != b.pixel(x, y)) {
          ADD_FAILURE() << "step " << steps_ << " (" << line << "): first difference at device pixel " << x << ","
                        << y;
          return false;
        }
      }
    }
    ADD_FAILURE() << "images differ in size at step " << steps_;
    return false;
  }

  ProbeSession retained_;
  ProbeSession full_;
  int steps_ = 0;
};

// A 10-boat race, 1:1 and scaled: the pointer over the steering zone and the control buttons
// (the help line changes), a click on a button, the chart and back, the coach over the panel, a
// drag on a sheet bar. Free sailing among the islands with the vertical steering zone; a sail
// lesson, whose panel starts at the left edge.
TEST(RetainedDrawing, PartsDrawnAgainOnlyWhereChangedMatchAFullDrawing) {
  const std::string race =
      "command 32822;command 32824;key SPACE;frames 3;key SPACE;frames 20;move 640 700;frames 30;"
      "move 860 520;frames 5;move 900 560;frames 5;press 900 560;release 900 560;frames 10;key R;"
      "frames 3;key R;frames 5;key Y;frames 5;key Y;frames 5;move 200 600;frames 10;move 20 300;"
      "press 20 300;move 20 340;release 20 340;frames 60";
  const std::string islands =
      "command 32807;set VerticalSteeringZone 1;key SPACE;frames 3;key SPACE;frames 20;move 300 500;"
      "frames 20;key Y;frames 10;key Y;frames 10";
  const std::string lesson = "command 32811;key SPACE;frames 3;key 1;frames 20;key PERIOD;frames 20";
  for (const auto& [script, scale] : {std::pair{race, 1.0}, {race, 1.37}, {islands, 1.0}, {lesson, 1.0}}) {
    std::string lines = script;
    std::replace(lines.begin(), lines.end(), ';', '\n');
    SideBySide run(scale);
    EXPECT_TRUE(run.Run(lines)) << script.substr(0, 14) << " at scale " << scale;
  }
}

// Random drawings of every kind on each part's own ground, a few calls changed each frame,
// drawing at once over the parts, frames that leave them out: the pixels must match a canvas
// that draws everything, 1:1 and scaled, wherever a call is drawn again only in part.
TEST(RetainedDrawing, RandomCallsMatchAFullDrawing) {
  struct Call {
    int kind;
    std::array<int, 8> v;
    Color color;
    bool flag;
  };
  std::mt19937 rng(7);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto randomCall = [&] {
    Call c{pick(11), {}, Rgb(pick(256), pick(256), pick(256)), pick(2) == 1};
    for (int& x : c.v) x = pick(120) - 10;
    return c;
  };
  auto draw = [](Canvas& canvas, const Call& c) {
    const auto& v = c.v;
    canvas.SetPen(c.color, 1 + std::abs(c.v[7]) % 5);
    canvas.SetBrush(Rgb(c.color.b, c.color.r, c.color.g));
    canvas.SetSeeThrough(c.kind == 4 && c.flag);
    const Point points[4] = {{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}, {v[6], v[7]}};
    switch (c.kind) {
      case 0: canvas.FillRect(Rect{v[0], v[1], v[0] + v[2] / 3, v[1] + v[3] / 3}, c.color); break;
      case 1: canvas.Rectangle(v[0], v[1], v[2], v[3]); break;
      case 2: canvas.RoundRect(v[0], v[1], v[2], v[3], 8, 6); break;
      case 3: canvas.Ellipse(v[0], v[1], v[2], v[3]); break;
      case 4: canvas.Polygon(points, 4); break;
      case 5: canvas.Polyline(points, 4); break;
      case 6: canvas.MoveTo(v[0], v[1]); canvas.LineTo(v[2], v[3]); break;
      case 7: canvas.Pie(v[0], v[1], v[0] + 30, v[1] + 20, v[4], v[5], v[6], v[7]); break;
      case 8: canvas.Arc(v[0], v[1], v[0] + 40, v[1] + 25, v[4], v[5], v[6], v[7]); break;
      case 9: canvas.SetPixel(v[0], v[1], c.color); break;
      default:
        canvas.SetTextOpaque(c.flag);
        canvas.SetTextColor(c.color);
        canvas.SetBackColor(Rgb(c.color.g, c.color.b, c.color.r));
        canvas.TextOut(v[0], v[1], v[2] > 50 ? "速度 : 2.6" : "ﾋｰﾙ");
        break;
    }
    canvas.SetSeeThrough(false);
  };
  for (double scale : {1.0, 1.37}) {
    Canvas retained(100, 100), full(100, 100);
    full.SetRetaining(false);
    retained.SetScale(scale);
    full.SetScale(scale);
    std::vector<Call> first(40), second(25), over(3);
    for (auto* calls : {&first, &second, &over}) {
      for (Call& c : *calls) c = randomCall();
    }
    for (int frame = 0; frame < 150; ++frame) {
      for (auto* calls : {&first, &second, &over}) {
        if (pick(3) == 0) (*calls)[pick(static_cast<int>(calls->size()))] = randomCall();
      }
      const bool clipSecond = frame % 7 < 3;
      for (Canvas* canvas : {&retained, &full}) {
        canvas->BeginFrame();
        canvas->FillRect(Rect{0, 0, 100, 30 + frame % 9}, Rgb(0, 90, 160));
        // Now and then a frame leaves the parts out and draws over them.
        if (frame % 13 == 7) {
          canvas->FillRect(Rect{0, 40, 100, 60}, Rgb(255, 0, 0));
          continue;
        }
        canvas->BeginRetained(0);
        canvas->FillRect(Rect{0, 0, 100, 100}, Rgb(250, 250, 250));
        for (const Call& c : first) draw(*canvas, c);
        // Now and then a drawing between the two parts splits them into two groups.
        if (frame % 11 == 4) {
          canvas->EndRetained();
          canvas->SetPixel(0, 0, Rgb(0, 0, 0));
        }
        canvas->BeginRetained(1);
        canvas->FillRect(Rect{10, 50, 90, 95}, Rgb(200, 230, 240));
        if (clipSecond) canvas->SetClip(Rect{20, 20, 80, 70});
        for (const Call& c : second) draw(*canvas, c);
        canvas->ClearClip();
        canvas->EndRetained();
        if (frame % 5 != 0) {
          for (const Call& c : over) draw(*canvas, c);
        }
      }
      ASSERT_EQ(CanvasImage(retained), CanvasImage(full)) << "scale " << scale << " frame " << frame;
    }
  }
}

}  // namespace
