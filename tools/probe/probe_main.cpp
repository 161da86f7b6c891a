// brisamar-probe [--seed N] [--screen WxH] [--large-menu-font 0|1] [--settings FILE|none]
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "probe_runner.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ProbeOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--seed" && hasValue) {
      char* end = nullptr;
      const unsigned long long v = std::strtoull(argv[++i], &end, 10);
      if (*end != '\0' || v > 0xFFFFFFFFull) {
        std::cerr << "brisamar-probe: bad seed\n";
        return 2;
      }
      options.seed = static_cast<uint32_t>(v);
    } else if (arg == "--screen" && hasValue) {
      if (!ParseScreenSize(argv[++i], &options.screenWidth, &options.screenHeight)) {
        std::cerr << "brisamar-probe: bad screen size\n";
        return 2;
      }
    } else if (arg == "--large-menu-font" && hasValue) {
      const std::string v = argv[++i];
      if (v != "0" && v != "1") {
        std::cerr << "brisamar-probe: --large-menu-font takes 0 or 1\n";
        return 2;
      }
      options.largeMenuFont = v == "1";
    } else if (arg == "--settings" && hasValue) {
      const std::string v = argv[++i];
      options.settingsPath = v == "none" ? std::string() : v;
    } else {
      std::cerr << "usage: brisamar-probe [--seed N] [--screen WxH] [--large-menu-font 0|1] "
                   "[--settings FILE|none] < script\n";
      return 2;
    }
  }
  QGuiApplication app(argc, argv);
  // Qt takes the C library's locale from the environment; numbers the program formats itself
  // (the debrief, the polar, the probe's answers) must keep the decimal point everywhere.
  std::setlocale(LC_NUMERIC, "C");
  int code = 0;
  {
    ProbeSession session(options);
    code = session.RunScript(std::cin, std::cout);
    session.Finish();
  }
  return code;
}
