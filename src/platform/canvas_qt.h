// Qt side of the canvas, for the window and the platform layer only.
#pragma once

#include <QImage>

#include "platform/canvas.h"

const QImage& CanvasImage(const Canvas& canvas);

// The frames that follow are drawn straight into `target`, an image over memory that someone
// else owns (a window's backing store), of the canvas's size in device pixels: no copy of the
// frame is needed to show it. The retained parts keep their pixels only while the same memory
// comes back; new memory starts white. A null image goes back to the canvas's own image.
// Drawing into it starts with the next BeginFrame. `target` must be the only reference to its
// data, and the memory must stay valid until StopDrawing, which ends drawing into it until the
// next frame begins.
void DrawInto(Canvas& canvas, QImage target);
void StopDrawing(Canvas& canvas);
