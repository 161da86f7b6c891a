#include "platform/canvas.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <string_view>
#include <unordered_map>
#include <vector>

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
  QRectF ink;  // where the glyphs may put ink, from the layout's top-left
};

// Texts with changing figures (times, speeds) add entries as they go: the cache starts over
// when it grows past this many per font.
constexpr std::size_t kShapedTextLimit = 1024;

// Looked up by the UTF-8 text as the drawing code passes it, without a copy.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
using ShapedTexts = std::unordered_map<std::string, ShapedText, TextHash, std::equal_to<>>;

enum class OpKind : uint8_t { kFill, kRectangle, kRoundRect, kEllipse, kPie, kArc, kPolygon, kPolyline, kLine, kPixel, kText };

// Everything besides its own figures that decides the pixels of a drawing call.
struct DrawState {
  QPen pen;
  QBrush brush;
  FontRole role = FontRole::Normal;
  Color textColor, backColor;
  bool textOpaque = true;
  qreal opacity = 1.0;
  bool clipped = false;
  QRect clip;  // logical
  bool operator==(const DrawState&) const = default;
};

// One drawing call of a retained part, as noted.
struct DrawOp {
  OpKind kind = OpKind::kFill;
  std::array<int, 8> v{};  // its figures; a fill or a pixel keeps its colour in v[4]
  std::vector<Point> points;
  std::string text;  // UTF-8
  DrawState state;
  QRect box;  // the device pixels it may change
  bool operator==(const DrawOp& o) const {
    return kind == o.kind && v == o.v && points == o.points && text == o.text && state == o.state;
  }
};

struct RetainedPart {
  std::vector<DrawOp> ops;   // as drawn last time
  std::vector<DrawOp> next;  // being noted
  QRect extent;              // the device pixels its last drawing may have changed
  QRegion covered;           // pixels of the extent that other drawing changed since
  unsigned group = 0;        // the parts it was last drawn with, in order
  bool valid = false;        // the image holds its last drawing, apart from `covered`
  bool drawn = false;        // drawn in this frame
};

int PackColor(Color c) { return c.r << 16 | c.g << 8 | c.b; }
QColor UnpackColor(int v) { return QColor((v >> 16) & 255, (v >> 8) & 255, v & 255); }

struct Canvas::Impl {
  QImage image;
  int width = 0;  // logical size
  int height = 0;
  double scale = 1.0;
  QPainter painter;
  QPen pen{Qt::black};
  QBrush brush{Qt::white};
  // What the pen and brush were made from (kOther: set otherwise, as at the start of a frame).
  enum Made { kOther, kMadePen, kNoPen, kMadeBrush, kNoBrush };
  Made penKind = kOther, brushKind = kOther;
  Color penColor, brushColor;
  int penWidth = 0;
  Color textColor{0, 0, 0};
  Color backColor{255, 255, 255};
  bool textOpaque = true;
  qreal opacity = 1.0;
  bool clipped = false;
  QRect clip;
  QPointF current{0, 0};
  FontRole role = FontRole::Normal;
  int fontSizes[3] = {16, 28, 12};
  QFont fonts[3];
  std::vector<TextLogEntry> log;
  ShapedTexts shaped[3];
  QList<QPoint> polygon;  // reused for every polygon and polyline
  std::array<RetainedPart, Canvas::kRetainedParts> parts;
  int open = -1;             // the retained part being noted
  std::vector<int> pending;  // parts noted and not drawn yet, in order
  int validParts = 0;
  QRect validExtent;  // around the extents of the valid parts
  bool retaining = true;
  bool external = false;  // `image` lies over memory the canvas does not own

  const ShapedText& Shape(FontRole r, std::string_view utf8) {
    ShapedTexts& cache = shaped[static_cast<int>(r)];
    if (auto it = cache.find(utf8); it != cache.end()) return it->second;
    if (cache.size() >= kShapedTextLimit) cache.clear();
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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
    for (const QGlyphRun& run : s.runs) s.ink |= run.boundingRect();
    return cache.emplace(std::string(utf8), std::move(s)).first->second;
  }

  void Begin() {
    if (painter.isActive()) painter.end();
    if (!image.isNull()) painter.begin(&image);
    if (painter.isActive() && scale != 1.0) painter.scale(scale, scale);
    opacity = 1.0;
    clipped = false;
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
    external = false;
    image = QImage(std::max(1, static_cast<int>(std::lround(width * scale))),
                   std::max(1, static_cast<int>(std::lround(height * scale))), QImage::Format_RGB32);
    image.fill(Qt::white);
    ForgetParts();
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
    ForgetParts();
    ApplyState();
  }

