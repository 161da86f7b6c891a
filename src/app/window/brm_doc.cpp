#include "app/window/brm_doc.h"

#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/document.h"
#include "platform/qt_sound_player.h"
#include "sound/sound_clips.h"

namespace {

// The clips sit in a folder next to the program in a build tree, and in the shared data
// folder beside the program's bin folder once installed; either way wherever it is started from.
std::string SoundFolder() {
  const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
  const std::filesystem::path beside = program / kSoundFolder;
  std::error_code ignored;
  if (std::filesystem::is_directory(beside, ignored)) return beside.string();
  return (program.parent_path() / "share" / "brisamar" / kSoundFolder).string();
}

std::unique_ptr<SoundSink> MakeSoundPlayer(const World& w) {
  const std::string folder = SoundFolder();
  std::vector<std::pair<int, std::string>> files;
  for (const ClipFile& c : kClipFiles) files.emplace_back(c.key, c.file);
  return std::make_unique<QtSoundPlayer>(folder, files, [&w] {
    return SoundToggles{w.SoundOff == 1, w.VoiceOff == 1};
  });
}

}  // namespace

CBRMDoc::CBRMDoc(int screenWidth, int screenHeight, std::string settingsPath)
    : world_(std::make_unique<World>()), settingsPath_(std::move(settingsPath)) {
  const std::filesystem::path folder = std::filesystem::path(settingsPath_).parent_path();
  std::error_code ignored;  // an unwritable folder only means the settings are not kept
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
  world_->services.clock = &clock_;
  sound_ = MakeSoundPlayer(*world_);
  world_->services.sound = sound_.get();
  DocumentOptions options;
  options.settingsPath = settingsPath_;
  options.screenWidth = screenWidth;
  options.screenHeight = screenHeight;
  ConstructDocument(*world_, options);
}

CBRMDoc::~CBRMDoc() { DestroyDocument(*world_, settingsPath_); }
