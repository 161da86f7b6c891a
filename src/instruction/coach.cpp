#include "instruction/coach.h"

#include <algorithm>

#include "draw/palette.h"
#include "instruction/coach_texts.h"
#include "sim/activity_setup.h"
#include "sim/sail_lesson_scenes.h"
#include "state/activity.h"
#include "state/hull_class.h"
#include "state/pointer.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"

namespace {

constexpr int kCornerRadius = 50;
constexpr const char* kStoppedLine = "動作停止中  スペースバーを押して継続";
constexpr const char* kNextLabel = "次のﾄﾋﾟｯｸ";
constexpr const char* kLastSceneText = "前のﾄﾋﾟｯｸ";
constexpr const char* kBackLabel = "前へ";
constexpr const char* kEndLabel = "教習終了";

bool FramelessLesson(int m) { return m == Activity::kRacingRulesLesson || m == Activity::kTacticsLesson; }
bool PageLesson(int m) { return m == Activity::kTrafficRulesLesson || FramelessLesson(m); }

bool Moving(const World& w) { return w.BoatSpeedTenths[1] >= 1; }
bool Started(const World& w) { return w.BoatX[1] != 0 && w.BoatY[1] != 0; }
bool InIrons(const World& w) { return w.TrueWindAngles[1] < 30 && !Moving(w); }

void Add(std::vector<CoachLine>& out, const char* text, CoachInk ink = CoachInk::Navy) { out.push_back({text, ink}); }
template <size_t N>
void AddAll(std::vector<CoachLine>& out, const char* const (&texts)[N], CoachInk ink = CoachInk::Navy) {
  for (const char* t : texts) Add(out, t, ink);
}

void AddInIronsAdvice(const World& w, std::vector<CoachLine>& out) {
  AddAll(out, kInIronsRecovery);
  if (w.HullClass > Hull::kSingleHander) AddAll(out, kInIronsJib);
}

void SteeringAdvice(const World& w, std::vector<CoachLine>& out) {
  AddAll(out, kSteeringLines);
  if (w.Difficulty > 1) Add(out, kSteeringWindLine);
  if (!Started(w)) return;
  for (int i = 0; i < kSteeringFindingCount; ++i) {
    const CoachFinding& f = kSteeringFindings[i];
    if (f.holds(w)) {
      for (const char* t : f.lines) Add(out, t, CoachInk::Maroon);
    }
  }
}

void UpwindAdvice(const World& w, std::vector<CoachLine>& out) {
  if (Moving(w)) {
    AddAll(out, kUpwindTechnique);
    if (w.HelmSign < 1) {
      AddAll(out, kUpwindTackTiller);
    } else {
      AddAll(out, kUpwindTackWheel);
    }
    if (!w.AutopilotOff) Add(out, kUpwindAutopilotLine);
  }
  if (!Started(w) || w.SimSeconds < 2) return;
  if (w.JibState < 0 && w.HullClass >= Hull::kTwoPerson && Moving(w)) {
    Add(out, "ジブの風下側の風糸が上にあがっている。風上に向ける。", CoachInk::Maroon);
  }
  if (w.JibState >= 6) Add(out, "ジブの風上側の風糸が大きく上にあがっている。風下に向ける。", CoachInk::Maroon);
  if (w.HeelAngles[1] > w.MaxHeel + 1) Add(out, "オーバーヒール", CoachInk::Maroon);
  if (InIrons(w)) {
    Add(out, "風位に立ってバックしている。", CoachInk::Maroon);
    AddInIronsAdvice(w, out);
  }
}

void SailSceneAdvice(const World& w, const SailScene& scene, std::vector<CoachLine>& out) {
  Add(out, scene.title, CoachInk::Maroon);
  for (const char* t : scene.optimum) Add(out, t);
  for (const CoachFinding& f : scene.findings) {
    if (f.holds(w)) {
      for (const char* t : f.lines) Add(out, t);
    }
  }
}

int TextX(const CoachBox& box) { return box.left + 20; }

Color InkColour(const World& w, CoachInk ink) {
  switch (ink) {
    case CoachInk::Maroon: return palette::Ink(w, palette::kMaroon, palette::kBlack);
    case CoachInk::Red: return palette::Ink(w, palette::kRed, palette::kBlack);
    case CoachInk::Teal: return palette::Ink(w, palette::kTeal, palette::kBlack);
    case CoachInk::Blue: return palette::Ink(w, palette::kBlue, palette::kBlack);
    case CoachInk::Navy: break;
  }
  // The box's own dark blue stays on a monochrome display.
  return palette::kNavy;
}

void WriteLines(const World& w, Canvas& c, const std::vector<CoachLine>& lines, int x, int y, int L) {
  for (const CoachLine& line : lines) {
    if (!line.text.empty()) {
      c.SetTextColor(InkColour(w, line.ink));
      c.TextOut(x, y, line.text);
    }
    y += L;
  }
}

void DrawButton(const World& w, Canvas& c, const Rect& r, const char* label) {
  const int radius = w.ViewWidth >= 750 ? 15 : 10;
  c.SetPen(palette::kBlack);
  c.SetBrush(palette::Ink(w, palette::kLightGrey, palette::kWhite));
  c.RoundRect(r.left, r.top, r.right, r.bottom, radius, radius);
  c.SetTextOpaque(false);
  c.SetTextColor(palette::kBlack);
  c.TextOut(r.left + (r.right - r.left - c.TextWidth(label)) / 2, r.top + (r.bottom - r.top - c.LineHeight()) / 2, label);
  c.SetTextOpaque(true);
}

// Boat b's label beside its point on the screen, while the boat is in sight below the box.
void DrawVesselLabel(const World& w, Canvas& c, const CoachBox& box, int b, const char* label) {
  if (!label) return;
  const int x = w.ProjectedX[10 + b], y = w.ProjectedY[10 + b];
  if (!BoatInSight(w, b, x, y, w.SceneBottom) || y <= box.bottom) return;
  const Point p = TrafficLabelPoint(w, x, y);
  c.TextOut(p.x, p.y, label);
}

}  // namespace

