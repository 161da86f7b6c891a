#include "state/names.h"

void RegisterViewNames(NameRegistry& r) {
  using S = ViewGlobals;
  REGISTER_GLOBAL(S, HorizonY);
  REGISTER_GLOBAL(S, SceneShiftX);
  REGISTER_GLOBAL(S, SceneTop);
  REGISTER_GLOBAL(S, WaveClass);
  REGISTER_GLOBAL(S, ViewDirection);
  REGISTER_GLOBAL(S, SceneCentreX);
  REGISTER_GLOBAL(S, ProjectedX);
  REGISTER_GLOBAL(S, ProjectedY);
  REGISTER_GLOBAL(S, ProjectedDistance);
  REGISTER_GLOBAL(S, ProjectedBearing);
  REGISTER_GLOBAL(S, DrawKey);
  REGISTER_GLOBAL(S, DrawOrder);
  REGISTER_GLOBAL(S, ScreenWindBearing);
  REGISTER_GLOBAL(S, ShoreScreenX);
  REGISTER_GLOBAL(S, ShoreScreenY);
  REGISTER_GLOBAL(S, ShoreScreenBearing);
  REGISTER_GLOBAL(S, ShoreExtentLeft);
  REGISTER_GLOBAL(S, ShoreExtentRight);
}
