// Instruction boxes, tutorial pages, help and glossary pages.
#pragma once

#include <cstdint>

struct InstructionGlobals {
};