Point TrafficLabelPoint(const World& w, int x, int y) {
  const int L = CoachLineHeight(w);
  return Point{x + L, y + L / 2};
}

void DrawTrafficLabels(const World& w, Canvas& c) {
  if (!IsTrafficScene(w.ActivityMode, w.LessonChoice)) return;
  const TrafficScene& s = kTrafficScenes[w.LessonChoice - 1];
  const CoachBox box = CoachBoxFor(w);
  c.SetFont(FontRole::Normal);
  c.SetTextOpaque(true);
  c.SetBackColor(palette::kWhite);
  c.SetTextColor(InkColour(w, CoachInk::Navy));
  DrawVesselLabel(w, c, box, 1, s.ownLabel);
  DrawVesselLabel(w, c, box, 2, s.otherLabel);
}

int CoachLineHeight(const World& w) { return w.ViewWidth < 700 ? 15 : 18; }

CoachBox CoachBoxFor(const World& w) {
  const int W = w.ViewWidth, H = w.ViewHeight, m = w.ActivityMode;
  CoachBox box{10, 10, W * 11 / 12, H / 2 + 12, true};
  // The page lessons keep their strip along the top even while their introduction is pending:
  // the traffic-rules scenes are sailed below it.
  if (PageLesson(m)) {
    box = {6, 1, W - 3, H / 3 + 16, !FramelessLesson(m)};
  } else if (w.LessonIntroPending == 1) {
    box = {W * 11 / 21 - 17, 10, W - 12, 218, true};
  } else if (IsRace(m)) {
    box.bottom = w.SceneBottom - CoachLineHeight(w);
  }
  // The sail-shape lesson sails its whole course on its introduction; its optimum lines need
  // the taller box.
  if (m == Activity::kSailShapeLesson) box.bottom = H / 2;
  return box;
}

int CoachTextTop(const World& w) {
  const int m = w.ActivityMode;
  if (PageLesson(m)) return 4;
  if (m == Activity::kUpwind) return 16;
  return 25;
}

CoachButtons CoachButtonsFor(const World& w) {
  const CoachBox box = CoachBoxFor(w);
  const int L = CoachLineHeight(w);
  const int bottom = box.bottom - L * 3 / 2, top = bottom - L - 4;
  const int width = std::min(w.ViewWidth >= 750 ? 110 : 80, (box.right - box.left - 60) / 3 - 8);
  const int centre = (box.left + box.right) / 2;
  CoachButtons b;
  b.next = Rect{box.left + 30, top, box.left + 30 + width, bottom};
  b.back = Rect{centre - width / 2, top, centre + width / 2, bottom};
  b.end = Rect{box.right - 30 - width, top, box.right - 30, bottom};
  b.nextShown = w.LessonChoice < LastSailScene(w.ActivityMode);
  return b;
}

