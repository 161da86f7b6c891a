#include "instruction/page_dispatcher.h"

#include "draw/palette.h"
#include "instruction/help_pages.h"
#include "instruction/instruction_boxes.h"
#include "instruction/tutorial_page.h"
#include "state/activity.h"
#include "state/pages.h"
#include "state/world.h"

namespace {

void DrawContinueLine(World& w, Canvas& c, const Rect& box, int lineHeight, bool opaque = false) {
  c.SetTextOpaque(opaque);
  c.SetTextColor(palette::Ink(w, palette::kRed, palette::kBlack));
  c.TextOut(box.left + 10, box.bottom - 4 * lineHeight / 3,
            w.LessonIntroPending ? "スペースバーを押して継続" : "動作停止中  スペースバーを押して継続");
}

void DrawInstructionBox(World& w, Canvas& c) {
  // In the sail-shape lesson a chosen scene is explained by the coach box instead.
  if (w.ActivityMode == Activity::kSailShapeLesson && w.LessonChoice > 0) return;
  if (!HasInstructionBox(w.ActivityMode)) return;

  const int lineHeight = PageLineHeight(w);
  const Rect box = InstructionBoxRect(w);
  c.SetClip(Rect{0, 0, w.ViewWidth, w.ViewHeight});
  c.SetFont(FontRole::Normal);
  c.SetPen(palette::Ink(w, palette::kNavy, palette::kBlack));
  c.SetBrush(palette::kWhite);
  c.RoundRect(box.left, box.top, box.right, box.bottom, 50, 50);

  // The text stops above the continue line rather than run over it on a small screen.
  c.SetClip(Rect{box.left, box.top, box.right, box.bottom - 4 * lineHeight / 3});
  c.SetTextOpaque(false);
  c.SetTextColor(palette::Ink(w, palette::kNavy, palette::kBlack));
  DrawActivityInstructions(w, c, box.left + 10, box.top + 12, lineHeight);

  c.SetClip(Rect{0, 0, w.ViewWidth, w.ViewHeight});
  DrawContinueLine(w, c, box, lineHeight);
  c.SetTextOpaque(true);
  c.ClearClip();
}

}  // namespace

int PageLineHeight(const World& w) { return w.ViewWidth <= 640 ? 15 : 18; }

Rect InstructionBoxRect(const World& w) {
  if (w.LessonIntroPending) return Rect{10, 10, w.ViewWidth - 15, w.ViewHeight / 2};
  // Before the first frame step (the chart shown from the start) the scene has no bottom yet.
  const int sceneBottom = w.SceneBottom > 10 ? w.SceneBottom : static_cast<int>(w.ViewHeightF * 0.64);
  return Rect{w.ViewWidth / 5, 10, w.ViewWidth - 13, sceneBottom - 5};
}

Rect PageArea(const World& w) {
  const bool lesson = IsLessonWithPages(w.ActivityMode);
  // Outside the lessons the screen explanation leaves the view it explains visible.
  const int bottom = w.InstructionPage == kScreenHelpPage && !lesson ? w.ViewHeight / 3 + 6 : w.ViewHeight;
  return Rect{0, 0, w.ViewWidth, bottom};
}

void DrawInstructionPage(World& w, Canvas& c) {
  const int page = w.InstructionPage;
  if (IsInstructionBox(page)) {
    DrawInstructionBox(w, c);
    return;
  }
  if (!IsTutorialPage(page)) return;

  const Rect area = PageArea(w);
  const int lineHeight = PageLineHeight(w);
  c.SetClip(area);
  c.SetFont(FontRole::Normal);
  c.SetNullPen();
  c.SetBrush(palette::kWhite);
  c.Rectangle(area.left, area.top, area.right, area.bottom);
  if (page > Page::kTacticsBase && page <= Page::kLastTactics) w.CameraDistance = 4;

  const bool helpOrGlossary = page >= Page::kFirstGlossary;
  if (const TutorialPage* tutorial = FindTutorialPage(page)) {
    DrawTutorialPage(w, c, *tutorial);
  } else if (helpOrGlossary) {
    DrawHelpOrGlossaryPage(w, c, area);
  }
  // The red line is the one thing every page shows, whatever its number.
  if (!(helpOrGlossary && w.LessonIntroPending)) {
    c.SetBackColor(palette::kWhite);
    DrawContinueLine(w, c, area, lineHeight, true);
  }
  c.SetTextOpaque(true);
  c.ClearClip();
}
