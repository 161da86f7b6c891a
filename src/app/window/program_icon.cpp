#include "app/window/program_icon.h"

// Written by resources/make_icon.sh.
#include "../../../resources/brisamar_icon.xpm"

QPixmap ProgramPixmap() { return QPixmap(kBrisamarIcon); }

QIcon ProgramIcon() { return QIcon(ProgramPixmap()); }
