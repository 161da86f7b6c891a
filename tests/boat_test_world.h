// A running world with one keelboat in steady 10-knot wind from the north, in open water.
#pragma once

#include <memory>

#include "platform/sound_sink.h"
#include "state/angles.h"
#include "state/world.h"

struct BoatWorld {
  std::unique_ptr<World> owned = std::make_unique<World>();
  World& w = *owned;
  RecordingSoundSink sounds;

  BoatWorld() {
    FillTrigTables(w.SinTable, w.CosTable);
    w.rng.Seed(1);
    w.services.sound = &sounds;
    w.SailingState = 2;
    w.ActivityMode = 0;
    w.SailingArea = 2;  // islands without an island
    w.HullClass = 6;
    w.ScaleLength = 25;
    w.MaxHeel = 23;
    w.HelmSign = -1;
    w.WindSetting = 0;
    w.WindSpeed = 10;
    w.SimSpeed = 9;
    w.SimSpeedDivisor = 139;
    w.TimeStep = 0.216;
    w.Difficulty = 1;
  }

  void Heading(int b, int h) {
    w.BoatHeadings[b] = h;
    if (b == 1) w.OwnHeading = h;
  }

  int Count(int event) const {
    int n = 0;
    for (const SoundRequest& r : sounds.Requests()) n += r.event == event ? 1 : 0;
    return n;
  }
};
