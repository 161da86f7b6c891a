// A running world with one keelboat in steady 10-knot wind from the north, for the boat tests.
#pragma once

#include <memory>

#include "platform/sound_sink.h"
#include "world/angles.h"
#include "world/world.h"

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
    w.SailingArea = 2;  // islands with no island: open water everywhere
    w.HullClass = 6;
    w.ScaleLength = 25;
    w.DisplacementClass = 10;
    w.SailAreaClass = 10;
    w.MaxHeel = 23;
    w.HelmSign = -1;
    w.WindSetting = 0;
    w.WindSpeed = w.BaseWindSpeed = 10;
    w.WindDirection = 0;
    w.SimSpeed = 9;
    w.SimSpeedDivisor = 139;
    w.TimeStep = 0.216;
    w.Difficulty = 1;
    w.BoatCount = 1;
  }

  void Heading(int b, int h) {
    w.BoatHeadings[b] = h;
    if (b == 1) w.OwnHeading = h;
  }

  bool Played(int event) const {
    for (const SoundRequest& r : sounds.Requests()) {
      if (r.event == event) return true;
    }
    return false;
  }
  int Beeps() const {
    int n = 0;
    for (const SoundRequest& r : sounds.Requests()) n += r.mode == SoundMode::Beep ? 1 : 0;
    return n;
  }
};
