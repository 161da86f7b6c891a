#include <QApplication>
#include <QScreen>

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
    frame.showMaximized();
    result = app.exec();
  }  // the document saves the settings as it goes
  return result;
}
