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
