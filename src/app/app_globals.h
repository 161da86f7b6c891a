// The data panel, the title screen and the control buttons.
#pragma once

#include <cstdint>

struct AppGlobals {
};
