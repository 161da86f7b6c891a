#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterInputNames(NameRegistry& r) {
  using S = InputGlobals;
  NAME(S, MouseX);
  NAME(S, MouseY);
  NAME(S, ClickX);
  NAME(S, ClickY);
  NAME(S, DragStartX);
  NAME(S, DragStartY);
  NAME(S, BearingTarget);
  NAME(S, JibAutoTrimActive);
  NAME(S, SpinnakerAutoTrimActive);
  NAME(S, GuyAutoTrimActive);
  NAME(S, MiniViewZoom);
  NAME(S, MainTransparent);
  NAME(S, AllSailsTransparent);
  NAME(S, ChordLinesShown);
  NAME(S, LaylinesShown);
  NAME(S, LessonChoice);
  NAME(S, TutorialStepCount);
  NAME(S, AdvanceButtonY);
  NAME(S, PageButtonsY);
  NAME(S, NextPageButtonX);
  NAME(S, PrevPageButtonX);
  NAME(S, VesselScreenX);
  NAME(S, VesselScreenY);
}
