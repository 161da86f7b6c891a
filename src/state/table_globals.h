// Tables filled once when the document is created.
#pragma once

#include <array>
#include <cstdint>

struct TableGlobals {
  std::array<int32_t, 701> RandomTable{};  // draws of RandomBelow(100), for scattered details
  std::array<int32_t, 362> SinTable{};     // trunc(100 sin d), d = 0..361
  std::array<int32_t, 362> CosTable{};
};
