#include "platform/canvas.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "platform/canvas_qt.h"

namespace {

QColor ToQ(Color c) { return QColor(c.r, c.g, c.b); }

// IPAGothic when it is installed, else whatever CJK family fontconfig offers.
QString JapaneseFamily() {
  static const QString family = [] {
    const QStringList families = QFontDatabase::families();
    for (const char* wanted : {"IPAGothic", "IPAexGothic", "IPAPGothic", "Noto Sans CJK JP",
                               "VL Gothic", "TakaoGothic"}) {
      if (families.contains(QString::fromUtf8(wanted))) return QString::fromUtf8(wanted);
    }
    for (const QString& f : families) {
      if (QFontDatabase::writingSystems(f).contains(QFontDatabase::Japanese)) return f;
    }
    return QString();
  }();
  return family;
}

double RadialAngle(double cx, double cy, int x, int y) {
  // Qt angles run counter-clockwise from three o'clock, with y pointing down on screen.
  return std::atan2(-(y - cy), x - cx) * 180.0 / M_PI;
}

}  // namespace

// A text laid out once: shaping is the dearest part of drawing a text, and the panel draws the
// same labels every frame.
struct ShapedText {
  QList<QGlyphRun> runs;  // positioned from the layout's top-left
  qreal baseline = 0;     // the layout's baseline below its top
  int advance = 0;
  int height = 0;
  int ascent = 0;
};

// Texts with changing figures (times, speeds) add entries as they go: the cache starts over
// when it grows past this many per font.
constexpr qsizetype kShapedTextLimit = 1024;

struct Canvas::Impl {
  QImage image;
  int width = 0;  // logical size
  int height = 0;
  double scale = 1.0;
  QPainter painter;
  QPen pen{Qt::black};
  QBrush brush{Qt::white};
  Color textColor{0, 0, 0};
  Color backColor{255, 255, 255};
  bool textOpaque = true;
  QPointF current{0, 0};
  FontRole role = FontRole::Normal;
  int fontSizes[3] = {16, 28, 12};
  QFont fonts[3];
  std::vector<TextLogEntry> log;
  QHash<QString, ShapedText> shaped[3];

  const ShapedText& Shape(FontRole r, const QString& text) {
    QHash<QString, ShapedText>& cache = shaped[static_cast<int>(r)];
    if (auto it = cache.constFind(text); it != cache.constEnd()) return *it;
    if (cache.size() >= kShapedTextLimit) cache.clear();
    const QFont& font = fonts[static_cast<int>(r)];
    const QFontMetrics fm(font);
    ShapedText s;
    s.advance = fm.horizontalAdvance(text);
    s.height = fm.height();
    s.ascent = fm.ascent();
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    s.baseline = line.ascent();
    s.runs = layout.glyphRuns();
    return *cache.insert(text, s);
  }

  void Begin() {
    if (painter.isActive()) painter.end();
    if (!image.isNull()) painter.begin(&image);
    if (painter.isActive() && scale != 1.0) painter.scale(scale, scale);
    ApplyState();
  }
  void ApplyState() {
    if (!painter.isActive()) return;
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(fonts[static_cast<int>(role)]);
  }
  // One logical pixel wide at any scale: the cosmetic pen is one device pixel wide.
  qreal PenWidth(int w) const {
    if (scale == 1.0) return w <= 1 ? 0 : w;
    return std::max(1, w);
  }
  void Allocate() {
    if (painter.isActive()) painter.end();
    image = QImage(std::max(1, static_cast<int>(std::lround(width * scale))),
                   std::max(1, static_cast<int>(std::lround(height * scale))), QImage::Format_RGB32);
    image.fill(Qt::white);
    Begin();
  }
  void BuildFonts() {
    for (int i = 0; i < 3; ++i) {
      QFont f(JapaneseFamily());
      f.setPixelSize(std::max(6, fontSizes[i]));
      f.setStyleStrategy(QFont::PreferAntialias);
      if (i == static_cast<int>(FontRole::Banner)) f.setBold(true);
      fonts[i] = f;
      shaped[i].clear();
    }
    ApplyState();
  }
};

