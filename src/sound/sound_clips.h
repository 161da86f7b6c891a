// The clip files the player loads: one per resource id the sound events use, the finishing gun
// and the beep. They live in a "sounds" folder: next to the program in a build tree,
// share/brisamar/sounds once installed.
#pragma once

#include "platform/sound_sink.h"

struct ClipFile {
  int key;           // resource id, or kShotFileKey / kBeepKey
  const char* file;  // name inside the sounds folder
};

inline constexpr char kSoundFolder[] = "sounds";

inline constexpr ClipFile kClipFiles[] = {
    {131, "131.wav"}, {132, "132.wav"}, {133, "133.wav"}, {134, "134.wav"}, {135, "135.wav"},
    {136, "136.wav"}, {137, "137.wav"}, {138, "138.wav"}, {139, "139.wav"}, {141, "141.wav"},
    {142, "142.wav"}, {143, "143.wav"}, {144, "144.wav"}, {145, "145.wav"}, {146, "146.wav"},
    {147, "147.wav"}, {149, "149.wav"}, {150, "150.wav"}, {151, "151.wav"}, {152, "152.wav"},
    {154, "154.wav"}, {155, "155.wav"}, {156, "156.wav"}, {162, "162.wav"},
    {kShotFileKey, "shot.wav"}, {kBeepKey, "beep.wav"},
};
