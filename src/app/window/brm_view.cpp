#include "app/window/brm_view.h"

#include <QBackingStore>
#include <QKeyEvent>
#include <algorithm>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScreen>

#include "app/window/brm_doc.h"
#include "app/window/main_frame.h"
#include "draw/palette.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "platform/canvas_qt.h"
#include "platform/key_codes.h"
#include "state/world.h"

CBRMView::CBRMView(CBRMDoc& doc, CMainFrame& frame)
    : doc_(doc), frame_(frame), canvas_(std::make_unique<Canvas>(640, 480)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  pacer_.setSingleShot(true);
  connect(&pacer_, &QTimer::timeout, this, [this] { update(pendingRect_); });
}

CBRMView::~CBRMView() = default;

ScreenMetrics CBRMView::Metrics(bool fit) const {
  ScreenMetrics m;
  const QScreen* s = screen();
  if (s) {
    m.width = s->size().width();
    m.height = s->size().height();
    m.bitsPerPixel = s->depth();
  } else {
    m.width = 1280;
    m.height = 768;
  }
  m.menuBarHeight = frame_.MenuBarHeight();
  m.menuFontPixels = frame_.MenuFontPixels();
  m.standardMenuFontPixels = frame_.StandardMenuFontPixels();
  // A frame scaled to the window never needs cutting to it: the whole frame always fits.
  if (!fit) {
    m.clientWidth = width();
    m.clientHeight = height();
  }
  return m;
}

// The part of the window's backing store that the frame covers, as an image over its memory,
// when the store is an image the canvas can draw into; else a null image.
QImage CBRMView::FrameInBackingStore(int deviceWidth, int deviceHeight) {
  QBackingStore* store = backingStore();
  QPaintDevice* device = store ? store->paintDevice() : nullptr;
  if (!device || device->devType() != QInternal::Image) return QImage();
  auto* image = static_cast<QImage*>(device);
  // Opaque drawing gives the same pixels in either of the two 32-bit layouts.
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) return QImage();
  const qreal ratio = image->devicePixelRatio();
  const QPoint at = mapTo(window(), QPoint(placement_.left, placement_.top));
  const QRect frame(qRound(at.x() * ratio), qRound(at.y() * ratio), deviceWidth, deviceHeight);
  if (!image->rect().contains(frame)) return QImage();
  uchar* first = image->bits() + frame.top() * image->bytesPerLine() + frame.left() * 4;
  return QImage(first, frame.width(), frame.height(), image->bytesPerLine(), format);
}

void CBRMView::paintEvent(QPaintEvent*) {
  World& w = doc_.world();
  const bool fit = w.FitToWindow == 1;
  const ScreenMetrics metrics = Metrics(fit);
  // The frame's size comes first, so that the canvas draws at the size it is shown at, in
  // device pixels.
  ComputeScreenMetrics(w, metrics);
  placement_ = PlaceFrame(width(), height(), w.ViewWidth, w.ViewHeight, fit);
  const double dpr = devicePixelRatioF();
  canvas_->SetScale(placement_.scale * dpr);
  canvas_->Resize(w.ViewWidth, w.ViewHeight);
  // The frame is drawn where the window shows it, without a copy, whenever the window's
  // backing store allows; otherwise into the canvas's own image, which is then drawn.
  const QImage& own = CanvasImage(*canvas_);
  QImage direct = FrameInBackingStore(own.width(), own.height());
  const bool inPlace = !direct.isNull();
  DrawInto(*canvas_, std::move(direct));
  const PaintResult result = PaintFrame(w, *canvas_, metrics);
  StopDrawing(*canvas_);
  ++paints_;
  {
    QPainter p(this);
    const QImage& image = CanvasImage(*canvas_);
    const QRectF target(placement_.left, placement_.top, image.width() / dpr, image.height() / dpr);
    if (!inPlace) p.drawImage(target, image);
    // Around a fitted frame the margins take the frame's ground; beyond a 1:1 frame (a window
    // larger than the capped screen) the window's own.
    const QColor ground = fit ? QColor(palette::kWhite.r, palette::kWhite.g, palette::kWhite.b)
                              : palette().color(QPalette::Window);
    QRegion margins(rect());
    margins -= target.toAlignedRect();
    for (const QRect& r : margins) p.fillRect(r, ground);
  }
  frame_.FramePainted(paints_, w.LargeMenuFont);
  if (result.requestNext) RequestNext(result);
}

