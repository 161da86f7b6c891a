#include <QApplication>
#include <QScreen>

#include "app/window/brm_doc.h"
#include "app/window/main_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brisamar"));

  const QScreen* primary = QGuiApplication::primaryScreen();
  const QSize screen = primary ? primary->size() : QSize(1280, 768);
  int result = 0;
  {
    CBRMDoc doc(std::min(screen.width(), 1280), screen.height());
    CMainFrame frame(doc);
    // Without a window manager the maximise request is not honoured: start at full size.
    if (primary) frame.resize(primary->availableGeometry().size());
    frame.showMaximized();
    result = app.exec();
  }  // the document saves the settings as it goes
  return result;
}
