#include "settings_fuzz.h"

#include <climits>
#include <fstream>
#include <memory>
#include <random>
#include <unistd.h>

#include "app/document.h"
#include "invariants.h"
#include "platform/key_codes.h"
#include "probe_runner.h"
#include "state/world.h"
#include "world/settings_file.h"

namespace {

const char* DamageName(SettingsDamage d) {
  static constexpr const char* kNames[] = {"valid",    "bit flips",     "truncated", "extended",
                                           "random bytes", "one field out", "empty",  "older"};
  return kNames[static_cast<int>(d)];
}

// Values worth trying in a field: the edges of every range the file has, and the extremes.
constexpr int32_t kCandidates[] = {INT32_MIN, -2, -1, 0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                                   16, 20, 25, 30, 35, 40, 50, 80, 100, 199, 200, 201, 3200, 3201, INT32_MAX};

// Whether a valid file holds v in field k. The just-start course is checked with the
// activity after the table, which takes any value there: a valid file holds 0 or 1.
bool Keeps(int k, int32_t v) {
  return SettingsFieldAccepts(k, v) && (!SettingsFieldAccepts(k, INT32_MIN) || v == 0 || v == 1);
}

// A file whose every field is a value the load keeps, chosen at random.
std::vector<int32_t> ValidFields(std::mt19937& rng) {
  std::vector<int32_t> f(kSettingsFieldCount);
  for (int k = 0; k < kSettingsFieldCount; ++k) {
    do {
      f[static_cast<std::size_t>(k)] = kCandidates[rng() % std::size(kCandidates)];
    } while (!Keeps(k, f[static_cast<std::size_t>(k)]));
  }
  return f;
}

std::vector<unsigned char> Bytes(const std::vector<int32_t>& fields) {
  std::vector<unsigned char> b;
  for (int32_t v : fields) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(u >> (8 * i)));
  }
  return b;
}

}  // namespace

std::vector<unsigned char> DamagedSettingsFile(uint32_t seed, SettingsDamage* damage) {
  std::mt19937 rng(seed);
  const auto d = static_cast<SettingsDamage>(rng() % static_cast<uint32_t>(SettingsDamage::kCount));
  *damage = d;
  std::vector<int32_t> fields = ValidFields(rng);
  std::vector<unsigned char> b;
  switch (d) {
    case SettingsDamage::Valid:
      b = Bytes(fields);
      break;
    case SettingsDamage::BitFlips: {
      b = Bytes(fields);
      const int flips = 1 + static_cast<int>(rng() % 8);
      for (int i = 0; i < flips; ++i) b[rng() % b.size()] ^= static_cast<unsigned char>(1u << (rng() % 8));
      break;
    }
    case SettingsDamage::Truncated:
      b = Bytes(fields);
      b.resize(rng() % b.size());
      break;
    case SettingsDamage::Extended: {
      b = Bytes(fields);
      const int extra = 1 + static_cast<int>(rng() % 300);
      for (int i = 0; i < extra; ++i) b.push_back(static_cast<unsigned char>(rng()));
      break;
    }
    case SettingsDamage::RandomBytes: {
      b.resize(rng() % 400);
      for (unsigned char& c : b) c = static_cast<unsigned char>(rng());
      break;
    }
    case SettingsDamage::OneFieldOut: {
      const int k = static_cast<int>(rng() % kSettingsFieldCount);
      int32_t v = 0;
      do {
        v = rng() % 4 == 0 ? static_cast<int32_t>(rng()) : kCandidates[rng() % std::size(kCandidates)];
      } while (Keeps(k, v));
      fields[static_cast<std::size_t>(k)] = v;
      b = Bytes(fields);
      break;
    }
    case SettingsDamage::Empty:
      break;
    case SettingsDamage::Older:
      b = Bytes(fields);
      b.resize(kOlderSettingsFileBytes);
      break;
    case SettingsDamage::kCount:
      break;
  }
  return b;
}

SettingsFuzzCounts FuzzSettingsFiles(const SettingsFuzzOptions& options) {
  SettingsFuzzCounts counts;
  // One file per process: two fuzz runs side by side must not load each other's files.
  const std::string path = options.directory + "/fuzz_op_" + std::to_string(getpid()) + ".bm";
  auto fault = [&](long n, SettingsDamage d, const std::string& what) {
    if (counts.faults.size() < 20) {
      counts.faults.push_back("file " + std::to_string(n) + " (" + DamageName(d) + "): " + what);
    }
  };
  for (long n = 0; n < options.files; ++n) {
    SettingsDamage damage = SettingsDamage::Valid;
    const std::vector<unsigned char> bytes = DamagedSettingsFile(options.seed * 1000003u + static_cast<uint32_t>(n), &damage);
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    ++counts.files;
    ++counts.byDamage[static_cast<std::size_t>(damage)];

    auto w = std::make_unique<World>();
    DocumentOptions doc;
    doc.settingsPath = path;
    doc.seed = options.seed;
    doc.screenWidth = 1280;
    doc.screenHeight = 720;
    const SettingsLoad load = ConstructDocument(*w, doc);
    if (load == SettingsLoad::Loaded) {
      ++counts.loaded;
    } else {
      ++counts.builtIn;
    }
    if (bytes.size() >= static_cast<std::size_t>(kOlderSettingsFileBytes) && load != SettingsLoad::Loaded) {
      fault(n, damage, "a file of " + std::to_string(bytes.size()) + " bytes was not loaded");
    }
    for (const std::string& v : CheckInvariants(*w)) fault(n, damage, v);

    if (options.sailEvery > 0 && n % options.sailEvery == 0) {
      // The program's own start from this file: the set-up and a few frames of sailing.
      ProbeOptions p;
      p.seed = options.seed;
      p.screenWidth = 1280;
      p.screenHeight = 720;
      p.settingsPath = path;
      ProbeSession session(p);
      session.Key(vk::kSpace);
      for (int i = 0; i < 3; ++i) session.Paint();
      session.Key(vk::kSpace);
      for (int i = 0; i < 3; ++i) session.Paint();
      for (const std::string& v : CheckInvariants(session.world())) fault(n, damage, "after sailing: " + v);
      session.Finish();
      ++counts.sailed;
    }
  }
  std::remove(path.c_str());
  return counts;
}