QRect CBRMView::ToWindow(const Rect& r) const {
  const Point topLeft = ViewToWindow(placement_, r.left, r.top);
  const Point bottomRight = ViewToWindow(placement_, r.right, r.bottom);
  // One pixel more each way covers the smoothing at the frame's scaled edges.
  return QRect(QPoint(topLeft.x, topLeft.y), QPoint(bottomRight.x, bottomRight.y)).adjusted(-1, -1, 1, 1);
}

void CBRMView::RequestNext(const PaintResult& result) { Schedule(ToWindow(result.invalidate)); }

// The next frame comes no sooner than the last frame's minimum time after its start: the
// timer sleeps for what is left, instead of spinning. Requests made meanwhile join it.
void CBRMView::Schedule(const QRect& rect) {
  pendingRect_ = pacer_.isActive() ? pendingRect_.united(rect) : rect;
  if (pacer_.isActive()) return;
  const World& w = doc_.world();
  const uint32_t elapsed = NowMs(w) - w.FrameStartTick;  // unsigned: a tick wrap cannot stall
  const int remaining = static_cast<int>(w.MinFrameMs) - static_cast<int>(std::min<uint32_t>(elapsed, 100000));
  if (remaining <= 0) {
    update(pendingRect_);
  } else {
    pacer_.start(remaining);
  }
}

void CBRMView::Redraw() {
  doc_.world().RepaintSuspended = 0;
  Schedule(rect());
}

void CBRMView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers();
  // Alt goes to the menu bar's mnemonics; the framework's Ctrl accelerators (new, open,
  // save, the editing keys) have no effect in this window and never reach the key handler.
  if (mods & Qt::AltModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (mods & Qt::ControlModifier) {
    switch (event->key()) {
      case Qt::Key_N: case Qt::Key_O: case Qt::Key_S: case Qt::Key_Z: case Qt::Key_X:
      case Qt::Key_C: case Qt::Key_V: case Qt::Key_Insert:
        return;
      default:
        break;
    }
  }
  const QString text = event->text();
  const int key = VirtualKeyFromQt(event->key(), std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                                     static_cast<std::size_t>(text.size())));
  if (key == vk::kNone) {
    QWidget::keyPressEvent(event);
    return;
  }
  World& w = doc_.world();
  const KeyResult result = KeyDown(w, key);
  if (w.RepaintSuspended == 0) {
    Schedule(rect());
  } else if (result.paintOnce) {
    // One frame for the changed page; RepaintSuspended keeps the loop from going on.
    update();
  }
}

// The handlers take view pixels. Moves and presses over the margins around a fitted frame
// reach nothing; a release always arrives, so that a drag begun in the frame ends.
void CBRMView::mouseMoveEvent(QMouseEvent* event) {
  const std::optional<Point> v = WindowToView(placement_, event->position().x(), event->position().y());
  if (v) MouseMove(doc_.world(), v->x, v->y);
}

void CBRMView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::optional<Point> v = WindowToView(placement_, event->position().x(), event->position().y());
  if (!v) return;
  LeftButtonDown(doc_.world(), v->x, v->y);
  Redraw();
}

void CBRMView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const Point v = WindowToViewUnbounded(placement_, event->position().x(), event->position().y());
  LeftButtonUp(doc_.world(), v.x, v.y);
  Redraw();
}

void CBRMView::wheelEvent(QWheelEvent* event) {
  MouseWheel(doc_.world(), event->angleDelta().y());
  event->accept();
}