  // --- Where a call may draw, in device pixels ---

  // The logical box [left, right) x [top, bottom), grown by `margin` logical pixels and, when
  // scaled, by one device pixel for rounding, cut to the clip and the image.
  QRect Box(double left, double top, double right, double bottom, double margin) const {
    const int slack = scale == 1.0 ? 0 : 1;
    auto device = [this, slack](double l, double t, double r, double b) {
      return QRect(QPoint(static_cast<int>(std::floor(l * scale)) - slack, static_cast<int>(std::floor(t * scale)) - slack),
                   QPoint(static_cast<int>(std::ceil(r * scale)) - 1 + slack,
                          static_cast<int>(std::ceil(b * scale)) - 1 + slack));
    };
    QRect box = device(left - margin, top - margin, right + margin, bottom + margin);
    if (clipped) box &= device(clip.left(), clip.top(), clip.left() + clip.width(), clip.top() + clip.height());
    return box & image.rect();
  }
  // Outlines reach half the pen's width beyond their path, round caps and joins included.
  double PenMargin() const {
    if (painter.pen().style() == Qt::NoPen) return 0;
    return std::max<qreal>(1, painter.pen().widthF()) / 2 + 1;
  }
  QRect PointsBox(const Point* points, int count) const {
    int l = points[0].x, r = l, t = points[0].y, b = t;
    for (int i = 1; i < count; ++i) {
      l = std::min(l, points[i].x);
      r = std::max(r, points[i].x);
      t = std::min(t, points[i].y);
      b = std::max(b, points[i].y);
    }
    return Box(l, t, r + 1, b + 1, PenMargin());
  }
  QRect TextBox(int x, int y, const ShapedText& s) const {
    const QRectF cell(x, y, s.advance, s.height);
    const QRectF ink = s.ink.translated(x, y + s.ascent - s.baseline);
    const QRectF all = cell | ink;
    return Box(all.left(), all.top(), all.right(), all.bottom(), 1);
  }

  // --- Retained parts ---
  //
  // Parts noted one after another, with no drawing between them, form a group. The group is
  // drawn when the next drawing at once comes (or the frame is read): the differences of all
  // its parts make one region, and every part draws again inside that region, in order. So a
  // later part over an earlier one (the steering strip over the panel) needs nothing drawn
  // where neither changed, and gets the earlier part's pixels under it where either did.

