#include "invariants.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <cstdio>
#include <string>

#include "input/control_buttons.h"
#include "state/activity.h"
#include "state/names.h"
#include "state/pages.h"
#include "state/world.h"
#include "world/settings_file.h"

namespace {

// Which elements of a global a rule covers.
enum class Scope { All, Boats };

struct Range {
  const char* name;
  double lo, hi;
  Scope scope = Scope::All;
  bool belowHi = false;  // hi itself is out (a heading with its fraction stays below 360)
};

constexpr double kFlagLo = 0, kFlagHi = 1;

// The ranges, by the registry's names. Headings and compass directions are whole degrees
// 0..359 (the look offset is taken modulo 360 by the camera); the per-boat rules cover boats 1..BoatCount.
constexpr Range kRanges[] = {
    // Run state and what covers the view
    {"SailingState", 0, 2},
    {"RepaintSuspended", kFlagLo, kFlagHi},
    {"Stopped", kFlagLo, kFlagHi},
    {"ChartShown", kFlagLo, kFlagHi},
    {"ResultsShown", 0, 4},
    {"CoachShown", kFlagLo, kFlagHi},
    {"PolarShown", kFlagLo, kFlagHi},
    {"ReplayShown", kFlagLo, kFlagHi},
    {"ReplayPlaying", kFlagLo, kFlagHi},
    {"ReplaySpeed", 1, 16},
    {"ReplayFollow", 1, kMaxBoats},
    {"ReplayTime", 0, 1e9},
    {"LessonIntroPending", kFlagLo, kFlagHi},
    {"LessonChoice", 0, 9},
    // Options
    {"Monochrome", kFlagLo, kFlagHi},
    {"SimpleGraphics", kFlagLo, kFlagHi},
    {"JustStartCourseUpDown", kFlagLo, kFlagHi},
    {"SavedSimSpeed", 1, 15},
    {"SimSpeedDivisor", 1, 1e6},
    {"SavedSimSpeedDivisor", 1, 1e6},
    {"BestScores", 0, 200},
    {"IsOptimist", kFlagLo, kFlagHi},
    {"IsCatamaran", kFlagLo, kFlagHi},
    {"IsSkiff", kFlagLo, kFlagHi},
    {"IsSportboat", kFlagLo, kFlagHi},
    {"IsScow", kFlagLo, kFlagHi},
    // View and pointer choices
    {"CameraDistance", 1, 4},
    {"ViewDirection", 0, 359},
    {"ProjectedBearing", -179, 180},
    {"ScreenWindBearing", -179, 180},
    {"MiniViewZoom", 2, 128},
    {"MainTransparent", kFlagLo, kFlagHi},
    {"AllSailsTransparent", kFlagLo, kFlagHi},
    {"ChordLinesShown", kFlagLo, kFlagHi},
    {"LaylinesShown", kFlagLo, kFlagHi},
    {"JibAutoTrimActive", kFlagLo, kFlagHi},
    {"SpinnakerAutoTrimActive", kFlagLo, kFlagHi},
    {"GuyAutoTrimActive", kFlagLo, kFlagHi},
    {"MainAutoTrimActive", kFlagLo, kFlagHi},
    {"BearingTarget", 0, 4},
    {"SelectedTarget", 0, 3},
    {"ButtonHelpLine", 0, kHelpCount - 1},
    {"PickedBearing", -1, 359},
    {"PreviousPickedBearing", -1, 359},
    {"PolarBearing", 0, 359},
    // Sail and rig controls
    {"MainSheet", -3, 47},
    {"JibSheet", 0, 24},
    {"SpinnakerSheet", 0, 24},
    {"Traveller", 0, 4},
    {"Cunningham", 1, 3},
    {"Outhaul", 1, 3},
    {"Vang", 1, 3},
    {"SpritTension", 1, 3},
    {"MastBend", 1, 3},
    {"JibLuff", 1, 3},
    {"JibLead", 1, 3},
    {"BarberHauler", 1, 3},
    {"PoleHeight", 1, 3},
    {"Forestay", 0, 2},
    {"JibSize", 1, 3},
    {"JibFurl", 0, 100},
    {"CentreboardUp", 0, 100},
    {"SailPowerPreset", 0, 3},
    {"SkipperHike", -2, 2},
    {"Crew1Hike", -2, 2},
    {"Crew2Hike", -2, 2},
    {"CrewForeAft", -1, 1},
    {"WingOnWing", kFlagLo, kFlagHi},
    {"SpinnakerSetCommand", kFlagLo, kFlagHi},
    {"SpinnakerCollapse", 0, 100},
    // Wind and time
    // The wind update does not wrap the shifting wind: it may lie one turn either side of
    // 0..359, which every reader's single wrap brings back.
    {"WindDirection", -360, 719},
    {"MeanWindDirection", -360, 719},
    {"WindDirectionSmooth", -360, 720, Scope::All, true},
    {"BaseWindDirection", 0, 359},
    {"WindOctant", 1, 8},
    {"VeerOctant", 1, 8},
    {"WindSpeed", 0, 99},
    // The fleet
    {"BoatCount", 1, kMaxBoats},
    {"OwnHeading", 0, 360, Scope::All, true},
    {"BoatHeadings", 0, 359, Scope::Boats},
    {"WindDirectionAtBoat", 0, 359, Scope::Boats},
    {"HeelAngles", -20, 35, Scope::Boats},
    {"BoatTack", -1, 1, Scope::Boats},
    {"BoatLegs", 0, 9, Scope::Boats},
    {"BoatFinishPlace", 0, kMaxBoats, Scope::Boats},
    {"FinishCount", 0, kMaxBoats},
    {"PenaltyMessage", 0, 8},
    // Counts within their arrays
    {"WaveCrestsPlaced", 0, kMaxWaveCrests},
    {"SceneryObjectCount", 0, kMaxScenery},
    {"Grounded", kFlagLo, kFlagHi},
    {"InsidePuff", kFlagLo, kFlagHi},
};

std::string Describe(const std::string& name, int i, int j, double v) {
  std::string s = name;
  if (i >= 0) s += "[" + std::to_string(i) + "]";
  if (j >= 0) s += "[" + std::to_string(j) + "]";
  char buf[64];
  std::snprintf(buf, sizeof buf, "=%.10g", v);
  return s + buf;
}

bool IsPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

}  // namespace

