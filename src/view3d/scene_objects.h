// Everything that stands on the water of the sailing view: islands and rocks, the docking
// pier, buoys, race marks and the pin, the swimmer, the committee boat and the boats, drawn
// from the farthest to the nearest.
#pragma once

#include <array>

#include "platform/canvas.h"
#include "state/view_globals.h"

struct World;

enum class SceneItemKind { None, Scenery, GateBuoy, MooringBuoy, Mark, Pin, CommitteeBoat, Pier, Swimmer, Boat, Vessel };

struct SceneItem {
  SceneItemKind kind = SceneItemKind::None;
  int index = 0;  // scenery object or boat number
  double x = 0, y = 0;
};

// The object list of this frame, numbered 1..count as the far-to-near order expects: scenery
// 1..5, the course or exercise objects 6..10, boat b at 10 + b; the islands' objects 6..12
// follow the user's boat at 12..18. Returns count.
int CollectSceneItems(const World& w, std::array<SceneItem, kMaxDrawObjects + 1>& items);

// Projects every item, orders them far to near and draws them.
void DrawSceneObjects(World& w, Canvas& c, const Rect& scene);

// Island, rock or the land behind the pier, from its outline points. An object wholly beyond
// the left or right edge of the scene is not drawn, though the canvas is left with the pen,
// brush and pen position drawing it would have left.
void DrawScenery(World& w, Canvas& c, int i, const Rect& scene);