  void ForgetParts() {
    pending.clear();
    for (RetainedPart& p : parts) {
      p.valid = false;
      p.ops.clear();
      p.covered = QRegion();
    }
    validParts = 0;
    validExtent = QRect();
  }
  bool Pending(int id) const { return std::find(pending.begin(), pending.end(), id) != pending.end(); }
  // Drawing that changed `box` spoils what the valid parts outside the group being drawn left
  // there.
  void Touch(const QRect& box) {
    if (validParts == 0 || !validExtent.intersects(box)) return;
    for (int i = 0; i < Canvas::kRetainedParts; ++i) {
      RetainedPart& p = parts[i];
      if (p.valid && p.extent.intersects(box) && !Pending(i)) p.covered += box & p.extent;
    }
  }
  // Before a call draws at once: the noted parts are drawn first.
  void DrawingAtOnce(const QRect& box) {
    if (!pending.empty()) DrawPending();
    Touch(box);
  }
  bool Recording() const { return open >= 0; }
  DrawOp& Note(OpKind kind, const QRect& box) {
    DrawOp& op = parts[open].next.emplace_back();
    op.kind = kind;
    op.state = DrawState{painter.pen(), painter.brush(), role, textColor, backColor, textOpaque, opacity, clipped, clip};
    op.box = box;
    return op;
  }
  void EndPart() {
    pending.push_back(open);
    open = -1;
  }
  // Draws what is noted, before the image is read or the frame ends.
  void Settle() {
    if (Recording() || !pending.empty()) DrawPending();
  }
  // Where a part's drawing differs from its last: the calls that changed, the pixels covered
  // since, or all of it when its last drawing is gone.
  QRegion Difference(const RetainedPart& p, unsigned group) const {
    QRegion damage;
    if (!p.valid || p.group != group) {
      for (const DrawOp& op : p.ops) damage += op.box;
      for (const DrawOp& op : p.next) damage += op.box;
      return damage;
    }
    damage = p.covered;
    const std::size_t n = std::max(p.ops.size(), p.next.size());
    for (std::size_t i = 0; i < n; ++i) {
      const bool inOld = i < p.ops.size(), inNew = i < p.next.size();
      if (inOld && inNew && p.ops[i] == p.next[i]) continue;
      if (inOld) damage += p.ops[i].box;
      if (inNew) damage += p.next[i].box;
    }
    return damage;
  }
  void DrawPending() {
    if (Recording()) EndPart();
    // A part drawn with other parts than last time has other pixels under or over it.
    unsigned group = 0;
    for (int id : pending) group = group * (Canvas::kRetainedParts + 1) + static_cast<unsigned>(id) + 1;
    QRegion damage;
    for (int id : pending) damage += Difference(parts[id], group);
    // Many scattered changes are drawn as one rectangle around them.
    if (damage.rectCount() > 24) damage = QRegion(damage.boundingRect());
    if (!damage.isEmpty()) {
      for (int id : pending) Replay(parts[id].next, damage);
    }
    validExtent = QRect();
    for (RetainedPart& p : parts) {
      if (p.valid && !Pending(static_cast<int>(&p - parts.data()))) validExtent |= p.extent;
    }
    for (int id : pending) {
      RetainedPart& p = parts[id];
      QRect extent;
      for (const DrawOp& op : p.next) extent |= op.box;
      validExtent |= extent;
      if (!p.valid) ++validParts;
      p.valid = true;
      p.drawn = true;
      p.group = group;
      p.extent = extent;
      p.covered = QRegion();
      std::swap(p.ops, p.next);
      p.next.clear();
    }
    pending.clear();
  }

  // Draws the calls that reach into `damage`, inside it only, and puts back the state the
  // drawing code has set. Each rectangle of the region is drawn on its own, clipped to it:
  // outlines and lines honour only the bounding rectangle of a clip region.
  void Replay(const std::vector<DrawOp>& ops, const QRegion& damage) {
    const QTransform transform = painter.transform();
    for (const QRect& area : damage) {
      bool opClipped = false;
      QRect opClip;
      bool first = true;
      for (const DrawOp& op : ops) {
        if (!area.intersects(op.box)) continue;
        const DrawState& s = op.state;
        if (first || s.clipped != opClipped || (s.clipped && s.clip != opClip)) {
          painter.resetTransform();
          painter.setClipRect(area);
          painter.setTransform(transform);
          if (s.clipped) painter.setClipRect(s.clip, Qt::IntersectClip);
          opClipped = s.clipped;
          opClip = s.clip;
          first = false;
        }
        painter.setPen(s.pen);
        painter.setBrush(s.brush);
        painter.setOpacity(s.opacity);
        painter.setFont(fonts[static_cast<int>(s.role)]);
        Run(op);
        Touch(op.box & area);
      }
    }
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setOpacity(opacity);
    painter.setFont(fonts[static_cast<int>(role)]);
    if (clipped) {
      painter.setClipRect(clip);
    } else {
      painter.setClipping(false);
    }
  }

  // --- The drawing itself, with the painter's state as set ---

  void Run(const DrawOp& op);
  // The calls drawn from their figures alone: fills, shapes in a box, lines and pixels.
  void RunFigure(OpKind kind, const std::array<int, 8>& v);
  // Such a call, noted in the open part or drawn at once.
  void Figure(OpKind kind, const QRect& box, const std::array<int, 8>& v) {
    if (Recording()) {
      Note(kind, box).v = v;
      return;
    }
    DrawingAtOnce(box);
    RunFigure(kind, v);
  }
  void DrawPolygon(const Point* points, int count, bool closed);
  void DrawText(int x, int y, const ShapedText& s, Color text, Color back, bool opaque);
};

