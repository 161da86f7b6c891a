// Virtual-key codes the keyboard handler understands, and the mapping from Qt key events.
#pragma once

#include <string_view>

namespace vk {
constexpr int kNone = 0;
constexpr int kSpace = 32;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kF7 = 118;
constexpr int kF8 = 119;
constexpr int kF9 = 120;
constexpr int kPlus = 187;    // the key that types "+"
constexpr int kComma = 188;
constexpr int kMinus = 189;
constexpr int kPeriod = 190;
constexpr int kSlash = 191;
constexpr int kLBracket = 219;
constexpr int kRBracket = 221;
}  // namespace vk

// Maps a Qt key (Qt::Key value) and the text it typed to a virtual-key code, or vk::kNone.
// Punctuation goes by the character typed, so "+" works whichever layout produced it.
int VirtualKeyFromQt(int qtKey, std::u16string_view text);

// Probe names: SPACE, A..Z, 0..9, PAGEUP, ..., or a decimal code. Returns -1 when unknown.
int VirtualKeyFromName(std::string_view name);
