// A running world with one keelboat in steady 10-knot wind from the north, in open water,
// with a recording sound sink.
#pragma once

#include <memory>

#include "platform/sound_sink.h"
#include "test_world.h"

struct BoatWorld {
  RecordingSoundSink sounds;
  std::unique_ptr<World> owned;
  World& w;

  // `more` names what else the test needs (a screen, a boat type, ...).
  explicit BoatWorld(TestWorld more = TestWorld())
      : owned(more.Sailing().Wind(10).Seed(1).Sound(&sounds).Build()), w(*owned) {}

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
