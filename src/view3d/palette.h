// The shared drawing palette: the colours every drawing routine picks from.
#pragma once

#include "platform/canvas.h"

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
constexpr Color kBuoyRed = Rgb(214, 30, 30);
constexpr Color kPierDeck = Rgb(168, 128, 80);
constexpr Color kPierSide = Rgb(104, 76, 44);
constexpr Color kLifeJacket = Rgb(255, 96, 0);
constexpr Color kSkin = Rgb(236, 188, 150);
}  // namespace palette
