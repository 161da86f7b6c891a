#include "app/window/brm_doc.h"

#include "app/document.h"

CBRMDoc::CBRMDoc(int screenWidth, int screenHeight)
    : world_(std::make_unique<World>()), settingsPath_(kSettingsFileName) {
  world_->services.clock = &clock_;
  DocumentOptions options;
  options.settingsPath = settingsPath_;
  options.screenWidth = screenWidth;
  options.screenHeight = screenHeight;
  ConstructDocument(*world_, options);
}

CBRMDoc::~CBRMDoc() { DestroyDocument(*world_, settingsPath_); }
