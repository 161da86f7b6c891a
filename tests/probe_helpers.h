// Runs probe scripts inside the test process.
#pragma once

#include <sstream>
#include <string>

#include "probe_runner.h"

struct ProbeRun {
  int exitCode = 0;
  std::string output;
};

inline ProbeRun RunProbe(const std::string& script, ProbeOptions options = {}) {
  ProbeSession session(options);
  std::istringstream in(script);
  std::ostringstream out;
  ProbeRun run;
  run.exitCode = session.RunScript(in, out);
  session.Finish();
  run.output = out.str();
  return run;
}
