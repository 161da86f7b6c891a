#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "app/window/brm_doc.h"
#include "app/window/main_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brisamar"));

  const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1280, 768);
  int result = 0;
  {
    CBRMDoc doc(std::min(screen.width(), 1280), screen.height());
    CMainFrame frame(doc);
    // Without a window manager a maximise request does nothing; start at the full work area.
    if (QScreen* s = QGuiApplication::primaryScreen()) frame.setGeometry(s->availableGeometry());
    frame.showMaximized();
    result = app.exec();
  }  // the document saves the settings as it goes
  return result;
}
