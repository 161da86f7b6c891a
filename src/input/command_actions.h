// Effects that menu commands, keys and on-screen buttons share. None of them redraws: the
// caller decides, since the keys mostly leave it to the running frame loop.
#pragma once

#include <cstdint>

struct World;

// 0 -> 1 -> 0; a stray value above 1 also comes back to 0.
inline void Toggle(int32_t& flag) { flag = flag + 1 > 1 ? 0 : flag + 1; }

// The helm's commanded manoeuvres.
void CommandCloseHauled(World& w);
void CommandTack(World& w);
void CommandBearAway(World& w);
void CommandGybe(World& w);

// Back to the title screen; lessons reopen their first page.
void NextSailing(World& w);

// All four automatic-trim flags on unless all are on already, then all off.
void ToggleAllAutoTrim(World& w);
void AllSheetsOut(World& w);

// Main only -> main, jib and spinnaker -> none.
void CycleTransparency(World& w);

void SimSpeedFaster(World& w);
void SimSpeedSlower(World& w);

// Opens a help or glossary page, or closes it when it is the one shown.
void ToggleHelpPage(World& w, int page);

// Steps the main sheet by delta, not past -3 in or 47 out, and takes it off automatic trim.
void StepMainSheet(World& w, double delta);
