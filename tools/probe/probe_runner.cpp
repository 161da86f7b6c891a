#include "probe_runner.h"

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "app/document.h"
#include "boat_sheet.h"
#include "input/command_table.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "plan_plot.h"
#include "platform/key_codes.h"
#include "state/names.h"
#include "world/depth.h"
#include "world/settings_file.h"

namespace {

std::vector<std::string> Split(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

bool ParseNumber(const std::string& text, double* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

bool ParseInt(const std::string& text, int* value) {
  double v = 0;
  if (!ParseNumber(text, &v) || v != std::floor(v) || std::fabs(v) > 2147483647.0) return false;
  *value = static_cast<int>(v);
  return true;
}

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool Compare(double a, const std::string& op, double b, bool* ok) {
  *ok = true;
  if (op == "=") return a == b;
  if (op == "!=") return a != b;
  if (op == "<") return a < b;
  if (op == "<=") return a <= b;
  if (op == ">") return a > b;
  if (op == ">=") return a >= b;
  *ok = false;
  return false;
}

}  // namespace

bool ParseScreenSize(const std::string& text, int* width, int* height) {
  const auto x = text.find('x');
  if (x == std::string::npos) return false;
  return ParseInt(text.substr(0, x), width) && ParseInt(text.substr(x + 1), height) && *width > 0 &&
         *height > 0 && *width <= 10000 && *height <= 10000;
}

ProbeSession::ProbeSession(const ProbeOptions& options)
    : options_(options), world_(std::make_unique<World>()), canvas_(std::make_unique<Canvas>(640, 480)) {
  World& w = *world_;
  w.services.clock = &clock_;
  w.services.sound = &sounds_;
  DocumentOptions doc;
  doc.settingsPath = options.settingsPath;
  doc.seed = options.seed;
  doc.screenWidth = std::min(options.screenWidth, 1280);
  doc.screenHeight = options.screenHeight;
  ConstructDocument(w, doc);
  // The window's geometry is known from the start, as after the window's first paint.
  ComputeScreenMetrics(w, Metrics());
}

ProbeSession::~ProbeSession() { Finish(); }

void ProbeSession::Finish() {
  if (finished_) return;
  finished_ = true;
  DestroyDocument(*world_, options_.settingsPath);
}

ScreenMetrics ProbeSession::Metrics() const {
  ScreenMetrics m;
  m.width = options_.screenWidth;
  m.height = options_.screenHeight;
  m.bitsPerPixel = 32;
  m.menuBarHeight = options_.largeMenuFont ? 20 : 19;
  return m;
}

bool ProbeSession::Paint() {
  // A stopped loop gets no paints until a command, key or click restarts it.
  if (world_->RepaintSuspended == 1 && paints_ > 0 && !paintOnce_) return false;
  paintOnce_ = false;
  PaintFrame(*world_, *canvas_, Metrics());
  ++paints_;
  clock_.Advance(static_cast<uint32_t>(std::max(world_->MinFrameMs, 0)));
  return true;
}

void ProbeSession::Key(int virtualKey) {
  // A key that redraws a page once while the loop stays stopped earns exactly one paint.
  if (KeyDown(*world_, virtualKey).paintOnce) paintOnce_ = true;
}

bool ProbeSession::RunLine(const std::string& rawLine, std::ostream& out) {
  std::string line = rawLine;
  if (const auto hash = line.find('#'); hash != std::string::npos) line.resize(hash);
  const std::vector<std::string> words = Split(line);
  if (words.empty()) return true;
  World& w = *world_;
  const std::string& cmd = words[0];
  auto error = [&](const std::string& what) {
    out << "error: " << what << "\n";
    return false;
  };
  auto argCount = [&](std::size_t n) { return words.size() == n + 1; };

  if (cmd == "set") {
    if (!argCount(2)) return error("usage: set NAME VALUE");
    double v = 0;
    if (!ParseNumber(words[2], &v)) return error("bad number " + words[2]);
    std::string why;
    auto ref = Names().Resolve(w, words[1], &why);
    if (!ref) return error(why);
    ref->Set(v);
    return true;
  }
  if (cmd == "get") {
    if (words.size() < 2) return error("usage: get NAME...");
    bool ok = true;
    for (std::size_t i = 1; i < words.size(); ++i) {
      std::string why;
      auto ref = Names().Resolve(w, words[i], &why);
      if (!ref) {
        ok = error(why);
        continue;
      }
      out << words[i] << "=" << ref->Format() << "\n";
    }
    return ok;
  }
  if (cmd == "frames") {
    int n = 0;
    if (!argCount(1) || !ParseInt(words[1], &n) || n < 0) return error("usage: frames N");
    for (int i = 0; i < n; ++i) {
      if (!Paint()) break;
    }
    return true;
  }
  if (cmd == "paints") {
    out << "paints=" << paints_ << "\n";
    return true;
  }
  if (cmd == "until") {
    int max = 0;
    double value = 0;
    if (!argCount(4) || !ParseNumber(words[3], &value) || !ParseInt(words[4], &max) || max < 0) {
      return error("usage: until NAME OP VALUE MAX");
    }
    std::string why;
    auto ref = Names().Resolve(w, words[1], &why);
    if (!ref) return error(why);
    bool opOk = true;
    Compare(0, words[2], 0, &opOk);
    if (!opOk) return error("bad operator " + words[2]);
    for (int n = 0; n <= max; ++n) {
      if (Compare(ref->Get(), words[2], value, &opOk)) {
        out << "until: " << n << " frames\n";
        return true;
      }
      if (n == max || !Paint()) break;
    }
    out << "until: timeout\n";
    return true;
  }
  if (cmd == "command" || cmd == "enabled" || cmd == "checked") {
    int id = 0;
    if (!argCount(1) || !ParseInt(words[1], &id)) return error("usage: " + cmd + " ID");
    if (!FindCommand(id)) return error("unknown command " + words[1]);
    if (cmd == "enabled") {
      out << (EvaluateCommand(w, id).enabled ? 1 : 0) << "\n";
    } else if (cmd == "checked") {
      out << (EvaluateCommand(w, id).checked ? 1 : 0) << "\n";
    } else if (!RunCommand(w, id)) {
      out << "disabled " << id << "\n";
    }
    return true;
  }
  if (cmd == "menu") {
    MenuOpened(w);
    return true;
  }
  if (cmd == "key") {
    if (!argCount(1)) return error("usage: key K");
    const int key = VirtualKeyFromName(words[1]);
    if (key < 0) return error("unknown key " + words[1]);
    Key(key);
    return true;
  }
  if (cmd == "move" || cmd == "press" || cmd == "release") {
    int x = 0, y = 0;
    if (!argCount(2) || !ParseInt(words[1], &x) || !ParseInt(words[2], &y)) return error("usage: " + cmd + " X Y");
    if (cmd == "move") MouseMove(w, x, y);
    if (cmd == "press") LeftButtonDown(w, x, y);
    if (cmd == "release") LeftButtonUp(w, x, y);
    return true;
  }
  if (cmd == "wheel") {
    int delta = 0;
    if (!argCount(1) || !ParseInt(words[1], &delta)) return error("usage: wheel D");
    MouseWheel(w, delta);
    return true;
  }
  if (cmd == "texts") {
    for (const TextLogEntry& t : canvas_->TextLog()) out << "text " << t.x << " " << t.y << " " << Quote(t.text) << "\n";
    return true;
  }
  if (cmd == "sounds") {
    for (const SoundRequest& r : sounds_.Requests()) {
      if (r.event < 0) {
        out << "sound beep 0\n";
      } else {
        out << "sound " << r.event << " " << r.clip << "\n";
      }
    }
    sounds_.Clear();
    return true;
  }
  if (cmd == "png") {
    if (!argCount(1)) return error("usage: png FILE");
    if (!canvas_->SavePng(words[1])) return error("cannot write " + words[1]);
    return true;
  }
  if (cmd == "boat") {
    if (words.size() > 2) return error("usage: boat [FILE]");
    DrawBoatSheet(w, *canvas_);
    if (words.size() == 2 && !canvas_->SavePng(words[1])) return error("cannot write " + words[1]);
    return true;
  }
  if (cmd == "plan") {
    if (!argCount(1)) return error("usage: plan FILE");
    if (!SavePlanPlot(w, words[1])) return error("cannot write " + words[1]);
    out << "plan: depth at boat " << DepthAt(w, static_cast<int>(w.BoatX[1]), static_cast<int>(w.BoatY[1])) << "\n";
    return true;
  }
  if (cmd == "save") {
    if (!argCount(1)) return error("usage: save FILE");
    if (!WriteSettingsFile(w, words[1])) return error("cannot write " + words[1]);
    return true;
  }
  if (cmd == "load") {
    if (!argCount(1)) return error("usage: load FILE");
    if (ReadSettingsFile(w, words[1]) != SettingsLoad::Loaded) ApplyBuiltInSettings(w);
    ValidateSettings(w, w.ScreenWidth);
    return true;
  }
  return error("unknown command " + cmd);
}

int ProbeSession::RunScript(std::istream& in, std::ostream& out) {
  bool clean = true;
  std::string line;
  while (std::getline(in, line)) {
    if (!RunLine(line, out)) clean = false;
  }
  return clean ? 0 : 2;
}