namespace {
// A one-pixel outline through x covers pixel x, [x, x + 1), while a fill stops at its edge.
// Scaled, a pen one logical pixel wide is centred on its path, so outlines move by half a
// logical pixel to cover the same pixels as at 1:1.
class StrokeOffset {
 public:
  explicit StrokeOffset(Canvas::Impl& impl)
      : painter_(impl.painter), on_(impl.scale != 1.0 && impl.painter.pen().style() != Qt::NoPen) {
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

// A GDI shape covers [left, right) x [top, bottom); Qt's outline of a w x h rectangle with a
// cosmetic pen covers w + 1 pixels, so the outline rectangle is one pixel smaller.
QRectF OutlineBox(int left, int top, int right, int bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  return QRectF(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}

// Pie and arc angles in Qt's sixteenths of a degree, counter-clockwise from three o'clock.
std::pair<int, int> ArcAngles(const QRectF& box, int x1, int y1, int x2, int y2) {
  const double a1 = RadialAngle(box.center().x(), box.center().y(), x1, y1);
  const double a2 = RadialAngle(box.center().x(), box.center().y(), x2, y2);
  double span = a2 - a1;
  while (span <= 0) span += 360;
  return {static_cast<int>(std::lround(a1 * 16)), static_cast<int>(std::lround(span * 16))};
}
}  // namespace

void Canvas::Impl::DrawPolygon(const Point* points, int count, bool closed) {
  polygon.resize(count);
  for (int i = 0; i < count; ++i) polygon[i] = QPoint(points[i].x, points[i].y);
  const StrokeOffset offset(*this);
  if (closed) {
    painter.drawPolygon(polygon.constData(), count);
  } else {
    painter.drawPolyline(polygon.constData(), count);
  }
}

void Canvas::Impl::DrawText(int x, int y, const ShapedText& s, Color text, Color back, bool opaque) {
  if (opaque) painter.fillRect(QRect(x, y, s.advance, s.height), ToQ(back));
  const QPen saved = painter.pen();
  painter.setPen(ToQ(text));
  // The baseline one ascent below y, where drawing the text itself would put it.
  const QPointF origin(x, y + s.ascent - s.baseline);
  for (const QGlyphRun& run : s.runs) painter.drawGlyphRun(origin, run);
  painter.setPen(saved);
}

void Canvas::Impl::Run(const DrawOp& op) {
  switch (op.kind) {
    case OpKind::kPolygon:
    case OpKind::kPolyline:
      DrawPolygon(op.points.data(), static_cast<int>(op.points.size()), op.kind == OpKind::kPolygon);
      break;
    case OpKind::kText:
      DrawText(op.v[0], op.v[1], Shape(op.state.role, op.text), op.state.textColor, op.state.backColor,
               op.state.textOpaque);
      break;
    default:
      RunFigure(op.kind, op.v);
      break;
  }
}

void Canvas::Impl::RunFigure(OpKind kind, const std::array<int, 8>& v) {
  switch (kind) {
    case OpKind::kFill:
      painter.fillRect(QRect(v[0], v[1], v[2] - v[0], v[3] - v[1]), UnpackColor(v[4]));
      break;
    case OpKind::kRectangle: {
      const StrokeOffset offset(*this);
      painter.drawRect(OutlineBox(v[0], v[1], v[2], v[3]));
      break;
    }
    case OpKind::kRoundRect: {
      const StrokeOffset offset(*this);
      painter.drawRoundedRect(OutlineBox(v[0], v[1], v[2], v[3]), v[4] / 2.0, v[5] / 2.0);
      break;
    }
    case OpKind::kEllipse: {
      const StrokeOffset offset(*this);
      painter.drawEllipse(OutlineBox(v[0], v[1], v[2], v[3]));
      break;
    }
    case OpKind::kPie:
    case OpKind::kArc: {
      const QRectF box = OutlineBox(v[0], v[1], v[2], v[3]);
      const auto [start, span] = ArcAngles(box, v[4], v[5], v[6], v[7]);
      const StrokeOffset offset(*this);
      if (kind == OpKind::kPie) {
        painter.drawPie(box, start, span);
      } else {
        painter.drawArc(box, start, span);
      }
      break;
    }
    case OpKind::kLine: {
      const StrokeOffset offset(*this);
      painter.drawLine(QPointF(v[0], v[1]), QPointF(v[2], v[3]));
      break;
    }
    case OpKind::kPixel: {
      const QColor color = UnpackColor(v[4]);
      if (scale == 1.0) {
        const QPen saved = painter.pen();
        painter.setPen(QPen(color, PenWidth(1)));
        painter.drawPoint(v[0], v[1]);
        painter.setPen(saved);
      } else {
        painter.fillRect(QRect(v[0], v[1], 1, 1), color);
      }
      break;
    }
    default:
      break;
  }
}

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
  Impl& d = *impl_;
  d.Settle();
  d.log.clear();
  d.pen = QPen(Qt::black);
  d.pen.setCapStyle(Qt::FlatCap);
  d.brush = QBrush(Qt::white);
  d.penKind = d.brushKind = Impl::kOther;
  d.textColor = Rgb(0, 0, 0);
  d.backColor = Rgb(255, 255, 255);
  d.textOpaque = true;
  d.role = FontRole::Normal;
  d.Begin();
  d.painter.setClipping(false);
  d.painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  // A part left out of the last frame may have been drawn over anywhere.
  for (RetainedPart& p : d.parts) {
    if (p.valid && !p.drawn) {
      p.valid = false;
      --d.validParts;
    }
    p.drawn = false;
  }
}

// Asking again for the pen or brush in use costs nothing: drawing code sets them before every
// shape, hundreds of times a frame.
void Canvas::SetPen(Color color, int width) {
  Impl& d = *impl_;
  if (d.penKind == Impl::kMadePen && d.penColor == color && d.penWidth == width) return;
  std::tie(d.penKind, d.penColor, d.penWidth) = std::tuple{Impl::kMadePen, color, width};
  d.pen = QPen(QBrush(ToQ(color)), d.PenWidth(width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  d.painter.setPen(d.pen);
}

void Canvas::SetNullPen() {
  Impl& d = *impl_;
  if (d.penKind == Impl::kNoPen) return;
  d.penKind = Impl::kNoPen;
  d.pen = QPen(Qt::NoPen);
  d.painter.setPen(d.pen);
}

void Canvas::SetBrush(Color color) {
  Impl& d = *impl_;
  if (d.brushKind == Impl::kMadeBrush && d.brushColor == color) return;
  std::tie(d.brushKind, d.brushColor) = std::tuple{Impl::kMadeBrush, color};
  d.brush = QBrush(ToQ(color));
  d.painter.setBrush(d.brush);
}

void Canvas::SetHollowBrush() {
  Impl& d = *impl_;
  if (d.brushKind == Impl::kNoBrush) return;
  d.brushKind = Impl::kNoBrush;
  d.brush = QBrush(Qt::NoBrush);
  d.painter.setBrush(d.brush);
}

// Each drawing call either notes itself in the open retained part or draws at once, telling
// the parts whose pixels it covers.
void Canvas::FillRect(const Rect& r, Color color) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  Impl& d = *impl_;
  d.Figure(OpKind::kFill, d.Box(r.left, r.top, r.right, r.bottom, 0),
           {r.left, r.top, r.right, r.bottom, PackColor(color)});
}

namespace {
// The shapes drawn in a box, noted or drawn at once alike.
void BoxShape(Canvas::Impl& d, OpKind kind, const std::array<int, 8>& v) {
  const int left = std::min(v[0], v[2]), right = std::max(v[0], v[2]);
  const int top = std::min(v[1], v[3]), bottom = std::max(v[1], v[3]);
  d.Figure(kind, d.Box(left, top, right, bottom, d.PenMargin()), v);
}
}  // namespace

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  BoxShape(*impl_, OpKind::kRectangle, {left, top, right, bottom});
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  BoxShape(*impl_, OpKind::kRoundRect, {left, top, right, bottom, cornerWidth, cornerHeight});
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  BoxShape(*impl_, OpKind::kEllipse, {left, top, right, bottom});
}

void Canvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  BoxShape(*impl_, OpKind::kPie, {left, top, right, bottom, x1, y1, x2, y2});
}

void Canvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  BoxShape(*impl_, OpKind::kArc, {left, top, right, bottom, x1, y1, x2, y2});
}

