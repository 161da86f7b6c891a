#include "instruction/tutorial_page.h"

#include <algorithm>
#include <cmath>

#include "draw/palette.h"
#include "instruction/boat_symbol.h"
#include "instruction/page_dispatcher.h"
#include "state/angles.h"
#include "state/pages.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"
#include "view3d/indicators.h"

namespace {

constexpr int kOffScreen = -1000;
constexpr Color kButtonFace = Rgb(0, 0, 96);
constexpr Color kZoneRing = Rgb(255, 255, 160);
constexpr Color kStream = Rgb(120, 230, 230);
constexpr Color kCyan = Rgb(0, 255, 255);

Color Ink(const World& w, Color colour) { return palette::Ink(w, colour, palette::kBlack); }

bool Inside(int x, int y, const Rect& r) { return r.left < x && x < r.right && r.top < y && y < r.bottom; }

bool Narrow(const World& w) { return w.ViewWidth < 700 || (w.ViewWidth < 900 && w.LargeMenuFont); }

Point At(const World& w, double fx, double fy) {
  return Point{static_cast<int>(fx * w.ViewWidth), static_cast<int>(fy * w.ViewHeight)};
}

void DrawText(const World& w, Canvas& c, const std::vector<std::string>& lines) {
  const int spacing = w.ViewWidth < 700 ? 16 : 20;
  c.SetTextOpaque(false);
  c.SetTextColor(Ink(w, palette::kMaroon));
  c.TextOut(20, 2, lines.front());
  const int count = static_cast<int>(lines.size());
  for (int i = 1; i < count; ++i) {
    c.SetTextColor(Ink(w, i >= count - 3 && count > 4 ? palette::kDarkGreen : palette::kNavy));
    c.TextOut(14, 2 + spacing * i, lines[i]);
  }
}

void DrawAdvanceButton(World& w, Canvas& c, int h) {
  const int y = w.AdvanceButtonY;
  c.SetPen(palette::kGrey);
  c.SetBrush(palette::Ink(w, kButtonFace, palette::kWhite));
  c.Rectangle(0, y, w.ViewWidth / 3 + 4, y + h + 3);
  const bool last = w.TutorialStep >= w.TutorialStepCount;
  c.SetTextOpaque(false);
  c.SetTextColor(Ink(w, last ? kCyan : palette::kYellow));
  c.TextOut(4, y + 2, last ? " 艇を元に戻すにはここをクリック " : " 艇をすすめるにはここをクリック ");
}

// The frame's buttons: next topic, back, end of the lesson. A latched click strictly inside one
// acts on it.
void DrawPageFrame(World& w, Canvas& c, const TutorialPage& page, int frameY, int h, bool hint) {
  const int W = w.ViewWidth;
  const int page0 = w.InstructionPage;
  const bool narrow = Narrow(w);
  c.SetTextOpaque(false);
  if (hint) {
    c.SetTextColor(Ink(w, palette::kRed));
    c.TextOut(3, w.AdvanceButtonY - h, "艇をすすめるためには下のﾎﾞﾀﾝをｸﾘｯｸ");
  }
  const int top = frameY;
  const int bottom = frameY + h;
  auto button = [&](const Rect& r, const char* label) {
    c.SetPen(Ink(w, palette::kNavy));
    c.SetBrush(palette::Ink(w, palette::kLightGrey, palette::kWhite));
    c.RoundRect(r.left, r.top, r.right, r.bottom, 10, 10);
    c.SetTextColor(Ink(w, palette::kNavy));
    c.TextOut(r.left + std::max(4, (r.Width() - c.TextWidth(label)) / 2), r.top + 1, label);
  };

  const Rect next{W / 2 + 20, top, W / 2 + (W < 701 ? 90 : 120), bottom};
  const int centre = (W / 2 + W) / 2;
  const Rect back{centre - 50, top, centre + (W >= 701 ? 50 : 20), bottom};
  const Rect end{W - 120, top, W - (W < 701 ? 50 : 20), bottom};
  if (IsLastTopic(page.page)) {
    c.SetTextColor(Ink(w, palette::kRed));
    c.TextOut(next.left, top + 1, "最後のﾄﾋﾟｯｸ");
  } else {
    button(next, narrow ? "次" : "次のﾄﾋﾟｯｸ");
  }
  button(back, narrow ? "戻る" : "前へ");
  button(end, narrow ? "終了" : "教習終了");

  const int x = w.ClickX, y = w.ClickY;
  if (!IsLastTopic(page.page) && Inside(x, y, next)) {
    w.InstructionPage = NextTopicPage(page0);
    w.TutorialStep = 0;
    w.ClickY = -1;
  } else if (Inside(x, y, back)) {
    w.InstructionPage = PreviousTopicPage(page0);
    w.TutorialStep = 0;
    w.ClickY = -1;
  } else if (Inside(x, y, end)) {
    w.InstructionPage = 0;
    w.ResultsShown = 1;
    w.ClickY = -1;
  }
}

void DrawFigure(World& w, Canvas& c, const Figure& f, int wind) {
  const Point p = At(w, f.x, f.y);
  const int r = std::max(4, w.ViewHeight / 90);
  switch (f.kind) {
    case FigureKind::Mark:
      c.SetPen(palette::kBlack);
      c.SetBrush(palette::Ink(w, palette::kMarkOrange, palette::kWhite));
      c.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
      break;
    case FigureKind::Zone: {
      // The zone is a circle on the water: seen at a slant it is an ellipse.
      const int rx = static_cast<int>(f.x2 * w.ViewWidth);
      c.SetPen(Ink(w, kZoneRing));
      c.SetHollowBrush();
      c.Ellipse(p.x - rx, p.y - rx * 6 / 10, p.x + rx, p.y + rx * 6 / 10);
      break;
    }
    case FigureKind::Committee: {
      const int saved = w.WindDirection, mode = w.IllustrationMode, view = w.ViewDirection;
      w.WindDirection = wind;
      w.IllustrationMode = 2;
      w.ViewDirection = 0;
      DrawBoat(w, c, p.x, p.y, 0, 1, w.ViewHeight, w.AdvanceButtonY);
      w.WindDirection = saved;
      w.IllustrationMode = mode;
      w.ViewDirection = view;
      break;
    }
    case FigureKind::Obstruction: {
      const Point q = At(w, f.x2, f.y2);
      c.SetPen(palette::Ink(w, palette::kShoreEdge, palette::kBlack), 2);
      c.SetBrush(palette::Ink(w, palette::kLandGreen, palette::kLightGrey));
      c.Rectangle(p.x, p.y, q.x, q.y);
      break;
    }
    case FigureKind::Line: {
      const Point q = At(w, f.x2, f.y2);
      c.SetPen(Ink(w, palette::kWhite));
      const int n = 24;
      for (int i = 0; i < n; i += 2) {
        c.MoveTo(p.x + (q.x - p.x) * i / n, p.y + (q.y - p.y) * i / n);
        c.LineTo(p.x + (q.x - p.x) * (i + 1) / n, p.y + (q.y - p.y) * (i + 1) / n);
      }
      break;
    }
    case FigureKind::Current: {
      const Point q = At(w, f.x2, f.y2);
      c.SetPen(Ink(w, kStream), 2);
      c.MoveTo(p.x, p.y);
      c.LineTo(q.x, q.y);
      const double a = std::atan2(q.y - p.y, q.x - p.x);
      for (double side : {2.6, -2.6}) {
        c.MoveTo(q.x, q.y);
        c.LineTo(q.x + static_cast<int>(12 * std::cos(a + side)), q.y + static_cast<int>(12 * std::sin(a + side)));
      }
      break;
    }
  }
}

void DrawSea(World& w, Canvas& c, const TutorialPage& page, int h) {
  const int W = w.ViewWidth, H = w.ViewHeight;
  const TutorialStep& step = page.steps[std::clamp(w.TutorialStep, 0, w.TutorialStepCount)];
  c.SetNullPen();
  c.SetBrush(palette::Ink(w, palette::kWater, palette::kWaterMono));
  c.Rectangle(0, w.AdvanceButtonY, W, H);
  for (const Figure& f : page.figures) DrawFigure(w, c, f, step.wind);

  // Farther boats first, so that nearer ones cover them.
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(step.boats.size()); ++i) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return step.boats[a].y < step.boats[b].y; });
  for (int i : order) {
    const BoatAt& b = step.boats[i];
    if (b.flags & kHidden) continue;
    const Point p = At(w, b.x, b.y);
    if (b.flags & kMotor) {
      DrawMotorVesselSymbol(w, c, p.x, p.y, b.heading, H, w.AdvanceButtonY);
      continue;
    }
    BoatPose pose;
    pose.heading = b.heading;
    pose.wind = step.wind;
    pose.speedTenths = b.flags & kSlow ? 5 : 60;
    pose.spinnaker = (b.flags & kSpinnaker) != 0;
    DrawBoatSymbol(w, c, i + 1, p.x, p.y, pose, H, w.AdvanceButtonY);
  }
  // Names go on after every boat, so that no sail covers them.
  c.SetTextOpaque(true);
  c.SetBackColor(palette::kWhite);
  c.SetTextColor(Ink(w, palette::kNavy));
  for (int i : order) {
    const BoatAt& b = step.boats[i];
    if ((b.flags & kHidden) || i >= static_cast<int>(page.names.size())) continue;
    const Point p = At(w, b.x, b.y);
    const char* name = w.TutorialStep == 0 ? page.names[i].label : page.names[i].letter;
    const int x = std::min(p.x + W / 40, W - 4 - c.TextWidth(name));
    c.TextOut(x, p.y + h / 2, name);
  }
  c.SetTextOpaque(false);
  c.SetTextColor(Ink(w, palette::kWhite));
  if (step.caption && *step.caption) c.TextOut(10, w.AdvanceButtonY + h + 10, step.caption);

  // The lesson dial turns the other way from a north-up picture; it is handed the mirrored
  // bearing so that its arrow points where the page's wind comes from.
  const int saved = w.WindDirection;
  w.WindDirection = NormalizeDegrees(-step.wind);
  c.SetFont(FontRole::Small);
  DrawWindIndicator(w, c, kTrueWindDial, 1, W - 110, w.AdvanceButtonY + 45 + H / 30);
  c.SetFont(FontRole::Normal);
  w.WindDirection = saved;
}

}  // namespace

