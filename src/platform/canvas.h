// Drawing surface with GDI-like calls over an off-screen image.
//
// The drawing code of the program only sees this header; the Qt painter behind it stays in
// canvas.cpp. Every text drawn is also appended to a text log so that tests and the probe can
// check what the frame shows without reading pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  constexpr bool operator==(const Color&) const = default;
};

constexpr Color Rgb(int r, int g, int b) {
  return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

struct Point {
  int x = 0, y = 0;
  constexpr bool operator==(const Point&) const = default;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  constexpr bool operator==(const Rect&) const = default;
};

enum class FontRole { Normal, Banner, Small };

struct TextLogEntry {
  int x = 0, y = 0;
  std::string text;  // UTF-8, exactly as drawn (trailing blanks included)
  Color textColor;
  Color backColor;
  bool opaque = true;
};

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The size in logical pixels: every call below takes logical coordinates.
  int Width() const;
  int Height() const;
  // Reallocates the image when the size differs; the content is then undefined.
  void Resize(int width, int height);
  // Device pixels per logical pixel (1 by default). A window that shows the frame enlarged
  // draws it at its final resolution, so lines and text stay sharp; the image then holds
  // round(width x scale) x round(height x scale) pixels. Reallocates when it changes.
  void SetScale(double scale);
  double Scale() const;
  // Starts a new frame: clears the text log and resets pen, brush, text state and clip.
  void BeginFrame();

  // Pen and brush. A width of 0 or 1 draws one pixel wide lines.
  void SetPen(Color color, int width = 1);
  void SetNullPen();
  void SetBrush(Color color);
  void SetHollowBrush();

  // Shapes use GDI's bounding-box conventions: the right and bottom edges are excluded.
  void FillRect(const Rect& r, Color color);
  void Rectangle(int left, int top, int right, int bottom);
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void Ellipse(int left, int top, int right, int bottom);
  // Pie and arc run counter-clockwise from the radial through (x1, y1) to the one through (x2, y2).
  void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
  void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
  void Polygon(const Point* points, int count);
  void Polygon(const std::vector<Point>& points) { Polygon(points.data(), static_cast<int>(points.size())); }
  void Polyline(const Point* points, int count);
  void Polyline(const std::vector<Point>& points) { Polyline(points.data(), static_cast<int>(points.size())); }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);  // excludes the end point, as GDI does
  void SetPixel(int x, int y, Color color);
  // The colour at the centre of logical pixel (x, y); black outside the image.
  Color GetPixel(int x, int y) const;

  // Text, placed by the top-left corner of its cell.
  void SetFont(FontRole role);
  void SetTextColor(Color color);
  void SetBackColor(Color color);
  void SetTextOpaque(bool opaque);
  void TextOut(int x, int y, std::string_view utf8);
  int TextWidth(std::string_view utf8) const;
  int LineHeight() const;
  // Font pixel heights for the three roles; the paint handler sizes them from the view.
  void SetFontSizes(int normal, int banner, int small);

  // Rectangular clip; drawing outside it is discarded.
  void SetClip(const Rect& r);
  void ClearClip();

  // See-through mode for transparent sails: filled shapes blend with what lies below.
  void SetSeeThrough(bool on);

  // A retained part of the frame, such as the data panel: what is drawn between
  // BeginRetained(id) and EndRetained() is noted first, then compared with what the same part
  // drew last time, and only the pixels that would come out differently are drawn: those of
  // the calls that changed and those that other drawing has covered since. The pixels come out
  // as if everything had been drawn, as long as whatever a part blends (text without a ground,
  // see-through fills) lies over its own opaque drawing or a part's before it; the text log is
  // kept as usual. Parts do not nest, read no pixels while open, and a part not drawn in a
  // frame is drawn whole when it comes back.
  // Ids run from 0 to kRetainedParts - 1.
  static constexpr int kRetainedParts = 8;
  void BeginRetained(int id);
  void EndRetained();
  // Off, every call draws at once (for comparing the two ways in tests).
  void SetRetaining(bool on);

  const std::vector<TextLogEntry>& TextLog() const;
  bool SavePng(const std::string& path) const;

  struct Impl;
  Impl& impl() { return *impl_; }
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};
