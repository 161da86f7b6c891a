// The racing rules between all boats: mark touches, recalls, port and starboard, windward and
// leeward, clear astern, tacking too close, room at the marks. A breach is paid for at once by
// moving the boat: behind the line before 20 units into the race, 150 yards back after.
#pragma once

#include <string>

struct World;

namespace PenaltyCode {
constexpr int kMarkTouch = 1;
constexpr int kRecall = 2;
constexpr int kRoom = 3;
constexpr int kPortStarboard = 4;
constexpr int kWindward = 5;
constexpr int kClearAstern = 6;
constexpr int kTackingTooClose = 7;
constexpr int kAground = 8;
}  // namespace PenaltyCode

// The message line's text for a penalty code; empty for 0 or an unknown code.
const char* PenaltyText(int code);

// Zero or more: boat k is level with or to windward of boat j.
int WindwardOf(const World& w, int k, int j);
// How far boat k is further upwind than boat j.
int CrossingMargin(const World& w, int j, int k);
// Positive when boat k is upwind of boat j.
int UpwindLead(const World& w, int k, int j);
// The crossing limit of a port boat k meeting a starboard boat, with k's course error.
int CrossingLimit(const World& w, int k, int courseError);

// The two penalty moves.
void SendBehindLine(World& w, int k);
void PushBack(World& w, int k);
// Boat k penalised now; the user's boat shows `code`. The room penalty always pushes back.
void PenaliseBoat(World& w, int k, int code);

// Every step of every boat in a race.
void CheckMarkTouchAndRecall(World& w, int k);
// Boats k and j within contact distance; k is the boat doing the scan.
void CheckContact(World& w, int k, int j);
// The contact scan of boat k against every other boat.
void CheckContacts(World& w, int k);
// The user's boat near boat j (look-ahead box distance d): the warning and its voice.
void WarnUser(World& w, int d, int j);
// Once a frame, before the boats move: last frame's warning becomes the active one.
void LatchRightOfWayWarning(World& w);
