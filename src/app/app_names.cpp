#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterAppNames(NameRegistry& r) {
  using S = AppGlobals;
  NAME(S, ButtonHelpLine);
  NAME(S, PickedBearing);
  NAME(S, PreviousPickedBearing);
  NAME(S, TargetDistanceYards);
}
