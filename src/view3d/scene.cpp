#include "view3d/scene.h"

#include "boat/wave_crests.h"
#include "draw/palette.h"
#include "state/world.h"
#include "view3d/camera.h"
#include "view3d/indicators.h"
#include "view3d/landscape.h"
#include "view3d/race_overlays.h"
#include "view3d/scene_objects.h"
#include "view3d/water.h"

namespace {

void DrawSky(World& w, Canvas& canvas, const Rect& scene) {
  // Three bands, each drawn over the top of the previous one.
  const bool grey = w.Monochrome == 1 || w.WeatherKind >= 3;
  const int top = scene.top;
  canvas.FillRect(Rect{scene.left, top, scene.right, top + w.SkyHeight},
                  grey ? palette::kSkyOvercast : palette::kSkyLow);
  canvas.FillRect(Rect{scene.left, top, scene.right, top + w.SkyHeight * 9 / 10},
                  grey ? palette::kSkyOvercast : palette::kSkyMid);
  canvas.FillRect(Rect{scene.left, top, scene.right, top + w.SkyHeight / 10},
                  grey ? palette::kSkyOvercast : palette::kSkyHigh);
}

void DrawShoreline(World& w, Canvas& canvas) {
  int slot = 1;
  for (const ShoreRange& range : ShoreRangesInOrder(w)) {
    DrawShoreRange(w, canvas, w.SceneTop, range.first, range.last, slot++);
  }
}

}  // namespace

int LastWaveCrest(const World& w) { return WaveCrestCount(w) - 1; }

const char* WaveStateWord(int waveClass) {
  if (waveClass > 2) return "大波 ";
  if (waveClass == 2) return "小波  ";
  return "波なし";
}

void DrawWaveStateWord(World& w, Canvas& canvas, const Rect& scene) {
  const bool tall = w.LargeMenuFont == 1 || w.ViewWidth <= 700;
  const int y = scene.bottom - w.ViewHeight / (tall ? 30 : 40);
  canvas.SetTextColor(palette::Ink(w, palette::kWhite, palette::kBlack));
  canvas.TextOut(w.ViewWidth / 4, y, WaveStateWord(w.WaveClass));
}

void ComposeScene(World& w, Canvas& canvas, const Rect& scene) {
  canvas.SetClip(scene);

  UpdateViewDirection(w);
  SetSceneGeometry(w, scene);
  w.SkyHeight = w.CameraDistance < 4 ? w.ViewHeight / 10 : 0;

  canvas.FillRect(scene, palette::Ink(w, palette::kWater, palette::kWaterMono));
  DrawPuffs(w, canvas, scene);

  if (w.LessonIntroPending) {
    w.WaveClass = w.WindSpeed / 7;
    if (w.WaveClass > 1) {
      DrawLessonWavePattern(w, canvas, scene, true);
    } else if (!w.SimpleGraphics && w.SimSpeed < 12 && !w.Monochrome) {
      DrawLessonWavePattern(w, canvas, scene, false);
    }
  }
  if (!w.LessonIntroPending && !w.InstructionPage) DrawWaveCrests(w, canvas, LastWaveCrest(w), scene);

  DrawSky(w, canvas, scene);
  DrawClouds(w, canvas);
  DrawDistantHills(w, canvas);
  DrawInlandHills(w, canvas);
  DrawShoreline(w, canvas);

  DrawCourseOverlays(w, canvas, scene);
  DrawSceneObjects(w, canvas, scene);

  canvas.SetTextOpaque(false);
  // The indicators stand along the bottom of the scene, above the left end of the data panel.
  DrawViewIndicators(w, canvas, w.PanelLeft + 62, scene.bottom);
  if (!w.LessonIntroPending) DrawWaveStateWord(w, canvas, scene);
  canvas.SetTextOpaque(true);
  DrawMessageLine(w, canvas, 0);
  DrawMarkLine(w, canvas);

  canvas.ClearClip();
}
