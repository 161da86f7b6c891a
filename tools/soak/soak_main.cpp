// brisamar-soak [--frames N] [--check-every K] [--paint-every P] [--speed S] [--seed N]
// [--rss-mark F] [--keep-going 0|1]: the endurance run of a 10-boat race; exits 1 when a check
// broke.
#include <QGuiApplication>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>

#include "soak.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  SoakOptions options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const long long value = std::atoll(argv[i + 1]);
    if (name == "--frames") options.frames = value;
    else if (name == "--check-every") options.checkEvery = static_cast<int>(value);
    else if (name == "--paint-every") options.paintEvery = static_cast<int>(value);
    else if (name == "--speed") options.simSpeed = static_cast<int>(value);
    else if (name == "--seed") options.seed = static_cast<uint32_t>(value);
    else if (name == "--rss-mark") options.rssMark = value;
    else if (name == "--keep-going") options.keepGoing = value != 0;
    else {
      std::cerr << "unknown option " << name << "\n";
      return 2;
    }
  }
  const auto begin = std::chrono::steady_clock::now();
  const SoakReport r = RunSoak(options, &std::cout);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  std::cout << "frames " << r.frames << " paints " << r.paints << " checks " << r.checks << " races "
            << r.races << " finished " << r.finished << " seconds " << seconds << "\n"
            << "peak RSS at frame " << options.rssMark << ": " << r.rssMarkKb << " kB, at the end: " << r.rssEndKb
            << " kB\n"
            << "resident at frame " << options.rssMark << ": " << r.residentMarkKb << " kB, at the end: "
            << r.residentEndKb << " kB\n"
            << "resident as a race began, last before frame " << options.rssMark << ": " << r.startMarkKb
            << " kB, last of all: " << r.startEndKb << " kB\n";
  if (!r.fault.empty()) {
    std::cout << "FAULT " << r.faults << " broken checks, the first at " << r.fault << "\n";
    return 1;
  }
  std::cout << "ok\n";
  return 0;
}
