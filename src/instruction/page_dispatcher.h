// The page drawn over the frame while InstructionPage is set: pages 1..100 are the current
// activity's instruction box; from 101 on a page covers the whole width (the lessons' pages,
// the glossary, the help), and every one of them ends with the red line that says how to go on.
#pragma once

#include "platform/canvas.h"

struct World;

// 18 pixels, 15 on the smallest screens.
int PageLineHeight(const World& w);

// The rounded box of pages 1..100: beside the sheet bar under the sailing view, or over the
// upper half of the view while a lesson's introduction is pending.
Rect InstructionBoxRect(const World& w);

// Called by the paint handler while sailing with InstructionPage > 0, and by the title screen
// with InstructionPage > 600.
void DrawInstructionPage(World& w, Canvas& c);

// The area a page from 101 on covers: the whole view, or the top third for the explanation of
// the current screen outside the lessons.
Rect PageArea(const World& w);
