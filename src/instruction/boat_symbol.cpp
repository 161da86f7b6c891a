#include "instruction/boat_symbol.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "draw/palette.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"

int TrimmedSailAngle(int trueWindAngle) { return std::clamp(trueWindAngle / 2 - 12, 5, 80); }

void DrawBoatSymbol(World& w, Canvas& c, int boat, int x, int y, const BoatPose& pose, int bottomRow,
                    int topRow) {
  if (boat < 1 || boat > kMaxBoats) return;
  // The diagram borrows the boat's slots and the camera, and gives them back.
  const int heading = w.BoatHeadings[boat], tack = w.BoatTack[boat], twa = w.TrueWindAngles[boat];
  const int heel = w.HeelAngles[boat], sail = w.SailAngles[boat], tenths = w.BoatSpeedTenths[boat];
  const int windAtBoat = w.WindSpeedAtBoat[boat], spinnaker = w.SpinnakerFlying[boat];
  const double speed = w.BoatSpeeds[boat];
  const int viewDirection = w.ViewDirection, mode = w.IllustrationMode;

  const int off = SignedDegrees(pose.heading - pose.wind);
  const int angle = std::abs(off);
  w.BoatHeadings[boat] = NormalizeDegrees(pose.heading);
  // The wind over the starboard side (the bow turned left of it) is starboard tack.
  w.BoatTack[boat] = off < 0 ? 1 : -1;
  w.TrueWindAngles[boat] = angle;
  // Head to wind the sails flag and the boat stands up.
  w.SailAngles[boat] = angle < 30 ? 0 : TrimmedSailAngle(angle);
  w.HeelAngles[boat] = angle < 30 || pose.speedTenths == 0 ? 0 : (angle < 80 ? 15 : (angle < 130 ? 10 : 3));
  w.BoatSpeedTenths[boat] = pose.speedTenths;
  w.BoatSpeeds[boat] = pose.speedTenths;
  w.WindSpeedAtBoat[boat] = 15;
  w.SpinnakerFlying[boat] = pose.spinnaker ? 1 : 0;
  w.ViewDirection = 0;
  w.IllustrationMode = 2;

  DrawBoat(w, c, x, y, boat, 1, bottomRow, topRow);

  w.BoatHeadings[boat] = heading;
  w.BoatTack[boat] = tack;
  w.TrueWindAngles[boat] = twa;
  w.HeelAngles[boat] = heel;
  w.SailAngles[boat] = sail;
  w.BoatSpeedTenths[boat] = tenths;
  w.BoatSpeeds[boat] = speed;
  w.WindSpeedAtBoat[boat] = windAtBoat;
  w.SpinnakerFlying[boat] = spinnaker;
  w.ViewDirection = viewDirection;
  w.IllustrationMode = mode;
}

void DrawMotorVesselSymbol(World& w, Canvas& c, int x, int y, int heading, int bottomRow, int topRow) {
  const int span = std::max(bottomRow - topRow, 1);
  const double t = std::clamp(static_cast<double>(y - topRow) / span, 0.0, 1.0);
  const double len = w.ViewHeight * (0.10 + 0.06 * t);  // a little longer than a yacht
  const double squash = w.CameraDistance == 4 ? 0.6 : 0.3;
  const double a = heading * kDegToRad;
  // Plan points (lateral, forward) in hull lengths, turned and foreshortened like a boat's deck.
  auto turn = [&](double lat, double fwd) {
    const double px = lat * std::cos(a) + fwd * std::sin(a);
    const double py = -lat * std::sin(a) + fwd * std::cos(a);
    return Point{x + static_cast<int>(px * len), y - static_cast<int>(py * len * squash)};
  };
  const std::vector<Point> hull = {turn(0, 0.55), turn(0.14, 0.2), turn(0.14, -0.45), turn(-0.14, -0.45),
                                   turn(-0.14, 0.2)};
  c.SetPen(palette::kBlack);
  c.SetBrush(palette::Ink(w, palette::kLightGrey, palette::kWhite));
  c.Polygon(hull);
  const int top = static_cast<int>(len * 0.12);
  std::vector<Point> house = {turn(0.08, 0.05), turn(0.08, -0.2), turn(-0.08, -0.2), turn(-0.08, 0.05)};
  for (Point& p : house) p.y -= top;
  c.SetBrush(palette::Ink(w, palette::kCabinSide, palette::kWhite));
  c.Polygon(house);
}
