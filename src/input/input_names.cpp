#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterInputNames(NameRegistry& r) {
  using S = InputGlobals;
  NAME(S, MouseX);
  NAME(S, MouseY);
  NAME(S, ClickX);
  NAME(S, ClickY);
}
