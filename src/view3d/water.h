// The water of the sailing view: puffs with their ripples, the wave crests, and the wave
// patterns shown behind a lesson's introduction.
#pragma once

#include "platform/canvas.h"

struct World;

// Whether all the points lie beyond one side of the scene, so far beyond it that nothing drawn
// through them, a border line included, could reach into it.
bool WhollyOutside(const Point* points, int count, const Rect& scene);

// Puff i (1..5) as a dark patch with ripples; nothing in steady wind or when it lies out of
// sight.
void DrawPuff(World& w, Canvas& c, int i, const Rect& scene);

// The five puffs, then the extra ripples around the user's boat while it sails inside one.
void DrawPuffs(World& w, Canvas& c, const Rect& scene);

// Crest k of crestCount; the first quarter and all crests in low waves are drawn long, as
// far crests.
void DrawCrest(World& w, Canvas& c, int k, int crestCount, const Rect& scene);

// Crests 0..last.
void DrawWaveCrests(World& w, Canvas& c, int last, const Rect& scene);

// Rows of waves that hold still behind a lesson's introduction, large or small.
void DrawLessonWavePattern(World& w, Canvas& c, const Rect& scene, bool large);
