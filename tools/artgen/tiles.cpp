// Repeating pictures: the corridor door tile of the main menu and the quiet
// background, border and header of the section screens.
#include <cmath>

#include "pictures.h"
#include "style.h"

namespace art {
namespace {

constexpr int kTileW = 171;
constexpr int kTileH = 305;
constexpr qreal kRailTop = 200;
constexpr qreal kSkirtTop = 288;
constexpr qreal kFloorTop = 298;

QPainterPath Line(QPointF a, QPointF b) {
  QPainterPath l;
  l.moveTo(a);
  l.lineTo(b);
  return l;
}

// ---- the corridor wall --------------------------------------------------------------------

// Faint vertical stripes: their period divides the tile width, so the wall runs on unbroken.
void DrawWallpaper(QPainter& p) {
  p.fillRect(QRectF(0, 0, kTileW, kRailTop), pal::cream);
  const qreal period = kTileW / 9.0;
  for (int i = 0; i < 9; ++i)
    p.fillRect(QRectF(i * period + period * 0.5, 0, period * 0.5, kRailTop), WithAlpha(pal::creamShade, 90));
}

void DrawWainscot(QPainter& p) {
  p.fillRect(QRectF(0, kRailTop, kTileW, kSkirtTop - kRailTop), pal::sage);
  // Tongue-and-groove boards, again on a period that divides the width.
  for (int i = 0; i < 9; ++i) {
    qreal x = i * kTileW / 9.0 + 2;
    Stroke(p, Line(QPointF(x, kRailTop + 8), QPointF(x, kSkirtTop)), pal::sageDark, 1.0);
  }
  // The chair rail on top of the boards.
  p.fillRect(QRectF(0, kRailTop, kTileW, 7), pal::woodLight);
  p.fillRect(QRectF(0, kRailTop + 5, kTileW, 2), pal::wood);
  Stroke(p, Line(QPointF(-1, kRailTop), QPointF(kTileW + 1, kRailTop)), pal::ink, 1.0);
  Stroke(p, Line(QPointF(-1, kRailTop + 7), QPointF(kTileW + 1, kRailTop + 7)), pal::ink, 1.0);
}

void DrawSkirtingAndFloor(QPainter& p) {
  p.fillRect(QRectF(0, kSkirtTop, kTileW, kFloorTop - kSkirtTop), pal::white);
  Stroke(p, Line(QPointF(-1, kSkirtTop), QPointF(kTileW + 1, kSkirtTop)), pal::ink, 1.0);
  p.fillRect(QRectF(0, kFloorTop, kTileW, kTileH - kFloorTop), pal::woodLight);
  p.fillRect(QRectF(0, kTileH - 2, kTileW, 2), pal::wood);
  Stroke(p, Line(QPointF(-1, kFloorTop), QPointF(kTileW + 1, kFloorTop)), pal::ink, 1.0);
  for (int i = 0; i < 3; ++i) {
    qreal x = 40 + i * kTileW / 3.0;
    Stroke(p, Line(QPointF(x, kFloorTop + 1.5), QPointF(x, kTileH - 2)), pal::wood, 1.0);
  }
}

// A bowl-shaped wall light between two doors, washing the wall above with warm light;
// drawn on both edges so its halves meet when the tile repeats.
void DrawWallLight(QPainter& p, qreal x) {
  const QPointF rim(x, 118);
  QRadialGradient glow(rim + QPointF(0, -6), 24);
  glow.setColorAt(0, WithAlpha(pal::gold, 130));
  glow.setColorAt(1, WithAlpha(pal::gold, 0));
  p.setBrush(glow);
  p.drawEllipse(rim + QPointF(0, -6), 24.0, 24.0);
  p.setBrush(Qt::NoBrush);
  FillOutlined(p, RoundRect(QRectF(x - 2.5, rim.y() + 5, 5, 8), 1.5), pal::woodDark, 1.0);
  QPainterPath bowl;
  bowl.moveTo(x - 9, rim.y());
  bowl.cubicTo(x - 8, rim.y() + 9, x + 8, rim.y() + 9, x + 9, rim.y());
  bowl.closeSubpath();
  FillOutlined(p, bowl, QColor(255, 250, 240), 1.2);
  FillOutlined(p, Ellipse(rim, 9, 2.2), QColor(255, 232, 160), 1.0);
  Stroke(p, Line(QPointF(x - 5, rim.y() + 4), QPointF(x + 2, rim.y() + 4.5)), WithAlpha(pal::creamShade, 255), 1.2);
}

// ---- the door -----------------------------------------------------------------------------

// A wooden frame slightly larger than the sign label placed over it. Its inside
// is plain wood, so the plaques of the partial row under the doors (where no
// label goes) read as part of the wall, not as empty signs.
void DrawPlaque(QPainter& p) {
  Fill(p, RoundRect(QRectF(21, 9, 131, 79), 7), WithAlpha(pal::ink, 40));  // soft drop shadow
  FillOutlined(p, RoundRect(QRectF(20, 6, 131, 78), 7), pal::wood, 1.4);
  Stroke(p, RoundRect(QRectF(22, 8, 127, 74), 5.5), pal::woodLight, 1.4);
  FillOutlined(p, RoundRect(QRectF(25, 11, 121, 68), 2.5), pal::wood.darker(112), 1.2);
  for (QPointF screw : {QPointF(22.8, 8.8), QPointF(148.2, 8.8), QPointF(22.8, 81.2), QPointF(148.2, 81.2)})
    FillOutlined(p, Ellipse(screw, 1.3, 1.3), pal::gold, 0.7);
}

void DrawCasing(QPainter& p) {
  // The dark reveal behind the door makes the opening read as a doorway.
  FillOutlined(p, RoundRect(QRectF(21, 88, 129, 214), 5), QColor(255, 249, 238), 1.4);
  p.fillRect(QRectF(27, 93, 117, 205), pal::doorDark.darker(160));
  Stroke(p, RoundRect(QRectF(24, 91, 123, 210), 3), pal::creamShade, 1.0);
}

void DrawDoorLeaf(QPainter& p) {
  QRectF leaf(29, 95, 113, 202);
  QLinearGradient shade(leaf.topLeft(), leaf.topRight());
  shade.setColorAt(0, pal::doorLight);
  shade.setColorAt(1, pal::door);
  QPainterPath path = RoundRect(leaf, 3);
  p.setPen(QPen(pal::ink, 1.3));
  p.setBrush(shade);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::NoBrush);
}

void DrawWindow(QPainter& p) {
  QRectF frame(41, 106, 89, 62);
  FillOutlined(p, RoundRect(frame, 8), pal::doorDark, 1.2);
  QRectF pane = frame.adjusted(5, 5, -5, -5);
  QLinearGradient sky(pane.topLeft(), pane.bottomLeft());
  sky.setColorAt(0, pal::glass);
  sky.setColorAt(1, QColor(255, 244, 214));
  p.setPen(QPen(pal::ink, 1.0));
  p.setBrush(sky);
  p.drawRoundedRect(pane, 5, 5);
  p.setPen(Qt::NoPen);
  // Light streaks on the glass.
  p.save();
  p.setClipPath(RoundRect(pane, 5));
  for (qreal x : {58.0, 70.0})
    Stroke(p, Line(QPointF(x, pane.bottom() + 4), QPointF(x + 30, pane.top() - 4)), WithAlpha(pal::white, 150), 5);
  p.restore();
  Stroke(p, Line(QPointF(frame.center().x(), pane.top()), QPointF(frame.center().x(), pane.bottom())), pal::doorDark,
         3);
}

void DrawPanel(QPainter& p, const QRectF& r) {
  FillOutlined(p, RoundRect(r, 6), pal::doorDark, 1.1);
  FillOutlined(p, RoundRect(r.adjusted(4, 4, -4, -4), 4), pal::doorLight, 1.0);
  Stroke(p, Line(r.topLeft() + QPointF(9, 8), r.topRight() + QPointF(-9, 8)), WithAlpha(pal::white, 110), 1.5);
}

void DrawHandle(QPainter& p) {
  FillOutlined(p, RoundRect(QRectF(127, 178, 9, 26), 4.5), QColor(252, 226, 150), 1.1);
  QPainterPath lever;
  lever.moveTo(131.5, 186);
  lever.lineTo(116, 187);
  FillOutlined(p, Ellipse(QPointF(131.5, 186.5), 3.2, 3.2), pal::gold, 1.0);
  p.setPen(QPen(pal::ink, 5.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(lever);
  p.setPen(QPen(pal::gold, 3.4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(lever);
  p.setPen(Qt::NoPen);
  Fill(p, Ellipse(QPointF(131.5, 198), 1.4, 1.6), pal::ink);  // keyhole
}

void DrawKickPlate(QPainter& p) {
  FillOutlined(p, RoundRect(QRectF(33, 283, 105, 11), 2), QColor(208, 221, 236), 1.0);
  Stroke(p, Line(QPointF(37, 286), QPointF(134, 286)), WithAlpha(pal::white, 200), 1.2);
}

void DrawThreshold(QPainter& p) { FillOutlined(p, RoundRect(QRectF(19, 295.5, 133, 4.5), 1.5), pal::creamShade, 1.0); }

void DrawDoor(QPainter& p) {
  DrawCasing(p);
  DrawDoorLeaf(p);
  DrawWindow(p);
  DrawPanel(p, QRectF(41, 206, 89, 71));
  DrawHandle(p);
  DrawKickPlate(p);
  DrawThreshold(p);
}

// ---- header decorations -------------------------------------------------------------------

void DrawSparkle(QPainter& p, QPointF c, qreal r, const QColor& colour) {
  QPainterPath star;
  star.moveTo(c + QPointF(0, -r));
  star.quadTo(c, c + QPointF(r, 0));
  star.quadTo(c, c + QPointF(0, r));
  star.quadTo(c, c + QPointF(-r, 0));
  star.quadTo(c, c + QPointF(0, -r));
  Fill(p, star, colour);
}

void DrawBubble(QPainter& p, QPointF c, qreal r, int alpha) {
  Fill(p, Ellipse(c, r, r), WithAlpha(pal::white, alpha));
  Stroke(p, Ellipse(c, r, r), WithAlpha(pal::white, alpha + 30), 1.2);
}

}  // namespace

QImage DrawParte() {
  QImage image = NewCanvas(kTileW, kTileH, false, pal::cream);
  QPainter p(&image);
  BeginPainting(p);
  DrawWallpaper(p);
  DrawWainscot(p);
  DrawSkirtingAndFloor(p);
  DrawWallLight(p, 0);
  DrawWallLight(p, kTileW);
  DrawDoor(p);
  DrawPlaque(p);
  p.end();
  return image;
}

QImage DrawSuelo() {
  QImage image = NewCanvas(64, 64, false, QColor(238, 243, 248));
  QPainter p(&image);
  BeginPainting(p);
  // One soft square tile with a hairline joint on two sides: repeated, the joints form a grid.
  Fill(p, RoundRect(QRectF(2, 2, 61, 61), 6), QColor(243, 247, 251));
  p.fillRect(QRectF(0, 0, 64, 1), QColor(226, 233, 241));
  p.fillRect(QRectF(0, 0, 1, 64), QColor(226, 233, 241));
  DrawSparkle(p, QPointF(32.5, 32.5), 4, QColor(226, 233, 242));
  p.end();
  return image;
}

QImage DrawMarco() {
  QImage image = NewCanvas(24, 120, false, pal::teal);
  QPainter p(&image);
  BeginPainting(p);
  // Only horizontal shading, so the strip repeats downwards without a seam.
  QLinearGradient across(0, 0, 24, 0);
  across.setColorAt(0, pal::blue);
  across.setColorAt(0.5, pal::teal);
  across.setColorAt(1, pal::blue);
  p.fillRect(QRectF(0, 0, 24, 120), across);
  p.fillRect(QRectF(3, 0, 1.2, 120), WithAlpha(pal::white, 90));
  p.fillRect(QRectF(19.8, 0, 1.2, 120), WithAlpha(pal::white, 90));
  for (qreal y : {0.0, 60.0, 120.0}) Fill(p, Ellipse(QPointF(12, y), 2.2, 2.2), WithAlpha(pal::white, 200));
  FillOutlined(p, Ellipse(QPointF(12, 30), 5.2, 5.2), pal::gold, 1.2);
  FillOutlined(p, Ellipse(QPointF(12, 90), 5.2, 5.2), pal::hoodie, 1.2);
  for (qreal y : {30.0, 90.0}) Fill(p, Ellipse(QPointF(10.4, y - 1.6), 1.5, 1.5), WithAlpha(pal::white, 170));
  p.end();
  return image;
}

QImage DrawCabecera() {
  QImage image = NewCanvas(1024, 50, false, pal::blue);
  QPainter p(&image);
  BeginPainting(p);
  QLinearGradient along(0, 0, 1024, 0);
  along.setColorAt(0, pal::blue);
  along.setColorAt(0.6, pal::teal);
  along.setColorAt(1, pal::mint);
  p.fillRect(QRectF(0, 0, 1024, 50), along);
  QLinearGradient shine(0, 0, 0, 50);
  shine.setColorAt(0, WithAlpha(pal::white, 50));
  shine.setColorAt(0.5, WithAlpha(pal::white, 0));
  p.fillRect(QRectF(0, 0, 1024, 50), shine);
  // Decorations only on the right: labels may sit on the left and in the centre.
  DrawBubble(p, QPointF(760, 40), 22, 22);
  DrawBubble(p, QPointF(812, 8), 14, 26);
  DrawBubble(p, QPointF(905, 34), 30, 20);
  DrawBubble(p, QPointF(980, 6), 18, 28);
  DrawBubble(p, QPointF(1010, 44), 10, 34);
  DrawSparkle(p, QPointF(720, 16), 5, WithAlpha(pal::white, 150));
  DrawSparkle(p, QPointF(858, 30), 6, WithAlpha(QColor(255, 236, 160), 200));
  DrawSparkle(p, QPointF(948, 14), 4, WithAlpha(pal::white, 170));
  DrawSparkle(p, QPointF(995, 28), 5, WithAlpha(QColor(255, 236, 160), 190));
  for (int i = 0; i < 5; ++i) Fill(p, Ellipse(QPointF(690 + i * 14, 38), 1.6, 1.6), WithAlpha(pal::white, 120));
  p.fillRect(QRectF(0, 47, 1024, 3), pal::gold);
  p.fillRect(QRectF(0, 46, 1024, 1), WithAlpha(pal::ink, 60));
  p.end();
  return image;
}

}  // namespace art