int NextTopicPage(int page) {
  int next = page + 1;
  if (next == 105) next = 106;
  if (next == Page::kLastRacingRules + 1) next = Page::kLastRacingRules;
  if (next == Page::kLastTrafficRules + 1) next = Page::kLastTrafficRules;
  if (next == Page::kLastTactics + 1) next = Page::kLastTactics;
  return next;
}

int PreviousTopicPage(int page) {
  int back = page - 1;
  if (back == 105) back = 104;
  if (back == Page::kRacingRulesBase) back = Page::kFirstRacingRules;
  if (back == Page::kTrafficRulesBase) back = Page::kFirstTrafficRules;
  if (back == Page::kTacticsBase) back = Page::kFirstTactics;
  return back;
}

bool IsLastTopic(int page) {
  return page == Page::kLastRacingRules || page == Page::kLastTrafficRules || page == Page::kLastTactics;
}

const TutorialPage* FindTutorialPage(int page) {
  for (const auto* set : {&RacingRulesPages(), &TrafficRulesPages(), &TacticsPages()}) {
    for (const TutorialPage& p : *set) {
      if (p.page == page) return &p;
    }
  }
  return nullptr;
}

int TutorialWindDirection(int page, int step) {
  const TutorialPage* p = FindTutorialPage(page);
  if (p == nullptr || p->steps.empty()) return -1;
  return NormalizeDegrees(p->steps[std::clamp(step, 0, static_cast<int>(p->steps.size()) - 1)].wind);
}

