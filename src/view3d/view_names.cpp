#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterViewNames(NameRegistry& r) {
  using S = ViewGlobals;
  NAME(S, CameraDistance);
  NAME(S, LookAngle);
  NAME(S, HorizonY);
  NAME(S, SceneShiftX);
  NAME(S, SceneTop);
  NAME(S, WaveClass);
  NAME(S, ViewDirection);
  NAME(S, SceneCentreX);
  NAME(S, ProjectedX);
  NAME(S, ProjectedY);
  NAME(S, ProjectedDistance);
  NAME(S, ProjectedBearing);
  NAME(S, DrawKey);
  NAME(S, DrawOrder);
  NAME(S, ScreenWindBearing);
  NAME(S, ShoreScreenX);
  NAME(S, ShoreScreenY);
  NAME(S, ShoreScreenBearing);
  NAME(S, ShoreExtentLeft);
  NAME(S, ShoreExtentRight);
}
