// The automatic main trim: eases the sheet when the boat heels past its limit and pulls it in
// until the top of the main just lifts.
#include <algorithm>

#include "boat/boat_step_parts.h"
#include "state/hull_class.h"
#include "state/world.h"

void AutoMainTrim(World& w, int heelLimit, int heel) {
  double& sheet = w.MainSheet;
  const int m = heelLimit;
  if (heel < m) {
    if (w.HullClass < Hull::kSpinnakerDinghy && sheet < 2) {
      sheet = 2;
      return;
    }
    if (w.MainStalled) {
      sheet += 3;
    } else {
      const bool upperBackwinded = w.MainUpperBackwindPercent > 0;
      if (w.WindSpeedAtBoat[1] < 10 && !upperBackwinded && sheet < 15) {
        if (!w.IsSkiff) sheet += 0.05;
        return;
      }
      if (upperBackwinded) {
        if (heel <= m - 2 && sheet >= 20) sheet -= 2;
        if (heel <= m - 2 && sheet > 9 && sheet < 20) sheet -= 1;
        if (heel < m - 2 && sheet <= 9) sheet -= 0.5;
      }
    }
    if (w.TrueWindAngles[1] < 60 && sheet > 25) sheet -= 15;
    sheet = std::max(sheet, -2.0);
  } else if (heel == m) {
    sheet += 0.5;
  } else if (heel <= m + 8) {
    sheet += 1;
  } else {
    sheet += 4;
  }
  sheet = std::min(sheet, 47.0);
}
