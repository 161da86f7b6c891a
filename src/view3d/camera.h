// The camera of the sailing view: where it looks, and where a world point lands on the screen.
#pragma once

#include "platform/canvas.h"

struct World;

// The view direction for this frame, from the user's heading, the look angle and the zoom.
void UpdateViewDirection(World& w);

// SceneCentreX, HorizonY and SceneTop for a scene rectangle.
void SetSceneGeometry(World& w, const Rect& scene);
int HorizonRow(const World& w, int sceneHeight, int sceneBottom);

// Projects world point (x, y) seen from boat `viewer` into slot `slot`: writes ProjectedX,
// ProjectedY, ProjectedDistance and ProjectedBearing.
void Project(World& w, int slot, double x, double y, int viewer = 1);
inline void Project(World& w, int slot, int x, int y, int viewer = 1) {
  Project(w, slot, static_cast<double>(x), static_cast<double>(y), viewer);
}

// Whether every point within `radius` of world point (x, y) projects, as Project projects it
// for the user's boat, to a column left of leftColumn, or every one to a column right of
// rightColumn. False whenever that cannot be told without projecting the points.
bool DiscBeyondColumns(const World& w, double x, double y, double radius, int leftColumn, int rightColumn);

// Fills DrawOrder[1..count] from DrawKey[1..count]: the smallest row first, ties in list order.
void OrderObjects(World& w, int count);
