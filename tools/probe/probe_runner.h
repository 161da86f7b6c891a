// The headless scenario runner: reads probe commands, drives the same paint handler and the
// same command, key and mouse handlers as the window, on a virtual clock.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "app/paint.h"
#include "platform/canvas.h"
#include "platform/sound_sink.h"
#include "platform/tick_clock.h"
#include "state/world.h"

struct ProbeOptions {
  uint32_t seed = 1;
  int screenWidth = 1920;
  int screenHeight = 1080;
  int largeMenuFont = 0;
  std::string settingsPath;  // empty: built-in values, nothing written
};

class ProbeSession {
 public:
  explicit ProbeSession(const ProbeOptions& options);
  ~ProbeSession();

  // Runs one script line; output goes to out. Returns false when the line was an error.
  bool RunLine(const std::string& line, std::ostream& out);
  // Runs a whole script; returns the exit code (0 clean, 2 when any line failed).
  int RunScript(std::istream& in, std::ostream& out);
  // The document is destroyed: saves the settings when a file was given.
  void Finish();

  World& world() { return *world_; }
  Canvas& canvas() { return *canvas_; }
  RecordingSoundSink& sounds() { return sounds_; }
  long long paints() const { return paints_; }
  // One paint, as the window's paint event; false when the loop is stopped by a menu.
  bool Paint();
  // A key-down, as the window delivers it (a page drawn once earns its one paint).
  void Key(int virtualKey);

 private:
  ScreenMetrics Metrics() const;

  ProbeOptions options_;
  std::unique_ptr<World> world_;
  VirtualTickClock clock_;
  RecordingSoundSink sounds_;
  std::unique_ptr<Canvas> canvas_;
  long long paints_ = 0;
  bool finished_ = false;
  bool paintOnce_ = false;
};

// Parses "WxH".
bool ParseScreenSize(const std::string& text, int* width, int* height);
