// Qt side of the canvas, for the window and the platform layer only.
#pragma once

#include <QImage>

#include "platform/canvas.h"

const QImage& CanvasImage(const Canvas& canvas);