int CoachOptionRowY(const World& w) { return CoachBoxFor(w).bottom - 6 * CoachLineHeight(w); }

bool CoachShowsOptions(const World& w) { return !IsSailLesson(w.ActivityMode); }

std::vector<CoachLine> CoachAdvice(const World& w) {
  std::vector<CoachLine> out;
  const int m = w.ActivityMode, scene = w.LessonChoice;
  switch (m) {
    case Activity::kFreeSailing: Add(out, "セーリングではコーチはない  幸運を祈る！"); break;
    case Activity::kSteering: SteeringAdvice(w, out); break;
    case Activity::kUpwind: UpwindAdvice(w, out); break;
    case Activity::kMooring:
      AddAll(out, kBuoyApproach);
      AddAll(out, kInIronsRecovery);
      AddAll(out, kBuoyCloseHauledLines);
      break;
    case Activity::kDocking: AddAll(out, kPierLines); break;
    case Activity::kManOverboard: AddAll(out, kManOverboardLines); break;
    case Activity::kTrafficRulesLesson:
      if (scene >= 1 && scene <= 4) {
        const TrafficScene& s = kTrafficScenes[scene - 1];
        Add(out, s.lines[0], CoachInk::Maroon);
        for (int i = 1; s.lines[i]; ++i) Add(out, s.lines[i]);
      }
      break;
    case Activity::kCollisionAvoidance: AddAll(out, kCollisionLines); break;
    case Activity::kSailTrimLesson:
      if (scene >= 1 && scene <= LastSailScene(m)) SailSceneAdvice(w, kSailTrimScenes[scene - 1], out);
      break;
    case Activity::kSailShapeLesson:
      if (scene >= 1 && scene <= LastSailScene(m)) SailSceneAdvice(w, kSailShapeScenes[scene - 1], out);
      break;
    default: break;
  }
  return out;
}

void TakeCoachButtonClick(World& w) {
  if (w.CoachShown == 0 || !IsSailLesson(w.ActivityMode)) return;
  const CoachButtons b = CoachButtonsFor(w);
  if (b.nextShown && TakeClick(w, b.next.left, b.next.top, b.next.right, b.next.bottom)) {
    w.LessonChoice += 1;
    SetUpActivity(w);
  } else if (TakeClick(w, b.back.left, b.back.top, b.back.right, b.back.bottom)) {
    w.LessonChoice = std::max(0, w.LessonChoice - 1);
    SetUpActivity(w);
  } else if (TakeClick(w, b.end.left, b.end.top, b.end.right, b.end.bottom)) {
    w.ResultsShown = 1;
    w.InstructionPage = 0;
  }
}

void DrawCoach(const World& w, Canvas& c) {
  const CoachBox box = CoachBoxFor(w);
  const int L = CoachLineHeight(w);
  c.SetFont(FontRole::Normal);
  if (box.framed) {
    c.SetPen(palette::kBlack);
    c.SetBrush(palette::kWhite);
    c.RoundRect(box.left, box.top, box.right, box.bottom, kCornerRadius, kCornerRadius);
  }
  c.SetTextOpaque(true);
  c.SetBackColor(palette::kWhite);
  const int top = CoachTextTop(w);
  if (IsRace(w.ActivityMode)) {
    DrawTacticsCommentary(w, c, top, L, box.left);
  } else {
    WriteLines(w, c, CoachAdvice(w), TextX(box), top, L);
    DrawTrafficLabels(w, c);
  }
  if (w.LessonIntroPending != 1) {
    c.SetFont(FontRole::Normal);
    c.SetTextColor(palette::Ink(w, palette::kRed, palette::kBlack));
    c.TextOut(box.left + 25, box.bottom - L - 4, kStoppedLine);
  }
  if (IsSailLesson(w.ActivityMode)) {
    const CoachButtons b = CoachButtonsFor(w);
    if (b.nextShown) {
      DrawButton(w, c, b.next, kNextLabel);
    } else {
      c.SetTextColor(palette::Ink(w, palette::kRed, palette::kBlack));
      c.TextOut(b.next.left, b.next.top + 2, kLastSceneText);
    }
    DrawButton(w, c, b.back, kBackLabel);
    DrawButton(w, c, b.end, kEndLabel);
  }
}
