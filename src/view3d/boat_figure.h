// What the part routines of one boat drawing share: the boat's look, its scale, its attitude
// relative to the camera, and the turn from the boat's own frame to the screen.
//
// Points of the boat's frame are given as lateral offset (+ starboard), aft offset from the mast
// step (+ aft) and height above the waterline, all in screen pixels before turning.
#pragma once

#include <vector>

#include "platform/canvas.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"

// The families of boats, each drawn with its own proportions.
enum class BoatLook {
  Optimist,
  SingleHander,
  DoubleHander,
  SpinnakerDinghy,
  Skiff,
  CruisingSloop,
  Catamaran,
  OffshoreCatamaran,
  Keelboat,
  Sportboat,
  OffshoreRacer,
  Scow,
  Committee,
};

enum class MainStyle { Pinhead, Sprit, SquareTop };
enum class SailCloth { White, Cream, Laminate, Smoke, Carbon, Striped };

// Proportions of one family. Lengths are in hull spacings g (a tenth of the mast scale), the
// mast in mast scales, the beam as a multiple of the standard half-beam 0.85 u.
struct Proportions {
  double beam;
  bool fullStern;
  double freeboard;
  double mastHeight;
  double boomLength;
  double boomHeight;  // above the deck
  double jibHeight;   // of the mast height; 0 without a jib
  double jibFoot;     // of the stem-to-mast distance
  MainStyle main;
  double crewSize;    // seated torso
  double crewAft[5];  // positions aft of the mast step
  double bowsprit;    // length of the bowsprit for an asymmetric spinnaker
  bool trapeze;       // the crew (and on catamarans the skipper) stand on a trapeze
  bool racks;         // wings for hiking
  bool carbon;        // black mast and boom
  SailCloth cloth;
  bool standingRig;   // backstay, spreaders and lifelines of a keelboat
  bool teakDeck;
};

const Proportions& ProportionsOf(BoatLook look);
BoatLook LookFor(const World& w, int boat);

struct Vec3 {
  double lat = 0, aft = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.lat + b.lat, a.aft + b.aft, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.lat - b.lat, a.aft - b.aft, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double k) { return {a.lat * k, a.aft * k, a.z * k}; }
inline Vec3 Lerp(Vec3 a, Vec3 b, double t) { return a + (b - a) * t; }

struct BoatFigure {
  World& w;
  Canvas& c;
  int boat = 1;
  int viewer = 1;
  int x0 = 0, y0 = 0;  // the boat's screen point: the mast step
  BoatLook look = BoatLook::Keelboat;
  const Proportions* shape = nullptr;

  // Scale.
  double sigma = 0;  // size factor
  double u = 0;      // boat unit
  double m = 0;      // mast scale
  double g = 0;      // hull spacing, m / 10
  double halfBeam = 0;
  double freeboard = 0;
  double mastHeight = 0;
  double crewSize = 0;
  double squash = 0.3;  // foreshortening of the deck plane
  Color hullColor;

  // Attitude.
  int rho = 0;  // heading relative to the camera, -179..180
  double sinRho = 0, cosRho = 1;
  int tack = 1;  // +1 starboard: the wind comes over the starboard side
  int heel = 0;
  double sinHeel = 0, cosHeel = 1;
  double pitch = 0;
  int speedTenths = 0;

  // Choices.
  int budget = 0;
  bool user = false;
  bool live = true;
  bool far = false;  // above the far row
  bool mono = false;
  bool simple = false;
  bool leeSideSeen = false;
  bool catamaran = false;
  bool sailless = false;
  bool spinnakerFlying = false;
  bool spinnakerPoints = false;  // the spinnaker's outline points were made

  // Sail geometry worked out with the outlines.
  double boomZ = 0;      // height of the boom
  double luffTopZ = 0;   // where the main's luff ends on the mast
  double forestayZ = 0;  // where the forestay meets the mast; 0 without a jib
  double mainTwist = 0;  // degrees the leech opens from the boom to the head
  double jibFurl = 0;    // 0 open .. 1 rolled up
  bool jibPoints = false;

  // Windward lateral sign: the crew hike to this side, the boom swings to the other.
  int Windward() const { return tack; }
  int Leeward() const { return -tack; }

  // Turns a point of the boat's frame to the screen.
  Point Turn(Vec3 p) const;
  // Stores outline point i (plan, offset, polar form) and turns it when the budget allows.
  void SetPoint(int i, Vec3 p);
  Vec3 Get(int i) const;
  Point P(int i) const;
  // The hull outline is always turned; the rig and spinnaker points only within the budget.
  bool Has(int i) const { return i <= 16 || i < budget; }

  void Record(BoatPart part);

  // Pen and brush helpers that fall back to black and white in monochrome.
  void Pen(Color color, int width = 1);
  void Brush(Color color);
  void FillPolygon(const std::vector<Point>& points, Color fill, Color edge);
  int PenWidth(double fraction) const;  // a width that grows with the boat
};

// Outline construction and hull part routines.
void BuildHullOutline(BoatFigure& f);
void DrawHull(BoatFigure& f);
void DrawBowWaves(BoatFigure& f);
void DrawFittings(BoatFigure& f);
void DrawCabinAndCockpit(BoatFigure& f);
void DrawCommitteeFlag(BoatFigure& f);
void DrawTiller(BoatFigure& f);
void DrawWheel(BoatFigure& f);
double HalfBeamAt(const BoatFigure& f, double aft);
// The waterline point below a deck-edge point.
Vec3 Waterline(const BoatFigure& f, Vec3 deck);

// Sails and rig.
void BuildSailOutlines(BoatFigure& f);
void DrawMain(BoatFigure& f);
void DrawJib(BoatFigure& f);
void DrawSpinnaker(BoatFigure& f);
void DrawWhiskerJib(BoatFigure& f);
void DrawMainTelltales(BoatFigure& f);
void DrawJibTelltales(BoatFigure& f);
void DrawChordLines(BoatFigure& f);
void DrawMast(BoatFigure& f);

// Crew: member 1 the skipper, 2 and 3 the crew, 4 and 5 the offshore racer's extra hands.
void DrawCrewMember(BoatFigure& f, int member);
int CrewHikeOf(const BoatFigure& f, int member);

// Wakes.
void DrawWake(BoatFigure& f);
void DrawCatamaranWake(BoatFigure& f, bool windwardHull);