void DrawTutorialPage(World& w, Canvas& c, const TutorialPage& page) {
  const int h = PageLineHeight(w);
  const bool scene = !page.steps.empty();
  c.SetFont(FontRole::Normal);
  // A page of text has no sea and no advance button; its frame sits low on the page.
  const int buttonY = static_cast<int>((scene ? 0.4 : 0.85) * w.ViewHeight);
  w.AdvanceButtonY = scene ? buttonY : kOffScreen;
  w.TutorialStepCount = scene ? static_cast<int>(page.steps.size()) - 1 : 0;
  w.TutorialStep = std::clamp(w.TutorialStep, 0, w.TutorialStepCount);

  DrawText(w, c, page.lines);
  if (scene) {
    const int savedCamera = w.CameraDistance;
    const bool tactics = page.page > Page::kTacticsBase;
    if (!tactics) w.CameraDistance = 3;
    DrawSea(w, c, page, h);
    DrawAdvanceButton(w, c, h);
    if (!tactics) w.CameraDistance = savedCamera;
  }
  const bool hint = scene && !(page.page >= 509 && page.page <= 512) && page.page != Page::kLastRacingRules;
  const int frameY = w.ViewWidth > 700 ? buttonY - 3 * h / 2 : buttonY - h;
  DrawPageFrame(w, c, page, frameY, h, hint);
}