namespace {
void PointShape(Canvas::Impl& d, const Point* points, int count, bool closed) {
  if (count < 2) return;
  const QRect box = d.PointsBox(points, count);
  if (d.Recording()) {
    d.Note(closed ? OpKind::kPolygon : OpKind::kPolyline, box).points.assign(points, points + count);
    return;
  }
  d.DrawingAtOnce(box);
  d.DrawPolygon(points, count, closed);
}
}  // namespace

void Canvas::Polygon(const Point* points, int count) { PointShape(*impl_, points, count, true); }

void Canvas::Polyline(const Point* points, int count) { PointShape(*impl_, points, count, false); }

void Canvas::MoveTo(int x, int y) { impl_->current = QPointF(x, y); }

void Canvas::LineTo(int x, int y) {
  Impl& d = *impl_;
  const std::array<int, 8> v{static_cast<int>(d.current.x()), static_cast<int>(d.current.y()), x, y};
  const Point ends[2] = {{v[0], v[1]}, {x, y}};
  d.current = QPointF(x, y);
  d.Figure(OpKind::kLine, d.PointsBox(ends, 2), v);
}

void Canvas::SetPixel(int x, int y, Color color) {
  Impl& d = *impl_;
  d.Figure(OpKind::kPixel, d.Box(x, y, x + 1, y + 1, 0), {x, y, 0, 0, PackColor(color)});
}

