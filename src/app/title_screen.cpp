#include "app/title_screen.h"

#include "view3d/palette.h"
#include "world/world.h"

void DrawTitleScreen(World& w, Canvas& canvas) {
  w.SimSeconds = 0;
  w.FrameStartTick = NowMs(w);

  canvas.SetPen(palette::kBlack);
  canvas.SetBrush(palette::kWhite);
  canvas.Rectangle(0, 0, w.ViewWidth, w.ViewHeight);

  w.MinFrameMs = 100;
}
