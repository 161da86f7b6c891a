// The document: owns the world and the platform services; loads the settings when it is
// created and saves them when it is destroyed.
#pragma once

#include <memory>
#include <string>

#include "platform/sound_sink.h"
#include "platform/tick_clock.h"
#include "state/world.h"

class CBRMDoc {
 public:
  // settingsPath: where the settings are read and saved; its folder is created when missing.
  CBRMDoc(int screenWidth, int screenHeight, std::string settingsPath);
  ~CBRMDoc();
  CBRMDoc(const CBRMDoc&) = delete;
  CBRMDoc& operator=(const CBRMDoc&) = delete;

  World& world() { return *world_; }

 private:
  std::unique_ptr<World> world_;
  RealTickClock clock_;
  std::unique_ptr<SoundSink> sound_;
  std::string settingsPath_;
};
