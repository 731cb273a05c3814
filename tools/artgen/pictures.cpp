// The stand-alone pictures: helicopter, exit sign and splash illustration.
#include <cmath>

#include "mascot.h"
#include "pictures.h"
#include "style.h"

namespace art {
namespace {

QPainterPath Line(QPointF a, QPointF b) {
  QPainterPath l;
  l.moveTo(a);
  l.lineTo(b);
  return l;
}

QPainterPath Rect(const QRectF& r) {
  QPainterPath path;
  path.addRect(r);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

// ---- helicopter ---------------------------------------------------------------------------

void DrawHeliTail(QPainter& p) {
  QPainterPath boom;
  boom.moveTo(24, 17);
  boom.lineTo(7, 15.5);
  boom.quadTo(4.5, 16.5, 7, 18.5);
  boom.lineTo(24, 25);
  boom.closeSubpath();
  FillOutlined(p, boom, pal::hoodieDark, 1.2);
  FillOutlined(p, Teardrop(QPointF(9, 16.5), QPointF(4.5, 7.5), 5, 0.5), pal::hoodie, 1.2);
  // The tail rotor, a small blur with two blades.
  Fill(p, Ellipse(QPointF(6, 17), 4.6, 4.6), WithAlpha(pal::sole, 140));
  Stroke(p, Line(QPointF(6, 12.8), QPointF(6, 21.2)), pal::ink, 1.4);
  FillOutlined(p, Ellipse(QPointF(6, 17), 1.3, 1.3), pal::gold, 0.8);
}

void DrawHeliSkids(QPainter& p) {
  QPainterPath skid;
  skid.moveTo(22, 36.5);
  skid.lineTo(52, 36.5);
  skid.quadTo(56, 36.5, 57, 33.5);
  Stroke(p, skid, pal::ink, 3.0);
  Stroke(p, skid, pal::sole, 1.4);
  for (qreal x : {31.0, 45.0}) {
    Stroke(p, Line(QPointF(x, 30), QPointF(x - 1.5, 36)), pal::ink, 2.8);
    Stroke(p, Line(QPointF(x, 30), QPointF(x - 1.5, 36)), pal::sole, 1.2);
  }
}

void DrawHeliBody(QPainter& p) {
  QPainterPath body;
  body.moveTo(22, 22);
  body.cubicTo(22, 13, 30, 10, 38, 10);
  body.cubicTo(48, 10, 56, 16, 56, 23);
  body.cubicTo(56, 29, 50, 32, 40, 32);
  body.lineTo(30, 32);
  body.cubicTo(25, 32, 22, 28, 22, 22);
  FillOutlined(p, body, pal::hoodie, 1.3);
  // A big bubble window at the front: the friendly "face" of the machine.
  QPainterPath window;
  window.moveTo(40, 12);
  window.cubicTo(48, 12, 54, 17, 54.5, 22.5);
  window.lineTo(40, 22.5);
  window.closeSubpath();
  FillOutlined(p, window, pal::glass, 1.1);
  Stroke(p, Line(QPointF(44, 14.5), QPointF(47.5, 19)), WithAlpha(pal::white, 230), 1.6);
  FillOutlined(p, RoundRect(QRectF(29, 15, 7, 7), 2), pal::glass, 1.0);
  Stroke(p, Line(QPointF(25, 26.5), QPointF(52, 26.5)), pal::hoodieLight, 1.6);
}

void DrawHeliRotor(QPainter& p) {
  FillOutlined(p, RoundRect(QRectF(35, 5.5, 4, 6), 1), pal::sole, 1.0);
  FillOutlined(p, RoundRect(QRectF(9, 3, 54, 3.4), 1.7), QColor(138, 150, 180), 1.1);
  FillOutlined(p, Ellipse(QPointF(37, 4.7), 2.4, 2.0), pal::gold, 0.9);
}

// ---- exit sign ----------------------------------------------------------------------------

void DrawSignPlate(QPainter& p) {
  QRectF plate(2, 2, 146, 76);
  QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
  shade.setColorAt(0, QColor(74, 186, 128));
  shade.setColorAt(1, pal::green);
  p.setPen(QPen(pal::ink, 2.0));
  p.setBrush(shade);
  p.drawRoundedRect(plate, 12, 12);
  p.setPen(Qt::NoPen);
  Stroke(p, RoundRect(plate.adjusted(5, 5, -5, -5), 8), WithAlpha(pal::white, 170), 1.6);
}

// A doorway full of daylight with the door swung open towards the viewer.
void DrawOpenDoor(QPainter& p) {
  QRectF opening(24, 15, 34, 52);
  Fill(p, Rect(opening), QColor(255, 238, 170));
  Fill(p, Rect(QRectF(24, 52, 34, 15)), QColor(178, 226, 150));  // grass outside
  Fill(p, Ellipse(QPointF(46, 27), 5, 5), QColor(255, 205, 80));  // the sun outside
  Stroke(p, Rect(opening), pal::white, 4);
  QPainterPath leaf = Polygon({QPointF(24, 15), QPointF(12, 11), QPointF(12, 71), QPointF(24, 67)});
  FillOutlined(p, leaf, pal::white, 1.2);
  Fill(p, Ellipse(QPointF(15.5, 42), 1.6, 2.2), pal::green);
}

void DrawExitArrow(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(68, 34);
  arrow.lineTo(106, 34);
  arrow.lineTo(106, 22);
  arrow.lineTo(132, 41);
  arrow.lineTo(106, 60);
  arrow.lineTo(106, 48);
  arrow.lineTo(68, 48);
  arrow.closeSubpath();
  p.setPen(QPen(pal::ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(pal::white);
  p.drawPath(arrow);
  p.setPen(Qt::NoPen);
}

// ---- splash: scenery ----------------------------------------------------------------------

void DrawSky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, 300);
  sky.setColorAt(0, QColor(128, 200, 240));
  sky.setColorAt(0.7, QColor(200, 232, 246));
  sky.setColorAt(1, QColor(255, 236, 205));
  p.fillRect(QRectF(0, 0, 500, 320), sky);
  QRadialGradient glow(QPointF(392, 92), 80);
  glow.setColorAt(0, WithAlpha(QColor(255, 240, 170), 200));
  glow.setColorAt(1, WithAlpha(QColor(255, 240, 170), 0));
  p.setBrush(glow);
  p.drawEllipse(QPointF(392, 92), 80.0, 80.0);
  p.setBrush(Qt::NoBrush);
  FillOutlined(p, Ellipse(QPointF(392, 92), 32, 32), QColor(255, 214, 92), 2.0);
  Fill(p, Ellipse(QPointF(382, 82), 12, 12), WithAlpha(pal::white, 90));
}

void DrawCloud(QPainter& p, QPointF c, qreal s) {
  QPainterPath cloud = Ellipse(c, 26 * s, 14 * s);
  cloud = cloud.united(Ellipse(c + QPointF(-18 * s, 4 * s), 16 * s, 11 * s));
  cloud = cloud.united(Ellipse(c + QPointF(20 * s, 4 * s), 17 * s, 10 * s));
  cloud = cloud.united(Ellipse(c + QPointF(-2 * s, -10 * s), 16 * s, 13 * s));
  Fill(p, cloud.translated(0, 3 * s), WithAlpha(QColor(160, 190, 220), 70));
  Fill(p, cloud, pal::white);
}

void DrawBird(QPainter& p, QPointF c, qreal s) {
  QPainterPath bird;
  bird.moveTo(c + QPointF(-6 * s, -2 * s));
  bird.quadTo(c + QPointF(-3 * s, -4 * s), c);
  bird.quadTo(c + QPointF(3 * s, -4 * s), c + QPointF(6 * s, -2 * s));
  Stroke(p, bird, pal::ink, 1.6);
}

void DrawHills(QPainter& p) {
  QPainterPath far;
  far.moveTo(0, 268);
  far.cubicTo(70, 236, 150, 232, 220, 246);
  far.cubicTo(300, 226, 400, 232, 500, 258);
  far.lineTo(500, 500);
  far.lineTo(0, 500);
  far.closeSubpath();
  FillOutlined(p, far, QColor(188, 226, 184), 1.6);
  QPainterPath mid;
  mid.moveTo(0, 300);
  mid.cubicTo(60, 282, 130, 284, 190, 300);
  mid.cubicTo(260, 318, 330, 280, 500, 294);
  mid.lineTo(500, 500);
  mid.lineTo(0, 500);
  mid.closeSubpath();
  FillOutlined(p, mid, QColor(160, 212, 150), 1.6);
  QLinearGradient meadow(0, 330, 0, 500);
  meadow.setColorAt(0, QColor(178, 222, 146));
  meadow.setColorAt(1, QColor(148, 204, 122));
  QPainterPath near;
  near.moveTo(0, 346);
  near.cubicTo(120, 330, 360, 336, 500, 350);
  near.lineTo(500, 500);
  near.lineTo(0, 500);
  near.closeSubpath();
  p.setPen(QPen(pal::ink, 1.6));
  p.setBrush(meadow);
  p.drawPath(near);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::NoBrush);
}

void DrawTree(QPainter& p, QPointF base, qreal s, const QColor& leaves) {
  FillOutlined(p, RoundRect(QRectF(base.x() - 2.5 * s, base.y() - 16 * s, 5 * s, 16 * s), 1.5 * s), pal::woodDark,
               1.4);
  QPainterPath crown = Ellipse(base + QPointF(0, -26 * s), 13 * s, 13 * s);
  crown = crown.united(Ellipse(base + QPointF(-8 * s, -19 * s), 9 * s, 8 * s));
  crown = crown.united(Ellipse(base + QPointF(8 * s, -19 * s), 9 * s, 8 * s));
  FillOutlined(p, crown, leaves, 1.4);
  Fill(p, Ellipse(base + QPointF(-4 * s, -30 * s), 4 * s, 3 * s), WithAlpha(pal::white, 70));
}

void DrawBush(QPainter& p, QPointF c, qreal s) {
  QPainterPath bush = Ellipse(c, 14 * s, 9 * s);
  bush = bush.united(Ellipse(c + QPointF(-10 * s, 3 * s), 9 * s, 6 * s));
  bush = bush.united(Ellipse(c + QPointF(11 * s, 3 * s), 9 * s, 6 * s));
  FillOutlined(p, bush, QColor(104, 178, 112), 1.4);
}

void DrawFlowers(QPainter& p, QPointF c) {
  const QColor colours[] = {pal::white, QColor(255, 214, 92), pal::pink, pal::white, pal::hoodieLight};
  for (int i = 0; i < 5; ++i) {
    QPointF at = c + QPointF(i * 9 - 18, (i % 2) * 5);
    Fill(p, Ellipse(at, 2.2, 2.2), colours[i]);
    Fill(p, Ellipse(at, 0.8, 0.8), QColor(240, 170, 60));
  }
}

// ---- splash: the paths --------------------------------------------------------------------

QPainterPath Curve(QPointF a, QPointF c1, QPointF c2, QPointF b) {
  QPainterPath path;
  path.moveTo(a);
  path.cubicTo(c1, c2, b);
  return path;
}

void DrawPaths(QPainter& p) {
  const QPointF fork(250, 356);
  QPainterPath road = Ribbon(Curve(QPointF(250, 512), QPointF(250, 450), QPointF(252, 400), fork), 190, 58);
  // Each branch ends under the door of its building, which is drawn over the cut end.
  road = road.united(Ribbon(Curve(fork, QPointF(246, 320), QPointF(256, 270), QPointF(250, 234)), 48, 16));
  road = road.united(Ribbon(Curve(fork, QPointF(200, 330), QPointF(100, 330), QPointF(67, 292)), 42, 16));
  road = road.united(Ribbon(Curve(fork, QPointF(300, 330), QPointF(380, 326), QPointF(396, 292)), 42, 14));
  road = road.united(Ribbon(Curve(fork, QPointF(300, 368), QPointF(370, 392), QPointF(414, 390)), 44, 18));
  FillOutlined(p, road.simplified(), QColor(246, 226, 184), 1.6);
}

// ---- splash: the four places --------------------------------------------------------------

void DrawUniversity(QPainter& p) {
  const QColor stone(255, 244, 224);
  FillOutlined(p, Rect(QRectF(186, 226, 128, 12)), pal::creamShade, 1.4);
  FillOutlined(p, Rect(QRectF(196, 186, 108, 40)), stone, 1.4);
  FillOutlined(p, RoundRect(QRectF(240, 204, 20, 22), 3), pal::doorDark, 1.2);
  for (int i = 0; i < 5; ++i) {
    qreal x = 203 + i * 21.5;
    if (i == 2) continue;  // the doorway stands where the middle column would
    FillOutlined(p, Rect(QRectF(x - 3.5, 192, 7, 34)), pal::white, 1.2);
  }
  FillOutlined(p, Rect(QRectF(192, 184, 116, 7)), pal::white, 1.4);
  FillOutlined(p, Polygon({QPointF(186, 185), QPointF(250, 156), QPointF(314, 185)}), QColor(229, 139, 107), 1.4);
  FillOutlined(p, Polygon({QPointF(206, 181), QPointF(250, 162), QPointF(294, 181)}), stone, 1.0);
  FillOutlined(p, Ellipse(QPointF(250, 173), 5, 5), pal::glass, 1.0);
  Stroke(p, Line(QPointF(250, 157), QPointF(250, 138)), pal::ink, 1.6);
  FillOutlined(p, Polygon({QPointF(251, 139), QPointF(266, 143.5), QPointF(251, 148)}), pal::hoodie, 1.2);
}

void DrawGear(QPainter& p, QPointF c, qreal r) {
  QPainterPath gear;
  for (int i = 0; i < 8; ++i) {
    QPainterPath tooth = RoundRect(QRectF(-2.4, -r - 3, 4.8, 6), 1);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(i * 45);
    gear = gear.united(t.map(tooth));
  }
  gear = gear.united(Ellipse(c, r, r));
  gear = gear.subtracted(Ellipse(c, r * 0.38, r * 0.38));
  FillOutlined(p, gear, pal::gold, 1.2);
}

void DrawWorkshop(QPainter& p) {
  FillOutlined(p, Rect(QRectF(30, 254, 106, 44)), QColor(127, 176, 222), 1.4);
  for (int k = 0; k < 3; ++k) {
    qreal x0 = 30 + k * 35.33;
    FillOutlined(p, Polygon({QPointF(x0, 254), QPointF(x0, 236), QPointF(x0 + 35.33, 254)}), QColor(79, 127, 184),
                 1.4);
    Fill(p, Polygon({QPointF(x0 + 2, 251), QPointF(x0 + 2, 241), QPointF(x0 + 6, 243.5), QPointF(x0 + 6, 251)}),
         pal::glass);
  }
  FillOutlined(p, Rect(QRectF(44, 266, 46, 32)), QColor(208, 221, 236), 1.4);
  for (qreal y = 271; y < 297; y += 5) Stroke(p, Line(QPointF(46, y), QPointF(88, y)), QColor(160, 180, 205), 1.2);
  DrawGear(p, QPointF(114, 274), 8.5);
}

void DrawFlask(QPainter& p, QPointF c) {
  QPainterPath flask;
  flask.moveTo(c + QPointF(-3, -13));
  flask.lineTo(c + QPointF(-3, -5));
  flask.lineTo(c + QPointF(-11, 9));
  flask.quadTo(c + QPointF(-12, 12), c + QPointF(-8, 12));
  flask.lineTo(c + QPointF(8, 12));
  flask.quadTo(c + QPointF(12, 12), c + QPointF(11, 9));
  flask.lineTo(c + QPointF(3, -5));
  flask.lineTo(c + QPointF(3, -13));
  flask.closeSubpath();
  FillOutlined(p, flask, pal::white, 1.3);
  QPainterPath liquid = flask.intersected(Rect(QRectF(c.x() - 14, c.y() + 2, 28, 12)));
  Fill(p, liquid, pal::lilac);
  Stroke(p, flask, pal::ink, 1.3);
  Fill(p, Ellipse(c + QPointF(-2, -9), 1.5, 1.5), pal::lilac);
  Fill(p, Ellipse(c + QPointF(2, -16), 2, 2), pal::lilac);
}

void DrawLab(QPainter& p) {
  FillOutlined(p, Ellipse(QPointF(396, 252), 18, 18), QColor(95, 184, 168), 1.4);
  Stroke(p, Line(QPointF(396, 236), QPointF(396, 250)), pal::ink, 3);
  FillOutlined(p, Rect(QRectF(370, 252, 108, 46)), QColor(160, 222, 204), 1.4);
  FillOutlined(p, Rect(QRectF(366, 248, 116, 6)), pal::white, 1.4);
  for (qreal x : {378.0, 402.0}) FillOutlined(p, RoundRect(QRectF(x, 262, 16, 14), 3), pal::glass, 1.2);
  FillOutlined(p, RoundRect(QRectF(388, 280, 16, 18), 2), pal::doorDark, 1.2);
  DrawFlask(p, QPointF(452, 278));
}

void DrawPalette(QPainter& p, QPointF c) {
  QPainterPath palette = Ellipse(c, 15, 11);
  palette = palette.subtracted(Ellipse(c + QPointF(7, 5), 3, 2.4));
  FillOutlined(p, palette, pal::cream, 1.3);
  const QColor dots[] = {pal::hoodie, pal::gold, pal::door, pal::mint};
  const QPointF at[] = {{-8, -3}, {-2, -6}, {5, -5}, {-6, 4}};
  for (int i = 0; i < 4; ++i) Fill(p, Ellipse(c + at[i], 2.6, 2.6), dots[i]);
  Stroke(p, Line(c + QPointF(10, -14), c + QPointF(2, 2)), pal::woodDark, 2.4);
}

void DrawStudio(QPainter& p) {
  FillOutlined(p, Rect(QRectF(340, 330, 118, 64)), pal::pink, 1.4);
  FillOutlined(p, Polygon({QPointF(332, 334), QPointF(462, 304), QPointF(466, 314), QPointF(336, 342)}), pal::lilac,
               1.4);
  // A tall north-light window, the mark of an artist's studio.
  FillOutlined(p, Rect(QRectF(350, 342, 44, 36)), pal::glass, 1.4);
  Stroke(p, Line(QPointF(372, 342), QPointF(372, 378)), pal::ink, 1.2);
  Stroke(p, Line(QPointF(350, 360), QPointF(394, 360)), pal::ink, 1.2);
  FillOutlined(p, RoundRect(QRectF(404, 360, 20, 34), 3), pal::doorDark, 1.2);
  DrawPalette(p, QPointF(441, 348));
}

// ---- splash: the girl ---------------------------------------------------------------------

void DrawSplashGirl(QPainter& p) {
  Fill(p, Ellipse(QPointF(250, 492), 30, 6), WithAlpha(pal::ink, 50));
  p.save();
  p.translate(250 - 20 * 2.0, 494 - 63 * 2.0);
  p.scale(2.0, 2.0);
  GirlPose pose;
  pose.view = View::Back;
  pose.arms[1] = {132, 22};  // pointing ahead at the choices
  pose.arms[0] = {8, 4};
  pose.detail = true;
  pose.outline = 0.75;
  DrawGirl(p, pose);
  p.restore();
}

}  // namespace

void PaintHelicopter(QPainter& p) {
  DrawHeliTail(p);
  DrawHeliSkids(p);
  DrawHeliBody(p);
  DrawHeliRotor(p);
}

QImage DrawHeli() {
  QImage image = NewCanvas(64, 40, false, Qt::white);
  QPainter p(&image);
  BeginPainting(p);
  PaintHelicopter(p);
  p.end();
  return image;
}

QImage DrawRotulon() {
  QImage image = NewCanvas(150, 80, false, Qt::white);
  QPainter p(&image);
  BeginPainting(p);
  DrawSignPlate(p);
  DrawOpenDoor(p);
  DrawExitArrow(p);
  p.end();
  return image;
}

QImage DrawPortada() {
  QImage image = NewCanvas(500, 500, false, Qt::white);
  QPainter p(&image);
  BeginPainting(p);
  DrawSky(p);
  DrawCloud(p, QPointF(96, 78), 1.0);
  DrawCloud(p, QPointF(262, 50), 0.75);
  DrawCloud(p, QPointF(452, 178), 0.6);
  DrawBird(p, QPointF(170, 118), 1.0);
  DrawBird(p, QPointF(188, 106), 0.8);
  DrawHills(p);
  DrawPaths(p);
  DrawUniversity(p);
  DrawTree(p, QPointF(170, 262), 0.8, QColor(120, 190, 120));
  DrawTree(p, QPointF(336, 246), 0.7, QColor(132, 198, 128));
  DrawWorkshop(p);
  DrawLab(p);
  DrawStudio(p);
  DrawTree(p, QPointF(60, 420), 1.5, QColor(110, 184, 112));
  DrawTree(p, QPointF(472, 452), 1.2, QColor(120, 190, 120));
  DrawBush(p, QPointF(138, 452), 1.2);
  DrawBush(p, QPointF(380, 470), 1.0);
  DrawFlowers(p, QPointF(110, 390));
  DrawFlowers(p, QPointF(420, 424));
  DrawSplashGirl(p);
  p.end();
  return image;
}

}  // namespace art
