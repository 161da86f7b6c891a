#include "state/names.h"

void RegisterBoatViewNames(NameRegistry& r) {
  using S = BoatViewGlobals;
  REGISTER_GLOBAL(S, IllustrationMode);
  REGISTER_GLOBAL(S, OutlineX);
  REGISTER_GLOBAL(S, OutlineY);
  REGISTER_GLOBAL(S, OutlineHeight);
  REGISTER_GLOBAL(S, OutlineOffset);
  REGISTER_GLOBAL(S, OutlineDistance);
  REGISTER_GLOBAL(S, OutlineAngle);
  REGISTER_GLOBAL(S, OutlineScreenX);
  REGISTER_GLOBAL(S, OutlineScreenY);
  REGISTER_GLOBAL(S, TelltaleScreenX);
  REGISTER_GLOBAL(S, TelltaleScreenY);
  REGISTER_GLOBAL(S, ChordScreenX);
  REGISTER_GLOBAL(S, ChordScreenY);
  REGISTER_GLOBAL(S, BoatSizeFactor);
  REGISTER_GLOBAL(S, PointBudget);
  REGISTER_GLOBAL(S, FarRow);
  REGISTER_GLOBAL(S, LeeSideSeen);
  REGISTER_GLOBAL(S, PitchOffset);
  REGISTER_GLOBAL(S, DrawnParts);
  REGISTER_GLOBAL(S, DrawnPartCount);
  REGISTER_GLOBAL(S, UserBoatScreenX);
  REGISTER_GLOBAL(S, UserBoatScreenY);
  REGISTER_GLOBAL(S, RelativeHeading);
  REGISTER_GLOBAL(S, TitleViewAngle);
  REGISTER_GLOBAL(S, VesselScreenX);
  REGISTER_GLOBAL(S, VesselScreenY);
}
