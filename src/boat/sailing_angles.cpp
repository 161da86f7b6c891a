#include "boat/sailing_angles.h"

#include "state/world.h"

int CloseHauledAngleFor(const World& w, int b) {
  const int wind = w.WindSpeedAtBoat[b];
  int angle = 0;
  if (w.IsCatamaran) {
    angle = 48 - wind / 8;
  } else if (w.HullClass == 1) {
    angle = 45 - wind / 4;
  } else {
    angle = w.JibPointingIndex - wind / 4 + 40;
  }
  if (w.IsSkiff && wind < 10) angle += 4;
  if (w.HullClass == 1 && wind < 10) angle += 5;
  if (w.HullClass == 1) angle += (w.MainDepth - 11) / 4 - 1;
  if (w.HullClass == 5) angle += 2;
  if (w.HullClass == 7 && wind > 15) angle -= 3;
  if (w.IsScow && wind < 10) angle += 4;
  return angle;
}

int RunningAngleFor(const World& w, int b) {
  const int wind = w.WindSpeedAtBoat[b];
  const int c = w.HullClass;
  int angle = (wind > 11 || c < 3) ? 20 : 33;
  if (c == 7 && !w.IsSportboat) angle = wind > 11 ? 17 : 35;
  if (wind > 16) angle -= 3;
  if (c == 1) angle = 5;
  if (c == 2) angle = 12;
  if (c == 4 || c == 5) angle = wind > 11 ? 15 : 30;
  if (c == 6) angle = wind > 12 ? 15 : 30;
  if (c == 8) angle = wind > 12 ? 19 : 36;
  if (w.IsCatamaran) angle = wind > 20 ? 33 : (wind > 13 ? 36 : 45);
  if (w.IsSkiff || w.IsScow) angle = wind > 17 ? 33 : (wind > 11 ? 36 : 45);
  if (w.IsSportboat) angle = wind > 20 ? 30 : (wind > 13 ? 34 : 42);
  return angle;
}
