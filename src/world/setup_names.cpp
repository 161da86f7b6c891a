#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterSetupNames(NameRegistry& r) {
  using S = SetupGlobals;
  NAME(S, TargetX);
  NAME(S, TargetY);
  NAME(S, OverboardSeconds);
  NAME(S, MaxHeadingError);
  NAME(S, HelmUsed);
  NAME(S, SeaBreeze);
  NAME(S, WindOctant);
  NAME(S, VeerOctant);
  NAME(S, PuffStrength);
  NAME(S, PuffSeed);
  NAME(S, OscillatingShiftsExpected);
  NAME(S, PersistentShiftExpected);
  NAME(S, CurrentSpeed);
  NAME(S, CurrentDirection);
  NAME(S, ShoreQuadrant);
  NAME(S, ShoreOffset);
  NAME(S, ShoreSign);
  NAME(S, ShoreStep);
  NAME(S, MirrorScenery);
  NAME(S, RiverBend);
  NAME(S, ShoreAmplitude);
  NAME(S, SmoothLakeShore);
  NAME(S, ShoreX);
  NAME(S, ShoreY);
  NAME(S, BayStart);
  NAME(S, BayMouthX);
  NAME(S, BayEndX);
  NAME(S, HillX);
  NAME(S, HillY);
  NAME(S, HillSize);
  NAME(S, HarbourVariant);
  NAME(S, HarbourX);
  NAME(S, HarbourY);
  NAME(S, LandmarkX);
  NAME(S, LandmarkY);
  NAME(S, CloudAzimuth);
  NAME(S, CloudRow);
  NAME(S, CloudWidth);
  NAME(S, HorizonHillAzimuth);
  NAME(S, HorizonHillHeight);
  NAME(S, SceneryObjectCount);
  NAME(S, SceneryX);
  NAME(S, SceneryY);
  NAME(S, ScenerySize);
  NAME(S, SceneryShape);
  NAME(S, SceneryRotation);
  NAME(S, SceneryDent);
  NAME(S, SceneryOutlineX);
  NAME(S, SceneryOutlineY);
  NAME(S, SceneryRadius);
  NAME(S, SceneryBearing);
  NAME(S, VesselSpeeds);
  NAME(S, SceneObjectX);
  NAME(S, SceneObjectY);
  NAME(S, SceneObjectKind);
  NAME(S, TackInProgress);
  NAME(S, TotalFrames);
  NAME(S, CloseHauledFrames);
  NAME(S, LiftedFrames);
  NAME(S, BadAirFrames);
}
