#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterBoatViewNames(NameRegistry& r) {
  using S = BoatViewGlobals;
  NAME(S, IllustrationMode);
  NAME(S, OutlineX);
  NAME(S, OutlineY);
  NAME(S, OutlineHeight);
  NAME(S, OutlineOffset);
  NAME(S, OutlineDistance);
  NAME(S, OutlineAngle);
  NAME(S, OutlineScreenX);
  NAME(S, OutlineScreenY);
  NAME(S, TelltaleScreenX);
  NAME(S, TelltaleScreenY);
  NAME(S, ChordScreenX);
  NAME(S, ChordScreenY);
  NAME(S, BoatSizeFactor);
  NAME(S, PointBudget);
  NAME(S, FarRow);
  NAME(S, LeeSideSeen);
  NAME(S, PitchOffset);
  NAME(S, DrawnParts);
  NAME(S, DrawnPartCount);
  NAME(S, UserBoatScreenX);
  NAME(S, UserBoatScreenY);
  NAME(S, RelativeHeading);
  NAME(S, TitleViewAngle);
}
