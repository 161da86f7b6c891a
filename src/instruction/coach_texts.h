// The coach's advice tables: fixed paragraphs and the findings of each situation, with the
// condition under which each is shown.
#pragma once

#include <initializer_list>
#include <vector>

struct World;

// A finding: its condition on the world and the lines it writes when the condition holds.
struct CoachFinding {
  bool (*holds)(const World&) = nullptr;
  std::vector<const char*> lines;
};

// A scene of a sail lesson: title (dark red), optimum lines, then the findings (dark blue).
struct SailScene {
  const char* title;
  std::vector<const char*> optimum;
  std::vector<CoachFinding> findings;
};

// A traffic-rules scene: title and explanation lines (null-terminated), and the labels beside
// the user's boat (the one that keeps clear) and the other vessel (null where the scene has
// none).
struct TrafficScene {
  const char* lines[5];
  const char* ownLabel;
  const char* otherLabel;
};

extern const char* const kSteeringLines[2];
extern const char* const kSteeringWindLine;
extern const CoachFinding kSteeringFindings[];
extern const int kSteeringFindingCount;
extern const char* const kUpwindTechnique[5];
extern const char* const kUpwindTackTiller[2];
extern const char* const kUpwindTackWheel[2];
extern const char* const kUpwindAutopilotLine;
extern const char* const kInIronsRecovery[4];
extern const char* const kInIronsJib[2];
extern const char* const kBuoyCloseHauledLines[2];
extern const char* const kBuoyApproach[4];
extern const char* const kPierLines[4];
extern const char* const kManOverboardLines[10];
extern const char* const kCollisionLines[4];
extern const TrafficScene kTrafficScenes[4];
extern const SailScene kSailTrimScenes[8];
extern const SailScene kSailShapeScenes[9];
