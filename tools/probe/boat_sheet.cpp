#include "boat_sheet.h"

#include <algorithm>
#include <vector>

#include "draw/palette.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"
#include "view3d/camera.h"

void DrawBoatSheet(World& w, Canvas& canvas) {
  canvas.Resize(w.ViewWidth, w.ViewHeight);
  canvas.BeginFrame();
  canvas.FillRect(Rect{0, 0, w.ViewWidth, w.ViewHeight}, palette::kWhite);
  const int bottom = static_cast<int>(w.ViewHeightF * 0.64);
  const Rect scene{0, 0, w.ViewWidth, bottom};
  UpdateViewDirection(w);
  SetSceneGeometry(w, scene);
  canvas.SetClip(scene);
  canvas.FillRect(scene, w.Monochrome ? palette::kWaterMono : palette::kWater);
  const int sky = w.CameraDistance < 4 ? w.ViewHeight / 10 : 0;
  canvas.FillRect(Rect{0, 0, w.ViewWidth, sky}, w.Monochrome ? palette::kWhite : palette::kSkyMid);

  struct Placed {
    int boat, x, y;
  };
  std::vector<Placed> boats;
  for (int b = 0; b <= std::min(w.BoatCount, kMaxBoats); ++b) {
    if (b == 0 && w.BoatX[0] == 0 && w.BoatY[0] == 0) continue;
    Project(w, 0, w.BoatX[b], w.BoatY[b]);
    boats.push_back({b, w.ProjectedX[0], w.ProjectedY[0]});
  }
  std::stable_sort(boats.begin(), boats.end(), [](const Placed& a, const Placed& b) { return a.y < b.y; });
  for (const Placed& p : boats) DrawBoat(w, canvas, p.x, p.y, p.boat, 1, bottom, w.SceneTop);
  canvas.ClearClip();
}
