#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterDynamicsNames(NameRegistry& r) {
  using S = DynamicsGlobals;
  NAME(S, HelmInput);
  NAME(S, AutoManoeuvre);
  NAME(S, SpinnakerFlying);
}
