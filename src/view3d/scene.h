// Composition of the 3D sailing scene: water, waves, sky, shore and everything on the water.
#pragma once

#include "platform/canvas.h"

struct World;

// Draws the whole sailing scene into the scene rectangle, from the water up to the indicators.
void ComposeScene(World& w, Canvas& canvas, const Rect& scene);

// The last wave crest drawn: fewer crests at the highest simulator speeds and with simple
// graphics.
int LastWaveCrest(const World& w);

// The word for the sea state of wave class waveClass.
const char* WaveStateWord(int waveClass);

// The sea-state word near the bottom left of the scene.
void DrawWaveStateWord(World& w, Canvas& canvas, const Rect& scene);
