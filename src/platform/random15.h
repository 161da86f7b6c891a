// The classic C library's 15-bit linear congruential generator: the same seed always gives
// the same sequence, on every platform.
#pragma once

#include <cstdint>

class Random15 {
 public:
  void Seed(uint32_t seed) { state_ = seed; }
  // 0..32767
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }
  uint32_t State() const { return state_; }

 private:
  uint32_t state_ = 1;
};
