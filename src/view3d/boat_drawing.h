// One routine draws every boat: in the sailing view, on the title screen and in diagrams.
#pragma once

#include "platform/canvas.h"

struct World;

// Draws boat `boat` (1..BoatCount; 0 the sail-less committee boat) around screen point (x, y),
// seen by boat `viewer`; bottomRow and topRow are the rows of the scene the size law spans
// (the scene's bottom and SceneTop in the sailing view).
// The sailing view leaves out a boat outside this window (the illustrations draw every boat).
void DrawBoat(World& w, Canvas& c, int x, int y, int boat, int viewer, int bottomRow, int topRow);
// The user's own boat (boat 1) is kept down to the view's bottom: on views 655 to 700 pixels
// high its projected point falls a little below the scene, and the panel then covers its hull.
bool BoatInSight(const World& w, int boat, int x, int y, int bottomRow);

// A small patch in the boat's hull colour, as the data panel and the options line show it.
void DrawBoatSwatch(const World& w, Canvas& c, int x, int y, int boat);
Color BoatHullColor(const World& w, int boat);

// The part routines of a boat drawing, recorded in DrawnParts in the order they ran.
enum class BoatPart : int {
  Telltales = 1,
  Wake,
  CatWakeLeeward,
  CatWakeWindward,
  HullStarboard,
  HullPort,
  Transom,
  Deck,
  CatHulls,
  Trampoline,
  BowWavePort,
  BowWaveStarboard,
  Fittings,
  CatMastAndBeam,
  CatCabin,
  CabinCockpit,
  Flag,
  Tiller,
  Wheel,
  Crew1,
  Crew2,
  Crew3,
  Crew4,
  Crew5,
  Main,
  Jib,
  Spinnaker,
  WhiskerJib,
  ChordLines,
  Mast,
};
