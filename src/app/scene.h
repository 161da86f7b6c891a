// Composition of the 3D sailing scene: water, waves, sky, shore and everything on the water.
#pragma once

#include "platform/canvas.h"

struct World;

void ComposeScene(World& w, Canvas& canvas, const Rect& scene);
