#include "soak.h"

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "input/command_ids.h"
#include "probe_runner.h"
#include "sim/frame_advance.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

template <typename T>
bool Finite(T v) {
  return std::isfinite(static_cast<double>(v));
}

// A sailor who never steers sails off the chart before the time limit ends the race: the hand
// keeps the user's boat on the course. Upwind it sails close-hauled and tacks on the lay line,
// off the wind it steers for the mark through the steering zone, as the race script does.
class Hand {
 public:
  explicit Hand(ProbeSession& session) : session_(session) {}

  void Reset() {
    hauled_ = false;
    lastTack_ = -100000;
  }

  void Steer() {
    const World& w = session_.world();
    const int heading = w.BoatHeadings[1];
    const int wind = w.WindDirectionAtBoat[1];
    const double dx = w.BoatTargetX[1] - w.BoatX[1];
    const double dyNorth = w.BoatY[1] - w.BoatTargetY[1];
    const int toMark = BearingTo(dx, dyNorth);
    const int off = SignedDegrees(toMark - wind);
    const int closeHauled = w.CloseHauledAngle;
    if (std::abs(off) < closeHauled + 8) {
      if (!hauled_) {
        Send("move 200 100");
        Send("command " + std::to_string(Cmd::kCloseHauled));
        hauled_ = true;
      }
      const int tack = w.BoatTack[1];
      const int lay = closeHauled - 2;
      const bool overLayLine = (tack > 0 && off >= lay) || (tack < 0 && off <= -lay);
      if (overLayLine && w.AutoManoeuvre == 0 && w.SimSeconds - lastTack_ > 20) {
        Send("command " + std::to_string(Cmd::kTack));
        lastTack_ = w.SimSeconds;
      }
      return;
    }
    // Stopped head to wind, neither a tack nor the helm toward the mark brings the boat round:
    // it bears away on the tack it is on to a beam reach to gather way first.
    if (w.SimSeconds > 0 && w.BoatSpeeds[1] < 10 && w.AutoManoeuvre == 0) {
      SteerFor(heading, wind + (SignedDegrees(heading - wind) >= 0 ? 100 : -100));
      return;
    }
    // Steering for a mark on the other tack would turn the boat through the wind and leave it in
    // irons: it tacks first.
    if (std::abs(off) < 90 && SignedDegrees(heading - wind) * off < 0) {
      if (w.AutoManoeuvre == 0 && w.SimSeconds - lastTack_ > 20) {
        Send("move 200 100");
        Send("command " + std::to_string(Cmd::kTack));
        lastTack_ = w.SimSeconds;
        hauled_ = false;
      }
      return;
    }
    int want = toMark;
    // A dead run is sailed 15 degrees off, on the present gybe.
    if (std::abs(off) > 165) want = wind + 180 + (SignedDegrees(heading - wind) > 0 ? 15 : -15);
    SteerFor(heading, want);
  }

 private:
  // The cursor in the steering zone, off its centre as far as the turn still to make.
  void SteerFor(int heading, int want) {
    const World& w = session_.world();
    const int error = SignedDegrees(NormalizeDegrees((want % 360 + 360) % 360) - heading);
    const int reach = std::clamp(6 * error, -160, 160);
    const int x = w.ZoneCentreX + static_cast<int>(w.HelmSign * reach * w.ScaleX / 2);
    Send("move " + std::to_string(x) + " " + std::to_string(w.ZoneTop + 40));
    hauled_ = false;
  }

  void Send(const std::string& line) {
    std::ostringstream ignored;
    session_.RunLine(line, ignored);
  }

  ProbeSession& session_;
  bool hauled_ = false;
  int lastTack_ = -100000;
};

int SpeedCommand(int speed) {
  speed = std::clamp(speed, 1, 15);
  return speed <= 10 ? Cmd::kSimSpeed1 + speed - 1 : Cmd::kSimSpeed11 + speed - 11;
}

