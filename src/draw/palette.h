// The shared drawing palette: the colours every drawing routine picks from.
#pragma once

#include "platform/canvas.h"
#include "state/option_globals.h"

namespace palette {
// The colour/monochrome choice every drawing routine makes: `mono` when the user has asked for
// a monochrome display, `colour` otherwise. Colour first, as a reader names it:
//   c.FillRect(scene, palette::Ink(w, palette::kWater, palette::kWaterMono));
// Pick is the same choice for a routine that has already read the option into a flag.
constexpr Color Pick(bool monochrome, Color colour, Color mono) { return monochrome ? mono : colour; }
constexpr Color Ink(const OptionGlobals& options, Color colour, Color mono) {
  return Pick(options.Monochrome != 0, colour, mono);
}
}  // namespace palette

namespace palette {
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kGrey = Rgb(127, 127, 127);
constexpr Color kLightGrey = Rgb(192, 192, 192);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kMaroon = Rgb(127, 0, 0);
constexpr Color kGreen = Rgb(0, 255, 0);
constexpr Color kDarkGreen = Rgb(0, 127, 0);
constexpr Color kOlive = Rgb(127, 127, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kNavy = Rgb(0, 0, 127);
constexpr Color kYellow = Rgb(255, 255, 0);

// Water and sky of the sailing view.
constexpr Color kWater = Rgb(38, 96, 158);
constexpr Color kWaterMono = Rgb(255, 255, 255);
constexpr Color kSkyLow = Rgb(196, 222, 245);   // hazy band just above the horizon
constexpr Color kSkyMid = Rgb(150, 194, 238);
constexpr Color kSkyHigh = Rgb(112, 165, 228);  // deepest blue at the top
constexpr Color kSkyOvercast = Rgb(178, 182, 188);
}  // namespace palette

// Scene
namespace palette {
// The land test looks for exactly these two greens, so every land brush uses one of them.
constexpr Color kLandDark = Rgb(0, 64, 0);
constexpr Color kLandGreen = Rgb(0, 128, 0);
constexpr Color kBeachBasic = Rgb(255, 255, 128);  // displays with 256 colours or fewer
constexpr Color kBeach = Rgb(226, 208, 158);
constexpr Color kShoreEdge = Rgb(104, 96, 72);
constexpr Color kDistantHills = Rgb(104, 128, 150);
constexpr Color kCloudOvercast = Rgb(150, 150, 150);
constexpr Color kPuff = Rgb(30, 80, 138);
constexpr Color kRipple = Rgb(18, 58, 108);
constexpr Color kCrest = Rgb(84, 136, 192);
constexpr Color kCrestFoam = Rgb(214, 228, 242);
constexpr Color kTeal = Rgb(0, 127, 127);
constexpr Color kDial = Rgb(170, 215, 215);
constexpr Color kMarkOrange = Rgb(255, 120, 0);
constexpr Color kMarkShade = Rgb(176, 72, 0);
constexpr Color kPinFlag = Rgb(255, 230, 0);
// Race overlays in the sailing view and the course on the chart.
constexpr Color kStartLine = Rgb(255, 255, 255);
constexpr Color kLayline = Rgb(255, 255, 160);
constexpr Color kMarkPointer = Rgb(255, 80, 0);
constexpr Color kWarningHighlight = Rgb(255, 255, 0);
constexpr Color kChartMarkOdd = Rgb(255, 80, 0);      // marks 1 and 3
constexpr Color kChartMarkEven = Rgb(255, 230, 0);    // the pin and mark 2
constexpr Color kChartCommittee = Rgb(230, 230, 230);
constexpr Color kChartLabel = Rgb(255, 255, 255);
constexpr Color kBuoyRed = Rgb(214, 30, 30);
constexpr Color kPierDeck = Rgb(168, 128, 80);
constexpr Color kPierSide = Rgb(104, 76, 44);
constexpr Color kLifeJacket = Rgb(255, 96, 0);
constexpr Color kSkin = Rgb(236, 188, 150);
}  // namespace palette

// Boats
namespace palette {
// Hull colours by boat number; 0 is the committee boat. The user's boat is red.
constexpr Color kHullColors[11] = {Rgb(246, 246, 240), Rgb(196, 28, 36),  Rgb(28, 58, 140),
                                   Rgb(236, 196, 32),  Rgb(30, 120, 60),  Rgb(240, 240, 232),
                                   Rgb(232, 110, 20),  Rgb(110, 50, 140), Rgb(20, 130, 140),
                                   Rgb(40, 40, 44),    Rgb(120, 170, 220)};
// Spinnaker colours by boat number, with the colour of the panel across its middle.
constexpr Color kSpinnakerColors[11] = {Rgb(255, 255, 255), Rgb(226, 36, 40),  Rgb(40, 80, 200),
                                        Rgb(250, 210, 30),  Rgb(40, 160, 70),  Rgb(250, 130, 30),
                                        Rgb(150, 60, 180),  Rgb(240, 100, 160), Rgb(30, 180, 200),
                                        Rgb(30, 30, 110),   Rgb(150, 210, 40)};
constexpr Color kSpinnakerPanel = Rgb(250, 250, 250);
constexpr Color kHullOutline = Rgb(40, 40, 48);
constexpr Color kHullBottom = Rgb(150, 40, 40);      // antifouling shown when a hull flies
constexpr Color kBootStripe = Rgb(20, 40, 90);
constexpr Color kDeckLight = Rgb(236, 232, 220);
constexpr Color kDeckTeak = Rgb(186, 146, 98);
constexpr Color kDeckNonSkid = Rgb(214, 212, 204);
constexpr Color kCockpit = Rgb(150, 146, 138);
constexpr Color kCabinSide = Rgb(232, 232, 226);
constexpr Color kCabinWindow = Rgb(44, 56, 72);
constexpr Color kTrampoline = Rgb(46, 50, 58);
constexpr Color kMast = Rgb(120, 124, 130);
constexpr Color kMastCarbon = Rgb(30, 30, 34);
constexpr Color kRigging = Rgb(90, 94, 100);
constexpr Color kSailCloth = Rgb(252, 252, 246);     // the sail's face lit by the sun
constexpr Color kSailShade = Rgb(214, 218, 224);     // the face turned away
constexpr Color kSailCream = Rgb(250, 244, 226);     // cruising Dacron
constexpr Color kSailCreamShade = Rgb(214, 208, 192);
constexpr Color kSailLaminate = Rgb(190, 186, 170);  // racing mains and jibs of laminate
constexpr Color kSailLaminateShade = Rgb(158, 156, 146);
constexpr Color kSailSmoke = Rgb(128, 138, 152);     // the skiff's see-through film
constexpr Color kSailSmokeShade = Rgb(100, 110, 124);
constexpr Color kSailCarbon = Rgb(64, 64, 70);       // the offshore racer's black sails
constexpr Color kSailCarbonShade = Rgb(44, 44, 50);
constexpr Color kSailStripes[2] = {Rgb(240, 180, 20), Rgb(220, 60, 40)};  // a beach cat's main
constexpr Color kSailEdge = Rgb(110, 114, 120);
constexpr Color kSailSeam = Rgb(170, 176, 184);
constexpr Color kSailBackwind = Rgb(150, 166, 196);  // the luff pushed in by backwind
constexpr Color kSailStall = Rgb(120, 120, 124);
constexpr Color kBatten = Rgb(60, 64, 70);
constexpr Color kTelltaleRed = Rgb(230, 20, 20);
constexpr Color kTelltaleGreen = Rgb(20, 170, 40);
constexpr Color kChordLine = Rgb(230, 0, 160);
constexpr Color kCrewJackets[6] = {Rgb(0, 0, 0),       Rgb(250, 200, 0),  Rgb(230, 60, 30),
                                   Rgb(40, 110, 210), Rgb(250, 130, 20), Rgb(60, 170, 80)};
constexpr Color kCrewSkin = Rgb(232, 180, 140);
constexpr Color kCrewTrousers = Rgb(40, 44, 60);
constexpr Color kTiller = Rgb(150, 100, 50);
constexpr Color kFoam = Rgb(244, 248, 252);
constexpr Color kWakeMark = Rgb(200, 222, 240);
constexpr Color kCommitteeFlag = Rgb(255, 140, 0);
constexpr Color kTitleCircle = Rgb(60, 120, 180);
constexpr Color kTitleCircleEdge = Rgb(0, 0, 127);
}  // namespace palette

// Chart
namespace palette {
constexpr Color kChartSea = Rgb(24, 72, 128);
constexpr Color kChartLand = Rgb(200, 180, 124);
constexpr Color kChartCoast = Rgb(96, 72, 32);
constexpr Color kChartOwnBoat = Rgb(255, 64, 64);
constexpr Color kChartButton = Rgb(0, 32, 72);
constexpr Color kChartButtonText = Rgb(0, 255, 255);
constexpr Color kChartNorth = Rgb(255, 255, 0);
constexpr Color kChartGate = Rgb(255, 255, 255);
constexpr Color kChartBuoy = Rgb(255, 140, 0);
constexpr Color kChartPier = Rgb(168, 128, 80);
constexpr Color kChartSwimmer = Rgb(255, 96, 0);
constexpr Color kChartVessel = Rgb(255, 230, 80);
}  // namespace palette

// Panel
namespace palette {
constexpr Color kCyan = Rgb(0, 255, 255);
// The face of the control buttons: dark enough for yellow and cyan labels, light enough for
// the black label of a button that is on.
constexpr Color kButtonFace = Rgb(96, 120, 150);
constexpr Color kButtonFaceMono = Rgb(127, 127, 127);
constexpr Color kButtonEdge = Rgb(40, 48, 64);
constexpr Color kSteeringZone = Rgb(226, 232, 238);
constexpr Color kSteeringZoneHot = Rgb(255, 236, 200);  // the pointer is steering
constexpr Color kEyeIris = Rgb(70, 130, 90);
}  // namespace palette

namespace palette {
// The motor vessels of the collision exercise.
constexpr Color kShipHullDark = Rgb(150, 30, 30);   // vessel 2
constexpr Color kShipHullGrey = Rgb(70, 80, 96);    // vessels 3 and 4
constexpr Color kShipDeck = Rgb(200, 190, 170);
constexpr Color kShipCabin = Rgb(240, 240, 236);
constexpr Color kShipCabinOrange = Rgb(235, 130, 40);  // vessel 4
constexpr Color kShipBowWave = Rgb(245, 250, 255);
}  // namespace palette
