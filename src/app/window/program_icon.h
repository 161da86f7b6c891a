// The program icon, for the window and the About box.
#pragma once

#include <QIcon>
#include <QPixmap>

QPixmap ProgramPixmap();
QIcon ProgramIcon();
