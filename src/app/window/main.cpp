#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <string>

#include "app/window/brm_doc.h"
#include "app/window/main_frame.h"
#include "app/window/settings_location.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes the C library's locale from the environment; numbers the program formats itself
  // (the debrief, the polar, the probe's answers) must keep the decimal point everywhere.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Brisamar"));

  const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1280, 768);
  const bool fromDesktop = QApplication::arguments().contains(QString::fromUtf8(kDesktopOption));
  const std::string settingsPath =
      SettingsFilePath(fromDesktop, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  int result = 0;
  {
    CBRMDoc doc(std::min(screen.width(), 1280), screen.height(), settingsPath);
    CMainFrame frame(doc);
    // Without a window manager a maximise request does nothing; start at the full work area.
    if (QScreen* s = QGuiApplication::primaryScreen()) frame.setGeometry(s->availableGeometry());
    frame.showMaximized();
    result = app.exec();
  }  // the document saves the settings as it goes
  return result;
}
