#include "platform/key_codes.h"

#include <Qt>
#include <cctype>
#include <charconv>
#include <string>

namespace {

int FromCharacter(char16_t c) {
  switch (c) {
    case u'+': case u';': case u'=': return vk::kPlus;
    case u',': case u'<': return vk::kComma;
    case u'-': case u'_': return vk::kMinus;
    case u'.': case u'>': return vk::kPeriod;
    case u'/': case u'?': return vk::kSlash;
    case u'[': case u'{': return vk::kLBracket;
    case u']': case u'}': return vk::kRBracket;
    case u' ': return vk::kSpace;
    default: break;
  }
  if (c >= u'a' && c <= u'z') return 'A' + (c - u'a');
  if (c >= u'A' && c <= u'Z') return static_cast<int>(c);
  if (c >= u'0' && c <= u'9') return static_cast<int>(c);
  return vk::kNone;
}

}  // namespace

int VirtualKeyFromQt(int qtKey, std::u16string_view text) {
  switch (qtKey) {
    case Qt::Key_Space: return vk::kSpace;
    case Qt::Key_PageUp: return vk::kPageUp;
    case Qt::Key_PageDown: return vk::kPageDown;
    case Qt::Key_Left: return vk::kLeft;
    case Qt::Key_Up: return vk::kUp;
    case Qt::Key_Right: return vk::kRight;
    case Qt::Key_Down: return vk::kDown;
    case Qt::Key_F7: return vk::kF7;
    case Qt::Key_F8: return vk::kF8;
    case Qt::Key_F9: return vk::kF9;
    default: break;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  // Keypad plus and minus arrive as these keys with the keypad modifier.
  if (qtKey == Qt::Key_Plus) return vk::kPlus;
  if (qtKey == Qt::Key_Minus) return vk::kMinus;
  if (!text.empty()) {
    int code = FromCharacter(text.front());
    if (code != vk::kNone) return code;
  }
  if (qtKey > 0 && qtKey < 0x7F) return FromCharacter(static_cast<char16_t>(qtKey));
  return vk::kNone;
}

int VirtualKeyFromName(std::string_view name) {
  static const struct { const char* name; int code; } kNames[] = {
      {"SPACE", vk::kSpace},       {"PAGEUP", vk::kPageUp},   {"PAGEDOWN", vk::kPageDown},
      {"LEFT", vk::kLeft},         {"UP", vk::kUp},           {"RIGHT", vk::kRight},
      {"DOWN", vk::kDown},         {"F7", vk::kF7},           {"F8", vk::kF8},
      {"F9", vk::kF9},             {"PLUS", vk::kPlus},       {"COMMA", vk::kComma},
      {"MINUS", vk::kMinus},       {"PERIOD", vk::kPeriod},   {"SLASH", vk::kSlash},
      {"LBRACKET", vk::kLBracket}, {"RBRACKET", vk::kRBracket},
  };
  for (const auto& n : kNames) {
    if (name == n.name) return n.code;
  }
  if (name.size() == 1) {
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  }
  int code = -1;
  auto [ptr, ec] = std::from_chars(name.data(), name.data() + name.size(), code);
  if (ec == std::errc() && ptr == name.data() + name.size() && code > 0 && code < 256) return code;
  return -1;
}
