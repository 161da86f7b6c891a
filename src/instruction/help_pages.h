// The help pages and the glossary: pages of text with next and back buttons.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

struct World;

// The page that explains the screen being shown.
constexpr int kScreenHelpPage = 903;

// Draws help page 901..913 or glossary page 601..609 inside `area`, with its frame.
void DrawHelpOrGlossaryPage(World& w, Canvas& c, const Rect& area);

// The lines of a page (the title first); empty for a number with no page. The screen
// explanation depends on what is shown.
std::vector<std::string> HelpPageLines(const World& w, int page);
std::vector<std::string> GlossaryPageLines(int page);
