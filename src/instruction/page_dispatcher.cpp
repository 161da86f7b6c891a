#include "instruction/page_dispatcher.h"

#include "draw/palette.h"
#include "instruction/instruction_boxes.h"
#include "state/world.h"

namespace {

void DrawContinueLine(World& w, Canvas& c, const Rect& box, int lineHeight) {
  c.SetTextOpaque(false);
  c.SetTextColor(w.Monochrome ? palette::kBlack : palette::kRed);
  c.TextOut(box.left + 10, box.bottom - 4 * lineHeight / 3,
            w.LessonIntroPending ? "スペースバーを押して継続" : "動作停止中  スペースバーを押して継続");
}

void DrawInstructionBox(World& w, Canvas& c) {
  // In the sail-shape lesson a chosen scene is explained by the coach box instead.
  if (w.ActivityMode == 11 && w.LessonChoice > 0) return;
  if (!HasInstructionBox(w.ActivityMode)) return;

  const int lineHeight = PageLineHeight(w);
  const Rect box = InstructionBoxRect(w);
  c.SetClip(Rect{0, 0, w.ViewWidth, w.ViewHeight});
  c.SetFont(FontRole::Normal);
  c.SetPen(w.Monochrome ? palette::kBlack : palette::kNavy);
  c.SetBrush(palette::kWhite);
  c.RoundRect(box.left, box.top, box.right, box.bottom, 50, 50);

  // The text stops above the continue line rather than run over it on a small screen.
  c.SetClip(Rect{box.left, box.top, box.right, box.bottom - 4 * lineHeight / 3});
  c.SetTextOpaque(false);
  c.SetTextColor(w.Monochrome ? palette::kBlack : palette::kNavy);
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

void DrawInstructionPage(World& w, Canvas& c) {
  if (w.InstructionPage >= 1 && w.InstructionPage <= 100) DrawInstructionBox(w, c);
}