namespace {
// A one-pixel outline through x covers pixel x, [x, x + 1), while a fill stops at its edge.
// Scaled, a pen one logical pixel wide is centred on its path, so outlines move by half a
// logical pixel to cover the same pixels as at 1:1.
class StrokeOffset {
 public:
  explicit StrokeOffset(Canvas::Impl& impl)
      : painter_(impl.painter), on_(impl.scale != 1.0 && impl.pen.style() != Qt::NoPen) {
    if (on_) painter_.translate(0.5, 0.5);
  }
  ~StrokeOffset() {
    if (on_) painter_.translate(-0.5, -0.5);
  }
  StrokeOffset(const StrokeOffset&) = delete;
  StrokeOffset& operator=(const StrokeOffset&) = delete;

 private:
  QPainter& painter_;
  bool on_;
};
}  // namespace

Canvas::Canvas(int width, int height) : impl_(std::make_unique<Impl>()) {
  impl_->BuildFonts();
  Resize(width, height);
}

Canvas::~Canvas() {
  if (impl_->painter.isActive()) impl_->painter.end();
}

int Canvas::Width() const { return impl_->width; }
int Canvas::Height() const { return impl_->height; }

void Canvas::Resize(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (!impl_->image.isNull() && impl_->width == width && impl_->height == height) return;
  impl_->width = width;
  impl_->height = height;
  impl_->Allocate();
}

void Canvas::SetScale(double scale) {
  if (!(scale > 0.01) || !std::isfinite(scale)) scale = 1.0;
  if (scale == impl_->scale) return;
  impl_->scale = scale;
  impl_->Allocate();
}

double Canvas::Scale() const { return impl_->scale; }

void Canvas::BeginFrame() {
  impl_->log.clear();
  impl_->pen = QPen(Qt::black);
  impl_->pen.setCapStyle(Qt::FlatCap);
  impl_->brush = QBrush(Qt::white);
  impl_->textColor = Rgb(0, 0, 0);
  impl_->backColor = Rgb(255, 255, 255);
  impl_->textOpaque = true;
  impl_->role = FontRole::Normal;
  impl_->Begin();
  impl_->painter.setClipping(false);
  impl_->painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Canvas::SetPen(Color color, int width) {
  impl_->pen = QPen(ToQ(color));
  impl_->pen.setWidthF(impl_->PenWidth(width));
  impl_->pen.setCapStyle(Qt::RoundCap);
  impl_->pen.setJoinStyle(Qt::RoundJoin);
  impl_->painter.setPen(impl_->pen);
}

void Canvas::SetNullPen() {
  impl_->pen = QPen(Qt::NoPen);
  impl_->painter.setPen(impl_->pen);
}

void Canvas::SetBrush(Color color) {
  impl_->brush = QBrush(ToQ(color));
  impl_->painter.setBrush(impl_->brush);
}

void Canvas::SetHollowBrush() {
  impl_->brush = QBrush(Qt::NoBrush);
  impl_->painter.setBrush(impl_->brush);
}

void Canvas::FillRect(const Rect& r, Color color) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  impl_->painter.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQ(color));
}

namespace {
// A GDI shape covers [left, right) x [top, bottom); Qt's outline of a w x h rectangle with a
// cosmetic pen covers w + 1 pixels, so the outline rectangle is one pixel smaller.
QRectF OutlineBox(int left, int top, int right, int bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  return QRectF(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}
}  // namespace

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  const StrokeOffset offset(*impl_);
  impl_->painter.drawRect(OutlineBox(left, top, right, bottom));
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  const StrokeOffset offset(*impl_);
  impl_->painter.drawRoundedRect(OutlineBox(left, top, right, bottom), cornerWidth / 2.0,
                                 cornerHeight / 2.0);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  const StrokeOffset offset(*impl_);
  impl_->painter.drawEllipse(OutlineBox(left, top, right, bottom));
}

void Canvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  QRectF box = OutlineBox(left, top, right, bottom);
  double a1 = RadialAngle(box.center().x(), box.center().y(), x1, y1);
  double a2 = RadialAngle(box.center().x(), box.center().y(), x2, y2);
  double span = a2 - a1;
  while (span <= 0) span += 360;
  const StrokeOffset offset(*impl_);
  impl_->painter.drawPie(box, static_cast<int>(std::lround(a1 * 16)), static_cast<int>(std::lround(span * 16)));
}

void Canvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  QRectF box = OutlineBox(left, top, right, bottom);
  double a1 = RadialAngle(box.center().x(), box.center().y(), x1, y1);
  double a2 = RadialAngle(box.center().x(), box.center().y(), x2, y2);
  double span = a2 - a1;
  while (span <= 0) span += 360;
  const StrokeOffset offset(*impl_);
  impl_->painter.drawArc(box, static_cast<int>(std::lround(a1 * 16)), static_cast<int>(std::lround(span * 16)));
}

