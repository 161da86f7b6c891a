#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterInstructionNames(NameRegistry& r) {
}