bool IsValidPage(int page) {
  return page == Page::kNone || IsInstructionBox(page) ||
         (page >= Page::kFirstRacingRules && page <= Page::kLastRacingRules) ||
         (page >= Page::kFirstTrafficRules && page <= Page::kLastTrafficRules) ||
         (page >= Page::kFirstTactics && page <= Page::kLastTactics) ||
         (page >= Page::kFirstGlossary && page <= Page::kLastGlossary) ||
         (page >= Page::kFirstHelp && page <= Page::kLastHelp);
}

std::vector<std::string> CheckInvariants(World& w) {
  std::vector<std::string> out;
  const NameRegistry& names = Names();

  // Every double is finite; every ranged global within its range.
  static const std::map<std::string, const Range*, std::less<>> kByName = [] {
    std::map<std::string, const Range*, std::less<>> m;
    for (const Range& r : kRanges) m[r.name] = &r;
    return m;
  }();
  const bool boatCountValid = w.BoatCount >= 1 && w.BoatCount <= kMaxBoats;
  names.ForEachElement(w, [&](const std::string& name, int i, int j, const NameRegistry::Ref& ref) {
    const double v = ref.Get();
    if (ref.kind == NameRegistry::Kind::Double && !std::isfinite(v)) {
      out.push_back(Describe(name, i, j, v) + " (expected a finite number)");
      return;
    }
    const auto it = kByName.find(name);
    if (it == kByName.end()) return;
    const Range& r = *it->second;
    if (r.scope == Scope::Boats && (i < 1 || !boatCountValid || i > w.BoatCount)) return;
    if (v >= r.lo && (r.belowHi ? v < r.hi : v <= r.hi)) return;
    char buf[64];
    std::snprintf(buf, sizeof buf, " (expected %g..%g%s)", r.lo, r.hi, r.belowHi ? " exclusive" : "");
    out.push_back(Describe(name, i, j, v) + buf);
  });

  // Values with gaps in their ranges.
  auto require = [&](bool ok, const char* name, double v, const char* expected) {
    if (!ok) out.push_back(Describe(name, -1, -1, v) + " (expected " + expected + ")");
  };
  require(IsValidPage(w.InstructionPage), "InstructionPage", w.InstructionPage, "a page");
  require(IsValidPage(w.LastInstructionPage), "LastInstructionPage", w.LastInstructionPage, "a page");
  require(w.TutorialStep >= 0 && w.TutorialStep <= std::max(w.TutorialStepCount, 0), "TutorialStep",
          w.TutorialStep, "0..TutorialStepCount");
  require(IsPowerOfTwo(w.MiniViewZoom), "MiniViewZoom", w.MiniViewZoom, "a power of two");
  require(IsPowerOfTwo(w.ReplaySpeed), "ReplaySpeed", w.ReplaySpeed, "a power of two");
  require(w.JibFurl == 0 || w.JibFurl == 50 || w.JibFurl == 100, "JibFurl", w.JibFurl, "0, 50 or 100");
  require(w.CentreboardUp == 0 || w.CentreboardUp == 80 || w.CentreboardUp == 100, "CentreboardUp",
          w.CentreboardUp, "0, 80 or 100");
  require(w.SpinnakerCollapse == 0 || w.SpinnakerCollapse == 30 || w.SpinnakerCollapse == 100,
          "SpinnakerCollapse", w.SpinnakerCollapse, "0, 30 or 100");
  require(w.BearingTarget != 1, "BearingTarget", w.BearingTarget, "0 or a vessel 2..4");
  require(w.FinishCount <= w.BoatCount, "FinishCount", w.FinishCount, "at most BoatCount");

  // The options the settings file keeps stay within the values a load would keep.
  const int field = FirstRejectedSettingsField(w);
  if (field >= 0) {
    out.push_back("settings field " + std::to_string(field + 1) + "=" +
                  std::to_string(CollectSettings(w)[static_cast<std::size_t>(field)]) +
                  " (expected a value the settings file keeps)");
  }
  return out;
}
