// The view: its paint event runs the paint handler into an off-screen frame and asks for the
// next paint; its input events go to the program's key and mouse handlers.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/paint.h"
#include "app/window/frame_fit.h"
#include "platform/canvas.h"

class CBRMDoc;
class CMainFrame;

class CBRMView : public QWidget {
  Q_OBJECT

 public:
  CBRMView(CBRMDoc& doc, CMainFrame& frame);
  ~CBRMView() override;

  // Restarts the frame loop over the whole view, as every command does.
  void Redraw();
  long long PaintCount() const { return paints_; }
  // Where the last frame was shown in the view.
  const FramePlacement& Placement() const { return placement_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  ScreenMetrics Metrics(bool fit) const;
  QImage FrameInBackingStore(int deviceWidth, int deviceHeight);
  QRect ToWindow(const Rect& viewRect) const;
  void RequestNext(const PaintResult& result);
  void Schedule(const QRect& rect);

  CBRMDoc& doc_;
  CMainFrame& frame_;
  std::unique_ptr<Canvas> canvas_;
  QTimer pacer_;
  QRect pendingRect_;
  FramePlacement placement_;
  long long paints_ = 0;
};