void Canvas::Polygon(const Point* points, int count) {
  if (count < 2) return;
  QPolygon poly(count);
  for (int i = 0; i < count; ++i) poly.setPoint(i, points[i].x, points[i].y);
  const StrokeOffset offset(*impl_);
  impl_->painter.drawPolygon(poly);
}

void Canvas::Polyline(const Point* points, int count) {
  if (count < 2) return;
  QPolygon poly(count);
  for (int i = 0; i < count; ++i) poly.setPoint(i, points[i].x, points[i].y);
  const StrokeOffset offset(*impl_);
  impl_->painter.drawPolyline(poly);
}

void Canvas::MoveTo(int x, int y) { impl_->current = QPointF(x, y); }

void Canvas::LineTo(int x, int y) {
  const StrokeOffset offset(*impl_);
  impl_->painter.drawLine(impl_->current, QPointF(x, y));
  impl_->current = QPointF(x, y);
}

void Canvas::SetPixel(int x, int y, Color color) {
  QPen saved = impl_->painter.pen();
  impl_->painter.setPen(QPen(ToQ(color), impl_->PenWidth(1)));
  if (impl_->scale == 1.0) {
    impl_->painter.drawPoint(x, y);
  } else {
    impl_->painter.fillRect(QRect(x, y, 1, 1), ToQ(color));
  }
  impl_->painter.setPen(saved);
}

Color Canvas::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= impl_->width || y >= impl_->height) return Color{};
  const int dx = std::min(impl_->image.width() - 1, static_cast<int>((x + 0.5) * impl_->scale));
  const int dy = std::min(impl_->image.height() - 1, static_cast<int>((y + 0.5) * impl_->scale));
  QRgb p = impl_->image.pixel(dx, dy);
  return Rgb(qRed(p), qGreen(p), qBlue(p));
}

void Canvas::SetFont(FontRole role) {
  impl_->role = role;
  impl_->painter.setFont(impl_->fonts[static_cast<int>(role)]);
}

void Canvas::SetFontSizes(int normal, int banner, int small) {
  if (impl_->fontSizes[0] == normal && impl_->fontSizes[1] == banner && impl_->fontSizes[2] == small) return;
  impl_->fontSizes[0] = normal;
  impl_->fontSizes[1] = banner;
  impl_->fontSizes[2] = small;
  impl_->BuildFonts();
}

void Canvas::SetTextColor(Color color) { impl_->textColor = color; }
void Canvas::SetBackColor(Color color) { impl_->backColor = color; }
void Canvas::SetTextOpaque(bool opaque) { impl_->textOpaque = opaque; }

void Canvas::TextOut(int x, int y, std::string_view utf8) {
  impl_->log.push_back(TextLogEntry{x, y, std::string(utf8), impl_->textColor, impl_->backColor,
                                    impl_->textOpaque});
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  QPainter& p = impl_->painter;
  const ShapedText& shaped = impl_->Shape(impl_->role, text);
  if (impl_->textOpaque) {
    p.fillRect(QRect(x, y, shaped.advance, shaped.height), ToQ(impl_->backColor));
  }
  QPen saved = p.pen();
  p.setPen(ToQ(impl_->textColor));
  // The baseline one ascent below y, where drawing the text itself would put it.
  const QPointF origin(x, y + shaped.ascent - shaped.baseline);
  for (const QGlyphRun& run : shaped.runs) p.drawGlyphRun(origin, run);
  p.setPen(saved);
}

int Canvas::TextWidth(std::string_view utf8) const {
  return impl_->Shape(impl_->role, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))).advance;
}

int Canvas::LineHeight() const {
  return QFontMetrics(impl_->fonts[static_cast<int>(impl_->role)]).height();
}

void Canvas::SetClip(const Rect& r) {
  impl_->painter.setClipRect(QRect(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height())));
}

void Canvas::ClearClip() { impl_->painter.setClipping(false); }

void Canvas::SetSeeThrough(bool on) {
  // The sails' see-through mode mixes the sail colour with the water and sky behind it.
  impl_->painter.setOpacity(on ? 0.45 : 1.0);
}

const std::vector<TextLogEntry>& Canvas::TextLog() const { return impl_->log; }

bool Canvas::SavePng(const std::string& path) const {
  return impl_->image.save(QString::fromStdString(path), "PNG");
}

const QImage& CanvasImage(const Canvas& canvas) { return canvas.impl().image; }
