#include "platform/qt_sound_player.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <map>

#include "platform/sound_scheduler.h"
#include "platform/wave_file.h"

namespace {

// How often the player looks at the clock and the toggles while anything plays or waits.
constexpr int kTickMs = 15;

// The audio backend warns in its own words when it finds no sound server; the player says it
// once in the program's words instead.
void QuietBackend(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

struct QtSoundPlayer::Impl final : SoundOutput {
  std::function<SoundToggles()> toggles;
  SoundScheduler scheduler{*this};
  std::map<int, std::unique_ptr<QSoundEffect>> effects;
  QElapsedTimer clock;
  QTimer tick;
  bool silent = false;

  void Start(int key) override {
    if (auto e = effects.find(key); e != effects.end()) e->second->play();
  }
  void Stop(int key) override {
    if (auto e = effects.find(key); e != effects.end()) e->second->stop();
  }

  uint32_t Now() const { return static_cast<uint32_t>(clock.elapsed()); }

  void GoSilent(const char* why) {
    if (silent) return;
    silent = true;
    std::fprintf(stderr, "brisamar: %s; the program runs without sound\n", why);
    for (auto& [key, effect] : effects) effect->stop();
    tick.stop();
  }

  void Step() {
    const SoundToggles t = toggles ? toggles() : SoundToggles{};
    scheduler.ApplyToggles(t.soundOff, t.voiceOff, Now());
    scheduler.Advance(Now());
    if (!scheduler.Busy()) tick.stop();
  }
};

QtSoundPlayer::QtSoundPlayer(const std::string& folder, const std::vector<std::pair<int, std::string>>& files,
                             std::function<SoundToggles()> toggles)
    : impl_(std::make_unique<Impl>()) {
  Impl& p = *impl_;
  p.toggles = std::move(toggles);
  p.clock.start();
  p.tick.setInterval(kTickMs);
  QObject::connect(&p.tick, &QTimer::timeout, [&p] { p.Step(); });

  const QtMessageHandler previous = qInstallMessageHandler(QuietBackend);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  const bool noOutputs = QMediaDevices::audioOutputs().isEmpty();
  qInstallMessageHandler(previous);
  if (noOutputs || device.isNull()) {
    p.GoSilent("no audio output device");
    return;
  }
  for (const auto& [key, name] : files) {
    const std::string path = folder + "/" + name;
    const WaveInfo info = ReadWaveInfo(path);
    if (!info.valid) {
      std::fprintf(stderr, "brisamar: sound clip missing or unreadable: %s\n", path.c_str());
      continue;
    }
    auto effect = std::make_unique<QSoundEffect>(device);
    QSoundEffect* e = effect.get();
    QObject::connect(e, &QSoundEffect::statusChanged, [&p, e] {
      if (e->status() == QSoundEffect::Error) p.GoSilent("the audio device cannot play the clips");
    });
    e->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    p.effects[key] = std::move(effect);
    p.scheduler.SetDurationMs(key, info.DurationMs());
  }
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const SoundRequest& request) {
  Impl& p = *impl_;
  if (p.silent) return;
  p.scheduler.Request(request, p.Now());
  if (p.scheduler.Busy() && !p.tick.isActive()) p.tick.start();
}
