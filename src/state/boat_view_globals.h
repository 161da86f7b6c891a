// Drawing of boats: the illustration mode, the turned outline points, the user boat's place on
// the screen, and the title screen's turning boat.
#pragma once

#include <array>
#include <cstdint>

#include "state/fleet_globals.h"

// Outline points of the boat being drawn: 0..16 the hull, 17..26 boom, main and jib, 27..37 the
// extra points of the bigger rigs, 38 and up the spinnaker (or the whisker-poled jib).
constexpr int kBoatPoints = 56;
constexpr int kSailMarkPoints = 32;  // telltale and chord points of the user's sails
constexpr int kMaxDrawnParts = 48;

struct BoatViewGlobals {
  int32_t IllustrationMode = 0;  // 0 live view, 1 title screen, 2 and up tutorial diagrams

  // --- Outline points of the last boat drawn ----------------------------------------------
  // Plan position in the deck plane (screen pixels about the boat's screen point, y growing
  // aft), height above the deck, lateral offset from the centreline, the polar form about the
  // mast step, and where the point landed on the screen.
  std::array<double, kBoatPoints> OutlineX{};
  std::array<double, kBoatPoints> OutlineY{};
  std::array<double, kBoatPoints> OutlineHeight{};
  std::array<double, kBoatPoints> OutlineOffset{};
  std::array<double, kBoatPoints> OutlineDistance{};
  std::array<double, kBoatPoints> OutlineAngle{};  // radians from straight ahead, clockwise
  std::array<int32_t, kBoatPoints> OutlineScreenX{};
  std::array<int32_t, kBoatPoints> OutlineScreenY{};
  // The user's main telltales (root and tail of each) and the chord points of the user's sails.
  std::array<int32_t, kSailMarkPoints> TelltaleScreenX{};
  std::array<int32_t, kSailMarkPoints> TelltaleScreenY{};
  std::array<int32_t, kSailMarkPoints> ChordScreenX{};
  std::array<int32_t, kSailMarkPoints> ChordScreenY{};

  // --- What the last drawing worked out ---------------------------------------------------
  double BoatSizeFactor = 0;  // the size law's factor
  int32_t PointBudget = 0;    // outline points turned to the screen
  int32_t FarRow = 0;         // boats above this row are drawn simplified
  int32_t LeeSideSeen = 0;
  double PitchOffset = 0;
  // The part routines that ran, in drawing order (values of BoatPart, boat_drawing.h).
  std::array<int32_t, kMaxDrawnParts> DrawnParts{};
  int32_t DrawnPartCount = 0;

  // --- The user's boat --------------------------------------------------------------------
  int32_t UserBoatScreenX = -1000;  // where it was last drawn: the wind indicators and the coach
  int32_t UserBoatScreenY = -1000;  // point at it
  int32_t RelativeHeading = 0;      // its heading relative to the view direction, -179..180

  // --- Motor vessels: where each was drawn in the last frame, for the pick on release -----
  PerBoat<int32_t> VesselScreenX = MakeOffScreen();
  PerBoat<int32_t> VesselScreenY = MakeOffScreen();

  // --- Title screen -----------------------------------------------------------------------
  double TitleViewAngle = 0;  // the turning boat is seen from this angle, degrees

 private:
  static PerBoat<int32_t> MakeOffScreen() {
    PerBoat<int32_t> a{};
    a.fill(-1000);
    return a;
  }
};
