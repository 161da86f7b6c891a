// Millisecond tick count: the real one for the window, a virtual one for tests and the probe.
#pragma once

#include <cstdint>

class TickClock {
 public:
  virtual ~TickClock() = default;
  // Milliseconds since some fixed point; wraps like a 32-bit tick counter.
  virtual uint32_t NowMs() const = 0;
};

class RealTickClock final : public TickClock {
 public:
  uint32_t NowMs() const override;
};

class VirtualTickClock final : public TickClock {
 public:
  uint32_t NowMs() const override { return now_; }
  void Advance(uint32_t ms) { now_ += ms; }
  void Set(uint32_t ms) { now_ = ms; }

 private:
  uint32_t now_ = 0;
};
