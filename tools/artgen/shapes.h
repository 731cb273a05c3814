// Small shape builders shared by the icon, world and assistant pictures.
#pragma once
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <functional>
#include <initializer_list>

namespace art {

QPainterPath LinePath(QPointF a, QPointF b);
QPainterPath PolyPath(std::initializer_list<QPointF> points);
QPainterPath RectPath(const QRectF& r);
QPainterPath Circle(QPointF c, qreal r);
// A gear with n teeth: outer radius r, tooth depth d, a hole of radius hole.
QPainterPath GearPath(QPointF c, qreal r, qreal d, int n, qreal hole);
// A heart whose top dip is at (c.x, c.y - h/4), w wide and h high.
QPainterPath HeartPath(QPointF c, qreal w, qreal h);
// A five-pointed star.
QPainterPath StarPath(QPointF c, qreal outer, qreal inner);

// A transparent strip of frames side by side; draw(p, i) paints frame i in a
// coordinate system whose origin is the frame's top-left corner (clipped to it).
QImage DrawStrip(int frames, int w, int h, const std::function<void(QPainter&, int)>& draw);
// Straight (not premultiplied) ARGB, as the PNG writer stores it.
QImage Straight(const QImage& premultiplied);

}  // namespace art
