// The one way tests and benchmarks build a World: name what matters (boat type, activity,
// area, wind, seed, screen) and leave every other value at its built-in.
//
//   auto w = TestWorld().Activity(Activity::kMooring).Area(3).Seed(7).View(1280, 720).Start();
//   auto w = TestWorld().Sailing().Sound(&sounds).Build();   // a keelboat sailing in open water
//
// Only what is named is written, in a fixed order: seed, options, wind, the sailing preset,
// screen or view, sound; Start() then runs the activity's set-up as the space bar does.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "app/paint.h"
#include "platform/sound_sink.h"
#include "sim/activity_start.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "state/world.h"

class TestWorld {
 public:
  TestWorld& Type(int32_t boatType) { type_ = boatType; return *this; }
  TestWorld& Activity(int32_t mode) { mode_ = mode; return *this; }
  TestWorld& Area(int32_t area) { area_ = area; return *this; }
  // Speed in knots from a compass direction: the wind now, and the base the weather starts from.
  TestWorld& Wind(int32_t speed, int32_t direction = 0) {
    windSpeed_ = speed;
    windDirection_ = direction;
    return *this;
  }
  TestWorld& Seed(uint32_t seed) { seed_ = seed; return *this; }
  TestWorld& Fleet(int32_t boats) { boats_ = boats; return *this; }
  // The trig tables, as the document fills them at creation.
  TestWorld& Tables() { tables_ = true; return *this; }
  // A keelboat already running at the default simulator speed, in steady wind, free sailing in
  // the islands area (which has no island before its set-up), difficulty 1: what the boat model
  // needs without an activity's set-up. Fills the trig tables.
  TestWorld& Sailing() { sailing_ = true; tables_ = true; return *this; }
  // The frame the paint handler lays out for a screen of this size (menu bar `menuBar` high).
  TestWorld& Screen(int width, int height, int menuBar = 19) {
    screen_ = ScreenMetrics{width, height, 32, menuBar, 0, 0};
    return *this;
  }
  // Only the view's size, for routines that read nothing else of the frame.
  TestWorld& View(int width, int height) {
    viewWidth_ = width;
    viewHeight_ = height;
    return *this;
  }
  TestWorld& Sound(SoundSink* sink) { sound_ = sink; return *this; }

  std::unique_ptr<World> Build() const {
    auto owned = std::make_unique<World>();
    World& w = *owned;
    if (seed_) w.rng.Seed(*seed_);
    if (tables_) FillTrigTables(w.SinTable, w.CosTable);
    if (sailing_) {
      w.SailingState = 2;
      w.ActivityMode = Activity::kFreeSailing;
      w.SailingArea = 2;
      w.HullClass = Hull::kKeelboat;
      w.ScaleLength = 25;
      w.MaxHeel = 23;
      w.HelmSign = -1;
      w.WindSetting = 0;
      w.SimSpeed = 9;
      w.SimSpeedDivisor = 139;
      w.TimeStep = 0.216;
      w.Difficulty = 1;
    }
    if (type_) w.BoatType = *type_;
    if (mode_) w.ActivityMode = *mode_;
    if (area_) w.SailingArea = *area_;
    if (boats_) w.BoatCount = *boats_;
    if (windSpeed_) {
      w.WindSpeed = w.BaseWindSpeed = *windSpeed_;
      w.WindDirection = w.BaseWindDirection = w.MeanWindDirection = *windDirection_;
      w.WindDirectionSmooth = *windDirection_;
    }
    if (screen_) ComputeScreenMetrics(w, *screen_);
    if (viewWidth_) {
      w.ViewWidth = *viewWidth_;
      w.ViewHeight = *viewHeight_;
    }
    if (sound_) w.services.sound = sound_;
    return owned;
  }

  // Build(), then the activity's set-up as the space bar starts it.
  std::unique_ptr<World> Start() const {
    auto w = Build();
    StartActivity(*w);
    return w;
  }

 private:
  std::optional<int32_t> type_, mode_, area_, boats_, windSpeed_, windDirection_;
  std::optional<uint32_t> seed_;
  std::optional<ScreenMetrics> screen_;
  std::optional<int> viewWidth_, viewHeight_;
  SoundSink* sound_ = nullptr;
  bool tables_ = false;
  bool sailing_ = false;
};
