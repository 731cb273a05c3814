#include "style.h"

#include <cmath>
#include <numbers>

namespace art {

QImage NewCanvas(int w, int h, bool alpha, const QColor& fill) {
  QImage image(w, h, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  // A fixed resolution keeps the saved headers identical on every machine.
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(fill);
  return image;
}

void BeginPainting(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::NoBrush);
}

QPainterPath Ellipse(QPointF c, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(c, rx, ry);
  return path;
}

QPainterPath RoundRect(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath Ribbon(const QPainterPath& centre, qreal w0, qreal w1, int steps) {
  QPolygonF left, right;
  for (int i = 0; i <= steps; ++i) {
    qreal t = static_cast<qreal>(i) / steps;
    QPointF pt = centre.pointAtPercent(t);
    qreal a = centre.angleAtPercent(t) * std::numbers::pi / 180.0;
    // angleAtPercent is counter-clockwise with y up; the normal in y-down screen space.
    QPointF n(std::sin(a), std::cos(a));
    qreal half = (w0 + (w1 - w0) * t) / 2;
    left << pt + n * half;
    right.prepend(pt - n * half);
  }
  QPainterPath path;
  path.addPolygon(left + right);
  path.closeSubpath();
  return path;
}

QPainterPath Teardrop(QPointF root, QPointF tip, qreal width, qreal bend) {
  QPointF d = tip - root;
  qreal len = std::hypot(d.x(), d.y());
  QPointF u = d / len;
  QPointF n(-u.y(), u.x());
  QPointF b = n * bend;
  QPainterPath path;
  path.moveTo(root + n * width * 0.3);
  path.cubicTo(root + d * 0.3 + n * width * 0.75 + b, root + d * 0.8 + n * width * 0.4 + b, tip);
  path.cubicTo(root + d * 0.8 - n * width * 0.4 + b, root + d * 0.3 - n * width * 0.75 + b, root - n * width * 0.3);
  path.closeSubpath();
  return path;
}

void FillOutlined(QPainter& p, const QPainterPath& shape, const QColor& fill, qreal outline) {
  QPen pen(pal::ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(outline > 0 ? pen : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawPath(shape);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::NoBrush);
}

void Fill(QPainter& p, const QPainterPath& shape, const QColor& fill) { FillOutlined(p, shape, fill, 0); }

void Stroke(QPainter& p, const QPainterPath& line, const QColor& colour, qreal width) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(line);
  p.setPen(Qt::NoPen);
}

void Limb(QPainter& p, const QPolygonF& joints, qreal width, const QColor& fill, qreal outline) {
  QPainterPath line;
  line.addPolygon(joints);
  if (outline > 0) Stroke(p, line, pal::ink, width + 2 * outline);
  Stroke(p, line, fill, width);
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
  auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QColor WithAlpha(const QColor& c, int alpha) {
  QColor out = c;
  out.setAlpha(alpha);
  return out;
}

QPointF Dir(qreal degrees) {
  qreal r = degrees * std::numbers::pi / 180.0;
  return {std::sin(r), std::cos(r)};
}

}  // namespace art
