#include "input/keyboard.h"

#include "input/command_table.h"
#include "platform/key_codes.h"
#include "world/world.h"

void KeyDown(World& w, int key) {
  if (key == vk::kSpace) {
    if (w.SailingState == 0) {
      w.SailingState = 1;
      w.RepaintSuspended = 0;
      return;
    }
    if (w.Stopped == 1) {
      w.Stopped = 0;
      w.RepaintSuspended = 0;
      return;
    }
  }
  if (key == 'F') w.Stopped = w.Stopped + 1 > 1 ? 0 : w.Stopped + 1;
  if (key == 'N') {
    w.LastInstructionPage = 0;
    InvokeCommand(w, 32777);
  }
}
