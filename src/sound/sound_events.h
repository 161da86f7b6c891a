// Sound events: each numbered event picks its clip and is passed to the world's sound sink,
// unless sound is off or an overlay is up.
#pragma once

struct World;

void PlaySoundEvent(World& w, int event);
// The two spoken right-of-way warnings: 1 port gives way to starboard, 2 windward keeps clear.
void PlayAdvice(World& w, int advice);
// The system beep of grounding, mark touches and recalls; silent when sound is off.
void PlayBeep(World& w);
