#include "boat/sailing_angles.h"

#include "state/hull_class.h"
#include "state/world.h"

int CloseHauledAngleFor(const World& w, int b) {
  const int wind = w.WindSpeedAtBoat[b];
  int angle = 0;
  if (w.IsCatamaran) {
    angle = 48 - wind / 8;
  } else if (w.HullClass == Hull::kSingleHander) {
    angle = 45 - wind / 4;
  } else {
    angle = w.JibPointingIndex - wind / 4 + 40;
  }
  if (w.IsSkiff && wind < 10) angle += 4;
  if (w.HullClass == Hull::kSingleHander && wind < 10) angle += 5;
  if (w.HullClass == Hull::kSingleHander) angle += (w.MainDepth - 11) / 4 - 1;
  if (w.HullClass == Hull::kCruiser) angle += 2;
  if (w.HullClass == Hull::kOffshoreRacer && wind > 15) angle -= 3;
  if (w.IsScow && wind < 10) angle += 4;
  return angle;
}

int RunningAngleFor(const World& w, int b) {
  const int wind = w.WindSpeedAtBoat[b];
  const int c = w.HullClass;
  int angle = (wind > 11 || c < Hull::kSpinnakerDinghy) ? 20 : 33;
  if (c == Hull::kOffshoreRacer && !w.IsSportboat) angle = wind > 11 ? 17 : 35;
  if (wind > 16) angle -= 3;
  if (c == Hull::kSingleHander) angle = 5;
  if (c == Hull::kTwoPerson) angle = 12;
  if (c == Hull::kUnusedFour || c == Hull::kCruiser) angle = wind > 11 ? 15 : 30;
  if (c == Hull::kKeelboat) angle = wind > 12 ? 15 : 30;
  if (c == Hull::kUnusedEight) angle = wind > 12 ? 19 : 36;
  if (w.IsCatamaran) angle = wind > 20 ? 33 : (wind > 13 ? 36 : 45);
  if (w.IsSkiff || w.IsScow) angle = wind > 17 ? 33 : (wind > 11 ? 36 : 45);
  if (w.IsSportboat) angle = wind > 20 ? 30 : (wind > 13 ? 34 : 42);
  return angle;
}
