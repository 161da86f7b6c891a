#include "state/names.h"

void RegisterAppNames(NameRegistry& r) {
  using S = AppGlobals;
  REGISTER_GLOBAL(S, ButtonHelpLine);
  REGISTER_GLOBAL(S, PickedBearing);
  REGISTER_GLOBAL(S, PreviousPickedBearing);
  REGISTER_GLOBAL(S, TargetDistanceYards);
}
