#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterChartNames(NameRegistry& r) {
  using S = ChartGlobals;
  NAME(S, SelectedTarget);
  NAME(S, PolarDistance);
  NAME(S, PolarBearing);
  NAME(S, SwimmerSightFrames);
}
