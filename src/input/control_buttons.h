// The on-screen control buttons at the right of the data panel: four columns (sheets, trim and
// manoeuvres, crew, view) of small rounded buttons that offer the most used commands to the
// mouse. Each frame a group draws its buttons, performs the action of the one the latched
// click lies in, and puts the help text of the one under the cursor on the help line.
#pragma once

#include "platform/canvas.h"
#include "state/pointer.h"

struct World;

// A group's column and the height of one button row.
struct ButtonGroupBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int lineHeight = 18;
};

// The help texts the help line can show; ButtonHelpLine holds one of these.
enum ButtonHelp : int {
  kHelpPrompt,
  kHelpFaster,
  kHelpSlower,
  kHelpMainIn,
  kHelpMainOut,
  kHelpAutoMain,
  kHelpJibIn,
  kHelpJibOut,
  kHelpAutoJib,
  kHelpTravellerUp,
  kHelpTravellerDown,
  kHelpSpinnakerIn,
  kHelpSpinnakerOut,
  kHelpAutoSpinnaker,
  kHelpGuyIn,
  kHelpGuyOut,
  kHelpAllAuto,
  kHelpAllAutoHeadSails,
  kHelpAllSheetsOut,
  kHelpSpinnakerUp,
  kHelpSpinnakerDown,
  kHelpJibToWindward,
  kHelpJibToLeeward,
  kHelpCloseHauled,
  kHelpTack,
  kHelpFlat,
  kHelpMiddlePower,
  kHelpBaggy,
  kHelpHikeAll,
  kHelpCrewUp,
  kHelpCrewDown,
  kHelpCrewForward,
  kHelpCrewMiddle,
  kHelpCrewAft,
  kHelpVangTight,
  kHelpVangMiddle,
  kHelpLookAhead,
  kHelpLookLeft,
  kHelpLookRight,
  kHelpLookAstern,
  kHelpViewLower,
  kHelpViewCloser,
  kHelpViewHigher,
  kHelpViewFarther,
  kHelpTransparent,
  kHelpCount
};

// The text of a help index; an index out of range reads as the prompt.
const char* ButtonHelpText(int help);

// Screens wide enough for the help line to stand in the panel; on the others the scene
// composition draws it at the bottom of the sailing view.
bool HelpLineInPanel(const World& w);

// The short labels of narrow screens and large menu fonts.
bool NarrowButtonScreen(const World& w);

// A button's rounded frame, filled with the button face.
void DrawButtonFrame(const World& w, Canvas& canvas, int left, int top, int right, int bottom);

// Each group draws, acts and sets the help line; returns the bottom of its last row.
int DrawSheetButtons(World& w, Canvas& canvas, const ButtonGroupBox& box);
int DrawTrimButtons(World& w, Canvas& canvas, const ButtonGroupBox& box);
int DrawCrewButtons(World& w, Canvas& canvas, const ButtonGroupBox& box);
int DrawViewButtons(World& w, Canvas& canvas, const ButtonGroupBox& box);

// The groups in the panel, from top to bottom of the strip below the scene, then the help
// line when it stands in the panel. lineHeight: the panel's row height.
void DrawControlButtons(World& w, Canvas& canvas, int top, int bottom, int lineHeight);

// The help line (when ButtonHelpShown) in the panel at row 9 below its top, not over the
// sheet buttons (sheetBottom: the bottom of their last row), or at the bottom of the sailing
// view on small screens.
void DrawButtonHelpLine(World& w, Canvas& canvas, int sheetBottom = 0);
