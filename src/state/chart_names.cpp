#include "state/names.h"

void RegisterChartNames(NameRegistry& r) {
  using S = ChartGlobals;
  REGISTER_GLOBAL(S, SelectedTarget);
  REGISTER_GLOBAL(S, SelectedTargetSince);
  REGISTER_GLOBAL(S, PolarDistance);
  REGISTER_GLOBAL(S, PolarBearing);
}
