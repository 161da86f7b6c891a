// The race course seen from above: the line ends and marks as dots in their colours, the
// fleet, and on the full chart the labels.
#pragma once

#include <functional>

#include "platform/canvas.h"

struct World;

// Pin, committee boat and marks at the screen points `toScreen` gives, labelled when
// `labels`, then the fleet boats 2..BoatCount.
void DrawRaceCourse2D(World& w, Canvas& c, const std::function<Point(double, double)>& toScreen, bool labels);
