#include "app/scene.h"

#include "view3d/palette.h"
#include "world/world.h"

int HorizonRow(const World& w, int h, int bottom) {
  const int zoom = w.CameraDistance;
  int y = bottom - h / 10;
  if (zoom == 1) y += static_cast<int>(h * -0.33);
  if (zoom == 2) y -= h / 9;
  if (zoom == 3) y -= h / 7;
  if (zoom == 4) y -= h / 5;
  if (w.ViewHeight > 700 && zoom < 4) y -= h / 7;
  if (w.ViewHeight < 500 && zoom < 4) y += h / 6;
  if (zoom == 2) y -= h / 9;
  if (w.ViewWidth < 900 && w.LargeMenuFont) y -= h / 20;
  if (zoom == 1 && w.ViewWidth < 900) y -= h / 20;
  if (w.ViewWidth < 700) y -= h / 15;
  if ((w.ActivityMode == 2 || w.ActivityMode == 11) && zoom == 2) y += h / 30;
  return y;
}

void ComposeScene(World& w, Canvas& canvas, const Rect& scene) {
  canvas.SetClip(scene);

  w.HorizonY = HorizonRow(w, scene.Height(), scene.bottom);
  w.SceneTop = w.CameraDistance < 4 ? w.ViewHeight / 10 : 0;
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