Color Canvas::GetPixel(int x, int y) const {
  impl_->Settle();
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
  Impl& d = *impl_;
  d.log.push_back(TextLogEntry{x, y, std::string(utf8), d.textColor, d.backColor, d.textOpaque});
  // Noted parts are drawn first: drawing them may shape texts anew, which can empty the cache
  // the shaped text below lives in.
  if (!d.Recording() && !d.pending.empty()) d.DrawPending();
  const ShapedText& shaped = d.Shape(d.role, utf8);
  const QRect box = d.TextBox(x, y, shaped);
  if (d.Recording()) {
    DrawOp& op = d.Note(OpKind::kText, box);
    op.v = {x, y};
    op.text = std::string(utf8);
    return;
  }
  d.DrawingAtOnce(box);
  d.DrawText(x, y, shaped, d.textColor, d.backColor, d.textOpaque);
}

int Canvas::TextWidth(std::string_view utf8) const {
  return impl_->Shape(impl_->role, utf8).advance;
}

int Canvas::LineHeight() const {
  return QFontMetrics(impl_->fonts[static_cast<int>(impl_->role)]).height();
}

void Canvas::SetClip(const Rect& r) {
  impl_->clipped = true;
  impl_->clip = QRect(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()));
  impl_->painter.setClipRect(impl_->clip);
}

void Canvas::ClearClip() {
  impl_->clipped = false;
  impl_->painter.setClipping(false);
}

void Canvas::SetSeeThrough(bool on) {
  // The sails' see-through mode mixes the sail colour with the water and sky behind it.
  impl_->opacity = on ? 0.45 : 1.0;
  impl_->painter.setOpacity(impl_->opacity);
}

void Canvas::BeginRetained(int id) {
  Impl& d = *impl_;
  if (d.Recording()) d.EndPart();
  // A part noted twice in one group is drawn before it is noted again.
  if (d.Pending(id)) d.DrawPending();
  if (!d.retaining || id < 0 || id >= kRetainedParts) return;
  d.open = id;
  d.parts[id].next.clear();
}

void Canvas::EndRetained() {
  if (impl_->Recording()) impl_->EndPart();
}

void Canvas::SetRetaining(bool on) {
  Impl& d = *impl_;
  d.Settle();
  d.retaining = on;
  d.ForgetParts();
}

const std::vector<TextLogEntry>& Canvas::TextLog() const { return impl_->log; }

bool Canvas::SavePng(const std::string& path) const {
  impl_->Settle();
  return impl_->image.save(QString::fromStdString(path), "PNG");
}

const QImage& CanvasImage(const Canvas& canvas) {
  // Reading the image finishes the frame's drawing, which a const canvas still owes.
  Canvas::Impl& d = const_cast<Canvas::Impl&>(canvas.impl());
  d.Settle();
  return d.image;
}

void DrawInto(Canvas& canvas, QImage target) {
  Canvas::Impl& d = canvas.impl();
  d.Settle();
  if (target.isNull()) {
    if (d.external) d.Allocate();
    return;
  }
  if (d.external && d.image.constBits() == target.constBits() && d.image.size() == target.size() &&
      d.image.bytesPerLine() == target.bytesPerLine()) {
    return;
  }
  if (d.painter.isActive()) d.painter.end();
  // Moved, not copied: a second reference would make the painter draw into a private copy.
  d.image = std::move(target);
  d.external = true;
  d.image.fill(Qt::white);
  d.ForgetParts();
}

void StopDrawing(Canvas& canvas) {
  Canvas::Impl& d = canvas.impl();
  d.Settle();
  if (d.painter.isActive()) d.painter.end();
}
