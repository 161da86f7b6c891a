// brisamar-storm [--seed N] [--events N] [--activity K] [--fuzz N] [--screen WxH]
// Throws N hostile events at every activity (or activity K of the list) and checks every
// global after each activity's storm and periodically during it; then loads N damaged
// settings files. Prints the counts and every value found out of range; exits 1 when any
// was found. A hang (one event running for more than 60 s) or a crash names the activity,
// the event and the seed that reproduce it.
#include <QGuiApplication>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "probe_runner.h"
#include "settings_fuzz.h"
#include "storm.h"

namespace {

// What the signal handlers report: set before each event.
char gWhere[256] = "start";

void WriteWhere(const char* what) {
  const ssize_t a = write(2, what, std::strlen(what));
  const ssize_t b = write(2, gWhere, std::strlen(gWhere));
  const ssize_t c = write(2, "\n", 1);
  (void)a, (void)b, (void)c;
}

void OnHang(int) {
  WriteWhere("brisamar-storm: hang at ");
  _exit(3);
}

void OnCrash(int sig) {
  WriteWhere("brisamar-storm: crash at ");
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

bool ParseLong(const char* text, long* value) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (*end != '\0' || v < 0) return false;
  *value = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  StormOptions options;
  long fuzzFiles = 100000;
  long only = -1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    long v = 0;
    const bool hasValue = i + 1 < argc;
    if (arg == "--seed" && hasValue && ParseLong(argv[++i], &v)) {
      options.seed = static_cast<uint32_t>(v);
    } else if (arg == "--events" && hasValue && ParseLong(argv[++i], &v)) {
      options.events = v;
    } else if (arg == "--activity" && hasValue && ParseLong(argv[++i], &v)) {
      only = v;
    } else if (arg == "--fuzz" && hasValue && ParseLong(argv[++i], &v)) {
      fuzzFiles = v;
    } else if (arg == "--screen" && hasValue &&
               ParseScreenSize(argv[++i], &options.screenWidth, &options.screenHeight)) {
    } else {
      std::fprintf(stderr,
                   "usage: brisamar-storm [--seed N] [--events N] [--activity K] [--fuzz N] [--screen WxH]\n");
      return 2;
    }
  }
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  std::signal(SIGALRM, OnHang);
  std::signal(SIGSEGV, OnCrash);
  std::signal(SIGABRT, OnCrash);
  std::signal(SIGFPE, OnCrash);

  int found = 0;
  const auto& activities = StormActivities();
  std::printf("storm: seed %u, %ld events per activity, screen %dx%d\n", options.seed, options.events,
              options.screenWidth, options.screenHeight);
  std::printf("%-34s %8s %8s %8s %6s %8s %8s %8s %7s  %s\n", "activity", "events", "cmd run", "refused",
              "menus", "keys", "mouse", "frames", "checks",
              "frames: title/sailing/chart/page/polar/results/replay");
  for (std::size_t k = 0; k < activities.size(); ++k) {
    if (only >= 0 && static_cast<long>(k) != only) continue;
    const StormActivity& a = activities[k];
    const StormCounts c = RunStorm(a, options, [&](long n) {
      std::snprintf(gWhere, sizeof gWhere, "activity %zu (%s), event %ld, seed %u", k, a.name, n, options.seed);
      alarm(60);
    });
    alarm(0);
    std::printf("%2zu %-31s %8ld %8ld %8ld %6ld %8ld %8ld %8ld %7ld  %ld/%ld/%ld/%ld/%ld/%ld/%ld\n", k, a.name,
                c.events, c.commandsRun, c.commandsRefused, c.menusOpened, c.keys, c.mouse, c.frames, c.checks,
                c.titleFrames, c.sailingFrames, c.chartFrames, c.pageFrames, c.polarFrames, c.resultsFrames,
                c.replayFrames);
    for (const std::string& v : c.violations) std::printf("   out of range: %s\n", v.c_str());
    found += static_cast<int>(c.violations.size());
    std::fflush(stdout);
  }

  if (fuzzFiles > 0) {
    SettingsFuzzOptions f;
    f.seed = options.seed;
    f.files = fuzzFiles;
    f.directory = std::filesystem::temp_directory_path().string();
    std::snprintf(gWhere, sizeof gWhere, "settings fuzz, seed %u", options.seed);
    const SettingsFuzzCounts c = FuzzSettingsFiles(f);
    std::printf("settings fuzz: %ld files, %ld loaded, %ld built-in, %ld sailed; by damage:", c.files, c.loaded,
                c.builtIn, c.sailed);
    for (long n : c.byDamage) std::printf(" %ld", n);
    std::printf("\n");
    for (const std::string& v : c.faults) std::printf("   fault: %s\n", v.c_str());
    found += static_cast<int>(c.faults.size());
  }
  std::printf("%s\n", found == 0 ? "storm: nothing out of range" : "storm: faults found");
  return found == 0 ? 0 : 1;
}
