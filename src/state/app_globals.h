// The data panel, the title screen and the control buttons.
#pragma once

#include <cstdint>

struct AppGlobals {
  // --- Data panel -------------------------------------------------------------------------
  // The control-button help line: an index into the table of help texts, 0 being the prompt
  // that says where the help appears. The panel resets it every frame; hovering replaces it.
  int32_t ButtonHelpLine = 0;
  // Collision avoidance: the vessel last picked, as a bearing off the bow (0..359), and the
  // bearing of the pick before it; -1 until there is one.
  int32_t PickedBearing = -1;
  int32_t PreviousPickedBearing = -1;
  // The exercise target's distance in yards as the panel shows it; the rescue of the man
  // overboard is judged on this figure.
  int32_t TargetDistanceYards = 0;
};
