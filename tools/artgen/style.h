// Shared palette and drawing helpers, so every picture reads as one family:
// soft colours, rounded shapes and one navy outline colour.
#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace art {

namespace pal {
inline const QColor ink{47, 53, 84};  // outlines: a soft navy, never pure black
inline const QColor white{255, 255, 255};
inline const QColor skin{246, 203, 168};
inline const QColor blush{244, 140, 128};
inline const QColor hair{92, 58, 46};
inline const QColor hairLight{128, 86, 68};
inline const QColor hoodie{242, 119, 95};
inline const QColor hoodieLight{249, 160, 138};
inline const QColor hoodieDark{214, 95, 74};
inline const QColor jeans{69, 102, 168};
inline const QColor jeansDark{54, 81, 138};
inline const QColor sole{214, 220, 232};
inline const QColor pack{247, 197, 72};
inline const QColor packDark{224, 169, 47};
inline const QColor mouth{181, 71, 90};
inline const QColor cream{252, 238, 216};
inline const QColor creamShade{244, 222, 190};
inline const QColor sage{176, 214, 190};
inline const QColor sageDark{140, 190, 162};
inline const QColor wood{206, 146, 92};
inline const QColor woodLight{226, 176, 122};
inline const QColor woodDark{170, 112, 66};
inline const QColor door{94, 155, 216};
inline const QColor doorLight{126, 178, 229};
inline const QColor doorDark{70, 124, 186};
inline const QColor glass{200, 232, 248};
inline const QColor gold{246, 196, 78};
inline const QColor sky{143, 211, 244};
inline const QColor teal{70, 163, 184};
inline const QColor blue{60, 111, 176};
inline const QColor mint{108, 195, 166};
inline const QColor green{52, 165, 111};
inline const QColor pink{244, 182, 201};
inline const QColor lilac{190, 168, 230};
}  // namespace pal

// A canvas filled with one colour; transparent ones are premultiplied for speed.
QImage NewCanvas(int w, int h, bool alpha, const QColor& fill);
// Antialiased painting with no pen or brush left over from a previous shape.
void BeginPainting(QPainter& p);

QPainterPath Ellipse(QPointF c, qreal rx, qreal ry);
QPainterPath RoundRect(const QRectF& r, qreal radius);
// A ribbon along a centre line whose width changes from w0 to w1 (paths in perspective).
QPainterPath Ribbon(const QPainterPath& centre, qreal w0, qreal w1, int steps = 64);
// A teardrop from root to tip, bent sideways by bend (ponytails, flames of a sign).
QPainterPath Teardrop(QPointF root, QPointF tip, qreal width, qreal bend);

void FillOutlined(QPainter& p, const QPainterPath& shape, const QColor& fill, qreal outline);
void Fill(QPainter& p, const QPainterPath& shape, const QColor& fill);
void Stroke(QPainter& p, const QPainterPath& line, const QColor& colour, qreal width);
// A rounded limb through its joints: an ink stroke with the colour stroked inside it.
void Limb(QPainter& p, const QPolygonF& joints, qreal width, const QColor& fill, qreal outline);

QColor Mix(const QColor& a, const QColor& b, qreal t);
QColor WithAlpha(const QColor& c, int alpha);
// The unit direction of an angle in degrees measured from straight down (+ turns towards +x).
QPointF Dir(qreal degrees);

}  // namespace art
