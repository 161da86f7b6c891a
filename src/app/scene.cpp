#include "app/scene.h"

#include "view3d/camera.h"
#include "view3d/palette.h"
#include "world/world.h"

void ComposeScene(World& w, Canvas& canvas, const Rect& scene) {
  canvas.SetClip(scene);

  UpdateViewDirection(w);
  SetSceneGeometry(w, scene);
  w.SkyHeight = w.CameraDistance < 4 ? w.ViewHeight / 10 : 0;

  canvas.FillRect(scene, w.Monochrome ? palette::kWaterMono : palette::kWater);

  // Three sky bands, each drawn over the top of the previous one.
  const bool grey = w.Monochrome == 1 || w.WeatherKind >= 3;
  const int top = scene.top;
  canvas.FillRect(Rect{scene.left, top, scene.right, top + w.SkyHeight},
                  grey ? palette::kSkyOvercast : palette::kSkyLow);
  canvas.FillRect(Rect{scene.left, top, scene.right, top + w.SkyHeight * 9 / 10},
                  grey ? palette::kSkyOvercast : palette::kSkyMid);
  canvas.FillRect(Rect{scene.left, top, scene.right, top + w.SkyHeight / 10},
                  grey ? palette::kSkyOvercast : palette::kSkyHigh);

  canvas.ClearClip();
}
