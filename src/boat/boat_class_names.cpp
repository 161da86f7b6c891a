#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterBoatClassNames(NameRegistry& r) {
  using S = BoatClassGlobals;
  NAME(S, DisplacementClass);
  NAME(S, SailAreaClass);
  NAME(S, RigHeightPercent);
  NAME(S, SpinnakerKind);
  NAME(S, MaxHeel);
  NAME(S, HasFurlingJib);
  NAME(S, HasTraveller);
  NAME(S, VangOutsidePreset);
  NAME(S, IsMonohull);
  NAME(S, IsOffshoreRacer);
  NAME(S, MainSheet);
  NAME(S, MainAutoTrimActive);
  NAME(S, Cunningham);
  NAME(S, Outhaul);
  NAME(S, Vang);
  NAME(S, SpritTension);
  NAME(S, Reefed);
  NAME(S, Traveller);
  NAME(S, MastBend);
  NAME(S, Forestay);
  NAME(S, JibSheet);
  NAME(S, WingOnWing);
  NAME(S, JibSize);
  NAME(S, JibLuff);
  NAME(S, JibLead);
  NAME(S, BarberHauler);
  NAME(S, JibFurl);
  NAME(S, SpinnakerSetCommand);
  NAME(S, SpinnakerSheet);
  NAME(S, GuyAngle);
  NAME(S, PoleHeight);
  NAME(S, SkipperHike);
  NAME(S, Crew1Hike);
  NAME(S, Crew2Hike);
  NAME(S, CrewForeAft);
  NAME(S, CentreboardUp);
  NAME(S, SailPowerPreset);
}
