// A fixed, even scatter of 70 points in percent of a box's width and height. The ripples of a
// puff, the trees on the land and the lesson wave patterns take their places from it, so the
// texture holds still from frame to frame.
#pragma once

#include <array>

struct ScatterPoint {
  int x = 0, y = 0;  // percent
};

constexpr int kScatterPoints = 70;

constexpr std::array<ScatterPoint, kScatterPoints> kScatter{{
    {50, 34}, {27, 65}, {73, 14}, {15, 44}, {61, 75}, {38, 24}, {84, 55}, {9, 85},  {55, 7},  {32, 38},
    {78, 68}, {21, 17}, {67, 48}, {44, 78}, {90, 27}, {6, 58},  {52, 89}, {29, 10}, {75, 41}, {18, 72},
    {64, 21}, {41, 51}, {87, 82}, {12, 31}, {58, 61}, {35, 92}, {81, 5},  {24, 35}, {70, 66}, {47, 15},
    {93, 46}, {5, 76},  {51, 25}, {28, 56}, {74, 86}, {16, 8},  {62, 39}, {39, 69}, {85, 18}, {11, 49},
    {57, 80}, {34, 28}, {80, 59}, {22, 90}, {68, 11}, {45, 42}, {91, 73}, {8, 22},  {54, 52}, {31, 83},
    {77, 32}, {19, 63}, {65, 93}, {42, 6},  {88, 36}, {14, 67}, {60, 16}, {37, 47}, {83, 77}, {25, 26},
    {71, 57}, {48, 88}, {94, 9},  {4, 40},  {50, 71}, {27, 19}, {73, 50}, {16, 81}, {62, 30}, {39, 60},
}};
