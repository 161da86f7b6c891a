#include "state/names.h"

void RegisterBoatClassNames(NameRegistry& r) {
  using S = BoatClassGlobals;
  REGISTER_GLOBAL(S, DisplacementClass);
  REGISTER_GLOBAL(S, SailAreaClass);
  REGISTER_GLOBAL(S, RigHeightPercent);
  REGISTER_GLOBAL(S, SpinnakerKind);
  REGISTER_GLOBAL(S, MaxHeel);
  REGISTER_GLOBAL(S, HasFurlingJib);
  REGISTER_GLOBAL(S, HasTraveller);
  REGISTER_GLOBAL(S, VangOutsidePreset);
  REGISTER_GLOBAL(S, IsMonohull);
  REGISTER_GLOBAL(S, IsOffshoreRacer);
  REGISTER_GLOBAL(S, MainSheet);
  REGISTER_GLOBAL(S, MainAutoTrimActive);
  REGISTER_GLOBAL(S, Cunningham);
  REGISTER_GLOBAL(S, Outhaul);
  REGISTER_GLOBAL(S, Vang);
  REGISTER_GLOBAL(S, SpritTension);
  REGISTER_GLOBAL(S, Reefed);
  REGISTER_GLOBAL(S, Traveller);
  REGISTER_GLOBAL(S, MastBend);
  REGISTER_GLOBAL(S, Forestay);
  REGISTER_GLOBAL(S, JibSheet);
  REGISTER_GLOBAL(S, WingOnWing);
  REGISTER_GLOBAL(S, JibSize);
  REGISTER_GLOBAL(S, JibLuff);
  REGISTER_GLOBAL(S, JibLead);
  REGISTER_GLOBAL(S, BarberHauler);
  REGISTER_GLOBAL(S, JibFurl);
  REGISTER_GLOBAL(S, SpinnakerSetCommand);
  REGISTER_GLOBAL(S, SpinnakerSheet);
  REGISTER_GLOBAL(S, GuyAngle);
  REGISTER_GLOBAL(S, PoleHeight);
  REGISTER_GLOBAL(S, SkipperHike);
  REGISTER_GLOBAL(S, Crew1Hike);
  REGISTER_GLOBAL(S, Crew2Hike);
  REGISTER_GLOBAL(S, CrewForeAft);
  REGISTER_GLOBAL(S, CentreboardUp);
  REGISTER_GLOBAL(S, SailPowerPreset);
}
