#include "shapes.h"

#include <cmath>
#include <numbers>

#include "style.h"

namespace art {

QPainterPath LinePath(QPointF a, QPointF b) {
  QPainterPath l;
  l.moveTo(a);
  l.lineTo(b);
  return l;
}

QPainterPath PolyPath(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

QPainterPath RectPath(const QRectF& r) {
  QPainterPath path;
  path.addRect(r);
  return path;
}

QPainterPath Circle(QPointF c, qreal r) { return Ellipse(c, r, r); }

QPainterPath GearPath(QPointF c, qreal r, qreal d, int n, qreal hole) {
  QPolygonF outline;
  const int steps = n * 4;
  for (int i = 0; i < steps; ++i) {
    // Each tooth: rise, top, fall, valley, as four equal quarter steps.
    qreal a = 2 * std::numbers::pi * (i + 0.5) / steps;
    qreal rr = (i % 4 == 0 || i % 4 == 1) ? r : r - d;
    outline << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
  }
  QPainterPath gear;
  gear.addPolygon(outline);
  gear.closeSubpath();
  if (hole > 0) gear = gear.subtracted(Circle(c, hole));
  return gear;
}

QPainterPath HeartPath(QPointF c, qreal w, qreal h) {
  const qreal x = c.x(), top = c.y() - h / 2, half = w / 2;
  QPainterPath heart;
  heart.moveTo(x, top + h * 0.25);
  heart.cubicTo(x, top - h * 0.05, x - half * 1.05, top - h * 0.02, x - half, top + h * 0.3);
  heart.cubicTo(x - half * 0.95, top + h * 0.6, x - half * 0.3, top + h * 0.8, x, top + h);
  heart.cubicTo(x + half * 0.3, top + h * 0.8, x + half * 0.95, top + h * 0.6, x + half, top + h * 0.3);
  heart.cubicTo(x + half * 1.05, top - h * 0.02, x, top - h * 0.05, x, top + h * 0.25);
  heart.closeSubpath();
  return heart;
}

QPainterPath StarPath(QPointF c, qreal outer, qreal inner) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    qreal a = std::numbers::pi * i / 5 - std::numbers::pi / 2;
    qreal r = i % 2 == 0 ? outer : inner;
    star << c + QPointF(std::cos(a) * r, std::sin(a) * r);
  }
  QPainterPath path;
  path.addPolygon(star);
  path.closeSubpath();
  return path;
}

QImage DrawStrip(int frames, int w, int h, const std::function<void(QPainter&, int)>& draw) {
  QImage image = NewCanvas(frames * w, h, true, Qt::transparent);
  QPainter p(&image);
  BeginPainting(p);
  for (int i = 0; i < frames; ++i) {
    p.save();
    p.setClipRect(i * w, 0, w, h);
    p.translate(i * w, 0);
    draw(p, i);
    p.restore();
  }
  p.end();
  return Straight(image);
}

QImage Straight(const QImage& premultiplied) { return premultiplied.convertToFormat(QImage::Format_ARGB32); }

}  // namespace art
