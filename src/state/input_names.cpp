#include "state/names.h"

void RegisterInputNames(NameRegistry& r) {
  using S = InputGlobals;
  REGISTER_GLOBAL(S, MouseX);
  REGISTER_GLOBAL(S, MouseY);
  REGISTER_GLOBAL(S, ClickX);
  REGISTER_GLOBAL(S, ClickY);
  REGISTER_GLOBAL(S, DragStartX);
  REGISTER_GLOBAL(S, DragStartY);
  REGISTER_GLOBAL(S, BearingTarget);
  REGISTER_GLOBAL(S, CameraDistance);
  REGISTER_GLOBAL(S, LookAngle);
  REGISTER_GLOBAL(S, JibAutoTrimActive);
  REGISTER_GLOBAL(S, SpinnakerAutoTrimActive);
  REGISTER_GLOBAL(S, GuyAutoTrimActive);
  REGISTER_GLOBAL(S, MiniViewZoom);
  REGISTER_GLOBAL(S, MainTransparent);
  REGISTER_GLOBAL(S, AllSailsTransparent);
  REGISTER_GLOBAL(S, ChordLinesShown);
  REGISTER_GLOBAL(S, LaylinesShown);
  REGISTER_GLOBAL(S, LessonChoice);
}

void RegisterPageLayoutNames(NameRegistry& r) {
  using S = PageLayoutGlobals;
  REGISTER_GLOBAL(S, TutorialStepCount);
  REGISTER_GLOBAL(S, AdvanceButtonY);
  REGISTER_GLOBAL(S, PageButtonsY);
  REGISTER_GLOBAL(S, NextPageButtonX);
  REGISTER_GLOBAL(S, PrevPageButtonX);
}
