// The hull classes the boat types fall into (HullClass). 4 and 8 belong to no boat type.
#pragma once

#include <cstdint>

namespace Hull {
constexpr int32_t kSingleHander = 1;     // the training dinghy and the one-person dinghy
constexpr int32_t kTwoPerson = 2;
constexpr int32_t kSpinnakerDinghy = 3;  // also the skiff
constexpr int32_t kCruiser = 5;
constexpr int32_t kKeelboat = 6;         // also the sportboat and the scow
constexpr int32_t kOffshoreRacer = 7;
constexpr int32_t kUnusedFour = 4;       // tests of 4 and 8 stay inert
constexpr int32_t kUnusedEight = 8;
constexpr int32_t kCatamaran = 9;
constexpr int32_t kOffshoreCatamaran = 10;
// Below this the boat is a dinghy: it capsizes, and its crew hikes.
constexpr int32_t kFirstKeelClass = 5;
}  // namespace Hull