bool Running(const World& w) {
  return w.SailingState == 2 && w.ResultsShown == 0 && w.ChartShown == 0 && w.PolarShown == 0 &&
         w.InstructionPage == 0;
}

}  // namespace

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

std::string CheckFleet(const World& w) {
  for (int b = 1; b <= w.BoatCount; ++b) {
    const bool finite = Finite(w.BoatX[b]) && Finite(w.BoatY[b]) && Finite(w.BoatHeadings[b]) &&
                        Finite(w.BoatSpeeds[b]) && (b != 1 || Finite(w.OwnHeading));
    const bool inside = std::abs(w.BoatX[b]) <= kSoakYardLimit && std::abs(w.BoatY[b]) <= kSoakYardLimit;
    if (finite && inside) continue;
    std::ostringstream out;
    out << "boat " << b << (finite ? " beyond the limit" : " not finite") << ": x=" << w.BoatX[b]
        << " y=" << w.BoatY[b] << " heading=" << w.BoatHeadings[b] << " speed=" << w.BoatSpeeds[b] << " leg=" << w.BoatLegs[b] << " mark at "
        << w.BoatTargetX[b] << "," << w.BoatTargetY[b] << " at " << w.SimSeconds << " s";
    return out.str();
  }
  return {};
}

SoakReport RunSoak(const SoakOptions& options, std::ostream* log) {
  ProbeOptions probe;
  probe.seed = options.seed;
  probe.screenWidth = 1280;
  probe.screenHeight = 768;
  ProbeSession session(probe);
  World& w = session.world();
  Hand hand(session);
  SoakReport report;
  std::ostringstream ignored;
  auto send = [&](const std::string& line) { session.RunLine(line, ignored); };
  auto start = [&] {
    send("key SPACE");  // the start request
    session.Paint();
    send("key SPACE");  // closes the instruction box
    hand.Reset();
    ++report.races;
    report.startEndKb = ResidentKb();
  };

  send("command " + std::to_string(Cmd::kTriangleRace));
  send("command " + std::to_string(Cmd::kBigFleet));
  send("command " + std::to_string(SpeedCommand(options.simSpeed)));
  start();
  if (w.BoatCount != 10 || w.ActivityMode != Activity::kTriangleRace || w.SimSpeed != options.simSpeed) {
    report.fault = "the race did not start with ten boats at the speed asked for";
    report.faults = 1;
    return report;
  }
  const int paintEvery = std::max(options.paintEvery, 1);
  for (long long frame = 1; frame <= options.frames; ++frame) {
    if (frame % paintEvery == 0 || !Running(w)) {
      session.Paint();
    } else {
      AdvanceWorld(w);
    }
    report.frames = frame;
    if (frame % 6 == 0 && Running(w)) hand.Steer();
    if (w.ResultsShown > 0) {
      session.Paint();  // the results screen, then the next sailing
      ++report.finished;
      send("key N");
      session.Paint();
      start();
    }
    if (options.checkEvery > 0 && frame % options.checkEvery == 0) {
      ++report.checks;
      session.sounds().Clear();  // the recording sink would grow for ever
      const std::string fault = CheckFleet(w);
      if (!fault.empty()) {
        ++report.faults;
        if (report.fault.empty()) report.fault = "frame " + std::to_string(frame) + ": " + fault;
        if (log) *log << "frame " << frame << ": " << fault << std::endl;
        if (!options.keepGoing) break;
      }
    }
    if (frame == options.rssMark) {
      report.rssMarkKb = PeakRssKb();
      report.residentMarkKb = ResidentKb();
      report.startMarkKb = report.startEndKb;
      if (log) {
        *log << "frame " << frame << ": peak RSS " << report.rssMarkKb << " kB, resident " << report.residentMarkKb
             << " kB, races " << report.races << std::endl;
      }
    }
  }
  report.paints = session.paints();
  report.rssEndKb = PeakRssKb();
  report.residentEndKb = ResidentKb();
  return report;
}
