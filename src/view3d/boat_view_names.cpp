#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterBoatViewNames(NameRegistry& r) {
  using S = BoatViewGlobals;
  NAME(S, IllustrationMode);
}
