// The animated world: the mascot walking in eight directions, the building's
// walls and doors seen from above at a slant, its signs, statues and torches.
#include "world.h"

#include <QString>
#include <cmath>
#include <numbers>

#include "mascot.h"
#include "shapes.h"
#include "style.h"

namespace art {
namespace {

constexpr qreal kManScale = 1.625;  // the 40 x 64 mascot box drawn 65 x 104

// ---- the figure -----------------------------------------------------------------------------

GirlPose SideWalk(int frame) {
  GirlPose pose = SideWalkPose(frame, kManFrames);
  pose.detail = true;
  pose.outline = 0.75;
  return pose;
}

// Walking towards or away from the viewer: the feet lift in turn, the body rises
// over the standing leg and the arm opposite the lifted leg swings forwards.
GirlPose FacingWalk(int frame, View view, qreal turn) {
  const qreal phase = 2 * std::numbers::pi * frame / kManFrames;
  const qreal s = std::sin(phase);
  GirlPose pose;
  pose.view = view;
  pose.turn = turn;
  pose.legs[0].lift = 3.4 * std::max(0.0, s);
  pose.legs[1].lift = 3.4 * std::max(0.0, -s);
  pose.bob = -0.9 * std::abs(s);
  pose.arms[0] = {8 + 5 * std::max(0.0, -s), 10 + 22 * std::max(0.0, -s)};
  pose.arms[1] = {8 + 5 * std::max(0.0, s), 10 + 22 * std::max(0.0, s)};
  pose.tailSwing = 0.9 * s;
  pose.blink = view == View::Front && frame == 7;
  pose.detail = true;
  pose.outline = 0.75;
  return pose;
}

QImage ManFrame(const GirlPose& pose, bool mirror) {
  QImage image = NewCanvas(kManW, kManH, true, Qt::transparent);
  QPainter p(&image);
  BeginPainting(p);
  Fill(p, Ellipse({kManW / 2.0, kManH - 3.2}, 17, 3.4), WithAlpha(pal::ink, 55));
  p.translate(kManW / 2.0, kManH - 1.2);
  p.scale(mirror ? -kManScale : kManScale, kManScale);
  p.translate(-20, -63);
  DrawGirl(p, pose);
  p.end();
  return Straight(image);
}

struct Direction {
  const char* name;
  int kind;  // 0 up, 1 down, 2 side, 3 up diagonal, 4 down diagonal
  bool mirror;
};
constexpr Direction kDirections[] = {
    {"manup", 0, false},      {"mandown", 1, false},     {"mander", 2, false},       {"manizq", 2, true},
    {"manupder", 3, false},   {"manupizq", 3, true},     {"mandownder", 4, false},   {"mandownizq", 4, true},
};

GirlPose DirectionPose(int kind, int frame) {
  switch (kind) {
    case 0: return FacingWalk(frame, View::Back, 0);
    case 1: return FacingWalk(frame, View::Front, 0);
    case 2: return SideWalk(frame);
    case 3: return FacingWalk(frame, View::Back, 0.8);
    default: return FacingWalk(frame, View::Front, 0.65);
  }
}

// ---- shared pieces ---------------------------------------------------------------------------

const QColor kStoneTop(176, 190, 212);
const QColor kStoneTopLight(198, 210, 228);
const QColor kStoneJoint(146, 160, 186);
const QColor kWallPaper = pal::cream;
const QColor kSand(234, 204, 146);
const QColor kSteel(150, 170, 196);
const QColor kRed(232, 92, 84);
const QColor kSandDark(206, 168, 110);

DxgEntry Single(const QString& name, const QImage& image) {
  return {name, image, image.width(), image.height(), 1};
}

using Painter = std::function<void(QPainter&)>;
QImage Paint(int w, int h, const Painter& draw) {
  QImage image = NewCanvas(w, h, true, Qt::transparent);
  QPainter p(&image);
  BeginPainting(p);
  draw(p);
  p.end();
  return Straight(image);
}

// The top of a wall seen from above: coursed stones whose columns divide the
// length, so pieces laid end to end continue the pattern. Along x when
// horizontal, else along y.
void WallTop(QPainter& p, const QRectF& r, int stones, bool horizontal) {
  p.fillRect(r, kStoneTop);
  const qreal length = horizontal ? r.width() : r.height();
  const qreal depth = horizontal ? r.height() : r.width();
  const int rows = std::max(1, static_cast<int>(std::lround(depth / 14.5)));
  const qreal rowH = depth / rows, stoneL = length / stones;
  auto at = [&](qreal along, qreal across) {
    return horizontal ? QPointF(r.left() + along, r.top() + across) : QPointF(r.left() + across, r.top() + along);
  };
  for (int row = 0; row < rows; ++row) {
    const qreal a0 = row * rowH;
    if (row > 0) Stroke(p, LinePath(at(0, a0), at(length, a0)), kStoneJoint, 1.0);
    const qreal offset = row % 2 == 0 ? 0 : stoneL / 2;
    for (int k = 0; k <= stones; ++k) {
      qreal along = offset + k * stoneL;
      if (along <= 0.5 || along >= length - 0.5) continue;
      Stroke(p, LinePath(at(along, a0 + 1), at(along, a0 + rowH - 1)), kStoneJoint, 1.0);
    }
    // A light edge on each stone course.
    Stroke(p, LinePath(at(0, a0 + 2.5), at(length, a0 + 2.5)), WithAlpha(kStoneTopLight, 200), 1.6);
  }
}

// The front face of a wall: wallpaper, a chair rail, sage boards and a skirting.
void WallFace(QPainter& p, const QRectF& r) {
  const qreal railY = r.top() + r.height() * 0.52;
  const qreal skirtY = r.bottom() - 8;
  p.fillRect(QRectF(r.left(), r.top(), r.width(), railY - r.top()), kWallPaper);
  for (qreal x = r.left() + 6; x < r.right(); x += 19)
    p.fillRect(QRectF(x, r.top(), 8, railY - r.top()), WithAlpha(pal::creamShade, 90));
  p.fillRect(QRectF(r.left(), railY, r.width(), skirtY - railY), pal::sage);
  for (qreal x = r.left() + 9; x < r.right(); x += 19)
    Stroke(p, LinePath({x, railY + 5}, {x, skirtY}), pal::sageDark, 1.0);
  p.fillRect(QRectF(r.left(), railY, r.width(), 5), pal::woodLight);
  p.fillRect(QRectF(r.left(), railY + 3.5, r.width(), 1.5), pal::wood);
  Stroke(p, LinePath({r.left(), railY}, {r.right(), railY}), pal::ink, 1.0);
  Stroke(p, LinePath({r.left(), railY + 5}, {r.right(), railY + 5}), pal::ink, 1.0);
  p.fillRect(QRectF(r.left(), skirtY, r.width(), r.bottom() - skirtY), pal::white);
  Stroke(p, LinePath({r.left(), skirtY}, {r.right(), skirtY}), pal::ink, 1.0);
  // The shadow the wall top casts on the face.
  QLinearGradient shade(0, r.top(), 0, r.top() + 10);
  shade.setColorAt(0, WithAlpha(pal::ink, 70));
  shade.setColorAt(1, WithAlpha(pal::ink, 0));
  p.fillRect(QRectF(r.left(), r.top(), r.width(), 10), shade);
}

void WallLamp(QPainter& p, QPointF rim) {
  QRadialGradient glow(rim + QPointF(0, -4), 20);
  glow.setColorAt(0, WithAlpha(pal::gold, 120));
  glow.setColorAt(1, WithAlpha(pal::gold, 0));
  p.setBrush(glow);
  p.drawEllipse(rim + QPointF(0, -4), 20.0, 20.0);
  p.setBrush(Qt::NoBrush);
  QPainterPath bowl;
  bowl.moveTo(rim.x() - 7, rim.y());
  bowl.cubicTo(rim.x() - 6, rim.y() + 7, rim.x() + 6, rim.y() + 7, rim.x() + 7, rim.y());
  bowl.closeSubpath();
  FillOutlined(p, bowl, QColor(255, 250, 240), 1.0);
  FillOutlined(p, Ellipse(rim, 7, 1.8), QColor(255, 232, 160), 0.9);
}

void EdgeLines(QPainter& p, const QRectF& r, bool top, bool bottom, bool left, bool right) {
  if (top) Stroke(p, LinePath(r.topLeft(), r.topRight()), pal::ink, 1.4);
  if (bottom) Stroke(p, LinePath(r.bottomLeft(), r.bottomRight()), pal::ink, 1.4);
  if (left) Stroke(p, LinePath(r.topLeft(), r.bottomLeft()), pal::ink, 1.4);
  if (right) Stroke(p, LinePath(r.topRight(), r.bottomRight()), pal::ink, 1.4);
}

// ---- walls ---------------------------------------------------------------------------------

constexpr int kTopBand = 87;
constexpr int kFace = 96;

QImage WallTopPiece(int width) {
  return Paint(width, kTopBand, [width](QPainter& p) {
    const QRectF r(0, 0, width, kTopBand);
    WallTop(p, r.adjusted(0, 0.7, 0, -0.7), static_cast<int>(std::lround(width / 28.5)), true);
    // The front lip of the wall top, lit from above.
    p.fillRect(QRectF(0, kTopBand - 5, width, 4.3), kStoneTopLight);
    EdgeLines(p, r.adjusted(0, 0.7, 0, -0.7), true, true, false, false);
  });
}

QImage FacePiece() {
  return Paint(624, kFace, [](QPainter& p) {
    const QRectF r(0, 0, 624, kFace);
    WallFace(p, r.adjusted(0, 0, 0, -0.7));
    // Lamps between the door places of every row (doors stand near 55, 253 and 455).
    for (qreal x : {27.0, 215.0, 415.0, 598.0}) WallLamp(p, {x, 26});
    EdgeLines(p, r.adjusted(0, 0.7, 0, -0.7), false, true, false, false);
  });
}

QImage SideWall(int height, int faceHeight) {
  return Paint(32, height, [height, faceHeight](QPainter& p) {
    const qreal topLen = height - faceHeight;
    const QRectF top(0.7, 0, 30.6, topLen);
    WallTop(p, top, std::max(1, static_cast<int>(std::lround(topLen / 28.5))), false);
    p.fillRect(QRectF(26.5, 0, 4.8, topLen), kStoneTopLight);
    EdgeLines(p, top, false, false, true, true);
    if (faceHeight > 0) {
      const QRectF face(0.7, topLen, 30.6, faceHeight - 0.7);
      WallFace(p, face);
      Stroke(p, LinePath(face.topLeft(), face.topRight()), pal::ink, 1.4);
      EdgeLines(p, face, false, true, true, true);
    }
  });
}

// The piece over the middle lower door: a wall top and a face with a doorway
// (transparent, 120 x 96 at x 28) through which the door behind it shows.
QImage PassagePiece() {
  return Paint(172, kTopBand + kFace, [](QPainter& p) {
    const QRectF top(0, 0.7, 172, kTopBand - 1.4);
    WallTop(p, top, 6, true);
    p.fillRect(QRectF(0, kTopBand - 5, 172, 4.3), kStoneTopLight);
    EdgeLines(p, top, true, false, false, false);
    const QRectF face(0, kTopBand, 172, kFace - 0.7);
    WallFace(p, face);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRectF(28, kTopBand, 120, kFace), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // A stone arch frames the doorway.
    QPainterPath arch = RectPath(QRectF(22, kTopBand - 4, 132, kFace + 4)).subtracted(RectPath(QRectF(28, kTopBand, 120, kFace + 1)));
    FillOutlined(p, arch, kStoneTopLight, 1.2);
    FillOutlined(p, RoundRect(QRectF(80, kTopBand - 8, 16, 10), 2), pal::gold, 1.0);
    Stroke(p, LinePath({0, kTopBand}, {22, kTopBand}), pal::ink, 1.4);
    Stroke(p, LinePath({154, kTopBand}, {172, kTopBand}), pal::ink, 1.4);
    Stroke(p, LinePath(face.bottomLeft(), {22, face.bottom()}), pal::ink, 1.4);
    Stroke(p, LinePath({154, face.bottom()}, face.bottomRight()), pal::ink, 1.4);
  });
}

// ---- doors (120 x 96) --------------------------------------------------------------------------

enum class DoorLook { Upper, Lower, Hover, Open };

void DoorCasing(QPainter& p) {
  QPainterPath casing;
  casing.addRoundedRect(QRectF(3, 1, 114, 100), 10, 10);
  casing = casing.intersected(RectPath(QRectF(0, 0, 120, 95.3)));
  FillOutlined(p, casing, QColor(255, 249, 238), 1.3);
  Stroke(p, RoundRect(QRectF(6, 4, 108, 100), 8).intersected(RectPath(QRectF(0, 0, 120, 95))), pal::creamShade, 1.0);
}

QImage Door(DoorLook look) {
  return Paint(120, kFace, [look](QPainter& p) {
    if (look == DoorLook::Hover) {
      QRadialGradient glow(QPointF(60, 50), 70);
      glow.setColorAt(0, WithAlpha(pal::gold, 150));
      glow.setColorAt(1, WithAlpha(pal::gold, 0));
      p.fillRect(QRectF(0, 0, 120, kFace), glow);
    }
    DoorCasing(p);
    const QRectF leaf(10, 8, 100, 87.3);
    if (look == DoorLook::Open) {
      // Warm light from the room behind and the leaf swung inwards.
      QLinearGradient light(0, leaf.top(), 0, leaf.bottom());
      light.setColorAt(0, QColor(255, 246, 206));
      light.setColorAt(1, QColor(255, 214, 130));
      QPainterPath opening = RoundRect(leaf.adjusted(0, 0, 0, 6), 6).intersected(RectPath(leaf));
      p.setPen(QPen(pal::ink, 1.2));
      p.setBrush(light);
      p.drawPath(opening);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::NoBrush);
      Fill(p, Ellipse({60, 95}, 38, 7), WithAlpha(pal::white, 150));
      QPainterPath swung = PolyPath({{10, 8}, {30, 16}, {30, 88}, {10, 95.3}});
      FillOutlined(p, swung, pal::doorDark, 1.2);
      Fill(p, PolyPath({{14, 20}, {26, 24}, {26, 48}, {14, 46}}), pal::glass);
      FillOutlined(p, Circle({26, 58}, 2), pal::gold, 0.9);
      for (int i = 0; i < 5; ++i) {
        QPointF c(48 + i * 12, 28 + (i % 2) * 18);
        Fill(p, StarPath(c, 3.2, 1.2), WithAlpha(pal::white, 210));
      }
      return;
    }
    QColor main = look == DoorLook::Upper ? pal::door : look == DoorLook::Lower ? pal::mint : QColor(255, 200, 96);
    QColor light = look == DoorLook::Upper ? pal::doorLight : look == DoorLook::Lower ? QColor(150, 216, 192) : QColor(255, 226, 150);
    QColor dark = look == DoorLook::Upper ? pal::doorDark : look == DoorLook::Lower ? QColor(74, 160, 132) : QColor(226, 160, 60);
    QPainterPath leafPath = RoundRect(leaf.adjusted(0, 0, 0, 6), 6).intersected(RectPath(leaf));
    QLinearGradient shade(leaf.topLeft(), leaf.topRight());
    shade.setColorAt(0, light);
    shade.setColorAt(1, main);
    p.setPen(QPen(look == DoorLook::Hover ? pal::hoodieDark : pal::ink, look == DoorLook::Hover ? 2.0 : 1.2));
    p.setBrush(shade);
    p.drawPath(leafPath);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    // Window, panel, handle and kick plate, as on the doors of the menu.
    FillOutlined(p, RoundRect(QRectF(20, 16, 80, 30), 6), dark, 1.0);
    QRectF pane(24, 20, 72, 22);
    QLinearGradient sky(pane.topLeft(), pane.bottomLeft());
    sky.setColorAt(0, pal::glass);
    sky.setColorAt(1, QColor(255, 244, 214));
    p.setPen(QPen(pal::ink, 0.9));
    p.setBrush(sky);
    p.drawRoundedRect(pane, 4, 4);
    p.setPen(Qt::NoPen);
    p.save();
    p.setClipPath(RoundRect(pane, 4));
    for (qreal x : {36.0, 46.0}) Stroke(p, LinePath({x, pane.bottom() + 3}, {x + 16, pane.top() - 3}), WithAlpha(pal::white, 150), 4);
    p.restore();
    Stroke(p, LinePath({60, 20}, {60, 42}), dark, 2.2);
    FillOutlined(p, RoundRect(QRectF(20, 52, 80, 28), 5), dark, 1.0);
    FillOutlined(p, RoundRect(QRectF(24, 56, 72, 20), 3.5), light, 0.9);
    FillOutlined(p, RoundRect(QRectF(96, 52, 7, 16), 3.5), QColor(252, 226, 150), 1.0);
    p.setPen(QPen(pal::ink, 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(99.5, 57), QPointF(89, 57.5));
    p.setPen(QPen(pal::gold, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(99.5, 57), QPointF(89, 57.5));
    p.setPen(Qt::NoPen);
    FillOutlined(p, RoundRect(QRectF(14, 84, 92, 8), 2), QColor(208, 221, 236), 1.0);
    if (look == DoorLook::Hover)
      for (QPointF c : {QPointF(8, 12), QPointF(113, 20), QPointF(112, 74), QPointF(6, 66)})
        Fill(p, StarPath(c, 4.5, 1.6), QColor(255, 246, 200));
  });
}

// ---- the exit in the floor, the magnifier and its target (144 wide) --------------------------------

QImage ExitHatch(bool hover) {
  return Paint(144, 40, [hover](QPainter& p) {
    if (hover) Fill(p, RoundRect(QRectF(0, 0, 144, 40), 12), WithAlpha(pal::gold, 120));
    FillOutlined(p, RoundRect(QRectF(3, 3, 138, 34), 9), hover ? pal::mint : pal::green, 1.4);
    Stroke(p, RoundRect(QRectF(6.5, 6.5, 131, 27), 6.5), WithAlpha(pal::white, 150), 1.2);
    // Steps going down into the opening.
    QRectF hole(14, 9, 84, 22);
    FillOutlined(p, RoundRect(hole, 4), pal::doorDark.darker(170), 1.1);
    for (int i = 0; i < 3; ++i) {
      QRectF step(hole.left() + 4 + i * 6, hole.top() + 3 + i * 6, hole.width() - 8 - i * 12, 4);
      Fill(p, RoundRect(step, 1.2), Mix(pal::creamShade, pal::doorDark.darker(170), 0.25 + 0.25 * i));
    }
    // An arrow pointing down into it.
    QPainterPath arrow = PolyPath({{114, 9}, {126, 9}, {126, 19}, {131, 19}, {120, 31}, {109, 19}, {114, 19}});
    FillOutlined(p, arrow, pal::white, 1.1);
  });
}

constexpr QPointF kLens(64, 46);

QImage Magnifier(bool hover) {
  return Paint(144, 100, [hover](QPainter& p) {
    // A round rug on the floor, with the magnifying glass lying on it.
    Fill(p, Ellipse({72, 54}, 68, 40), WithAlpha(pal::ink, 40));
    FillOutlined(p, Ellipse({72, 51}, 67, 39), hover ? QColor(255, 226, 140) : pal::lilac, 1.4);
    Stroke(p, Ellipse({72, 51}, 59, 32), WithAlpha(pal::white, 200), 2.0);
    for (int i = 0; i < 16; ++i) {
      qreal a = 2 * std::numbers::pi * i / 16;
      Fill(p, Circle({72 + 63 * std::cos(a), 51 + 35.5 * std::sin(a)}, 1.6), hover ? pal::hoodie : pal::white);
    }
    // Handle.
    p.save();
    p.translate(kLens);
    p.rotate(35);
    FillOutlined(p, RoundRect(QRectF(24, -6, 40, 12), 6), pal::woodDark, 1.3);
    Fill(p, RoundRect(QRectF(28, -4, 32, 3), 1.5), WithAlpha(pal::white, 80));
    FillOutlined(p, RoundRect(QRectF(20, -5, 8, 10), 2), pal::gold, 1.1);
    p.restore();
    // Lens.
    FillOutlined(p, Ellipse(kLens, 27, 24), pal::gold, 1.4);
    QRadialGradient glass(kLens + QPointF(-6, -6), 26);
    glass.setColorAt(0, QColor(240, 250, 255));
    glass.setColorAt(1, pal::glass);
    p.setPen(QPen(pal::ink, 1.2));
    p.setBrush(glass);
    p.drawEllipse(kLens, 21.0, 18.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    QPainterPath glint;
    glint.moveTo(kLens + QPointF(-13, 4));
    glint.quadTo(kLens + QPointF(-13, -10), kLens + QPointF(0, -13));
    Stroke(p, glint, WithAlpha(pal::white, hover ? 255 : 220), hover ? 4 : 3);
    if (hover)
      for (QPointF c : {QPointF(24, 18), QPointF(118, 30), QPointF(108, 80)}) Fill(p, StarPath(c, 6, 2), pal::white);
  });
}

QImage MagnifierFrame() {
  return Paint(144, 100, [](QPainter& p) {
    QPen dashes(pal::gold, 3.0, Qt::DashLine, Qt::RoundCap);
    dashes.setDashPattern({2.0, 2.2});
    p.setPen(QPen(pal::ink, 5.0));
    p.drawEllipse(QPointF(72, 51), 70.0, 46.5);
    p.setPen(dashes);
    p.drawEllipse(QPointF(72, 51), 70.0, 46.5);
    p.setPen(Qt::NoPen);
  });
}

QImage Target(int phase) {
  return Paint(144, 100, [phase](QPainter& p) {
    const qreal grow = phase == 0 ? 0 : 3;
    if (phase == 1) Stroke(p, Ellipse(kLens, 17 + grow, 14.5 + grow), WithAlpha(pal::hoodie, 120), 2.0);
    FillOutlined(p, Ellipse(kLens, 13 + grow * 0.3, 11 + grow * 0.3), WithAlpha(QColor(255, 255, 255), 200), 1.0);
    Stroke(p, Ellipse(kLens, 9, 7.6), phase == 0 ? pal::hoodie : kRed, 2.6);
    Fill(p, Ellipse(kLens, 3.8, 3.2), phase == 0 ? pal::hoodie : kRed);
  });
}

// ---- the click marker ----------------------------------------------------------------------

QImage ClickMarker() {
  return Paint(28, 48, [](QPainter& p) {
    Stroke(p, Ellipse({14, 40}, 12, 5.4), pal::ink, 3.4);
    Stroke(p, Ellipse({14, 40}, 12, 5.4), pal::hoodie, 1.8);
    Fill(p, Ellipse({14, 40}, 4, 1.8), WithAlpha(pal::hoodie, 140));
    QPainterPath arrow = PolyPath({{9, 2}, {19, 2}, {19, 16}, {25, 16}, {14, 31}, {3, 16}, {9, 16}});
    FillOutlined(p, arrow, pal::hoodie, 1.3);
    Stroke(p, LinePath({11.5, 4.5}, {11.5, 16}), WithAlpha(pal::white, 150), 1.5);
  });
}

// ---- floor ---------------------------------------------------------------------------------

QImage FloorTile() {
  QImage image = NewCanvas(128, 128, false, pal::cream);
  QPainter p(&image);
  BeginPainting(p);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      QColor c = (x + y) % 2 == 0 ? QColor(250, 238, 218) : QColor(242, 226, 200);
      p.fillRect(QRectF(x * 32, y * 32, 32, 32), c);
      Fill(p, RoundRect(QRectF(x * 32 + 3, y * 32 + 3, 26, 26), 4), WithAlpha(pal::white, 40));
    }
  // Joints only on the top and left edges of each tile: repeated they form the grid.
  for (int k = 0; k < 4; ++k) {
    p.fillRect(QRectF(k * 32, 0, 1, 128), QColor(226, 208, 182));
    p.fillRect(QRectF(0, k * 32, 128, 1), QColor(226, 208, 182));
  }
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

// ---- signs ---------------------------------------------------------------------------------

// A sign whose middle stays light, so the navy texts drawn on it read well.
QImage Sign(int w, int h, const QColor& frame, const QColor& face, bool arrowEnd) {
  return Paint(w, h, [=](QPainter& p) {
    QPainterPath board;
    const QRectF r(2, 2, w - 4 - (arrowEnd ? 12 : 0), h - 5);
    board.addRoundedRect(r, 7, 7);
    if (arrowEnd) board = board.united(PolyPath({{r.right() - 6, r.top()}, {w - 2.0, r.center().y()}, {r.right() - 6, r.bottom()}}));
    Fill(p, board.translated(1.5, 2), WithAlpha(pal::ink, 50));
    FillOutlined(p, board.simplified(), frame, 1.4);
    FillOutlined(p, RoundRect(r.adjusted(5, 5, -5, -5), 4), face, 1.0);
    Fill(p, RoundRect(QRectF(r.left() + 8, r.top() + 6.5, r.width() - 16, 3), 1.5), WithAlpha(pal::white, 140));
    for (QPointF s : {QPointF(r.left() + 3.8, r.top() + 3.8), QPointF(r.right() - 3.8, r.top() + 3.8),
                      QPointF(r.left() + 3.8, r.bottom() - 3.8), QPointF(r.right() - 3.8, r.bottom() - 3.8)})
      FillOutlined(p, Circle(s, 1.4), pal::gold, 0.6);
  });
}

// ---- statues -------------------------------------------------------------------------------

void Statue(QPainter& p, const QColor& stone, const QColor& stoneDark, const QColor& stripe, bool staff) {
  // Plinth.
  Fill(p, Ellipse({42, 134}, 38, 5), WithAlpha(pal::ink, 50));
  FillOutlined(p, RectPath({8, 110, 68, 24}), kStoneTopLight, 1.4);
  FillOutlined(p, RectPath({4, 104, 76, 8}), kStoneTop, 1.4);
  FillOutlined(p, RectPath({4, 130, 76, 6}), kStoneTop, 1.4);
  Fill(p, RoundRect(QRectF(20, 116, 44, 8), 3), WithAlpha(pal::ink, 40));
  // Robe and body.
  QPainterPath robe;
  robe.moveTo(30, 46);
  robe.lineTo(54, 46);
  robe.lineTo(60, 104);
  robe.lineTo(24, 104);
  robe.closeSubpath();
  FillOutlined(p, robe, stone, 1.4);
  Stroke(p, LinePath({42, 70}, {42, 103}), stoneDark, 1.2);
  FillOutlined(p, RoundRect(QRectF(28, 66, 28, 6), 2), stripe, 1.1);
  // Arms crossed over the chest.
  Limb(p, QPolygonF({QPointF(30, 49), QPointF(31, 59), QPointF(50, 54)}), 6, stone, 1.2);
  Limb(p, QPolygonF({QPointF(54, 49), QPointF(53, 59), QPointF(34, 54)}), 6, stone, 1.2);
  FillOutlined(p, RoundRect(QRectF(30, 40, 24, 8), 3), stripe, 1.1);  // collar
  if (staff) {
    QPainterPath crook;
    crook.moveTo(50, 98);
    crook.lineTo(58, 28);
    crook.quadTo(60, 20, 66, 22);
    crook.quadTo(70, 26, 66, 30);
    Stroke(p, crook, pal::ink, 4.2);
    Stroke(p, crook, pal::gold, 2.2);
  }
  // Head with a striped head-cloth.
  QPainterPath cloth;
  cloth.moveTo(42, 8);
  cloth.cubicTo(54, 8, 58, 16, 58, 24);
  cloth.lineTo(62, 44);
  cloth.lineTo(22, 44);
  cloth.lineTo(26, 24);
  cloth.cubicTo(26, 16, 30, 8, 42, 8);
  cloth.closeSubpath();
  FillOutlined(p, cloth, pal::gold, 1.4);
  p.save();
  p.setClipPath(cloth);
  for (qreal y = 12; y < 46; y += 5) Fill(p, RectPath({20, y, 44, 2.2}), stripe);
  p.restore();
  Stroke(p, cloth, pal::ink, 1.4);
  FillOutlined(p, Ellipse({42, 27}, 10, 11), stone, 1.3);
  FillOutlined(p, RoundRect(QRectF(39.5, 36, 5, 9), 2), stoneDark, 1.0);  // beard
  // A calm, friendly face.
  for (qreal x : {38.0, 46.0}) {
    QPainterPath lid;
    lid.moveTo(x - 2, 25.5);
    lid.quadTo(x, 27.3, x + 2, 25.5);
    Stroke(p, lid, pal::ink, 1.0);
  }
  QPainterPath smile;
  smile.moveTo(39.5, 31.5);
  smile.quadTo(42, 33.5, 44.5, 31.5);
  Stroke(p, smile, pal::ink, 1.0);
  FillOutlined(p, RoundRect(QRectF(38, 6, 8, 5), 2), pal::hoodie, 1.0);  // the jewel on the brow
}

// ---- torch ---------------------------------------------------------------------------------

void Torch(QPainter& p, int frame) {
  const qreal ph = 2 * std::numbers::pi * frame / kTorchFrames;
  QRadialGradient glow(QPointF(16, 20), 16 + 1.5 * std::sin(ph * 2));
  glow.setColorAt(0, WithAlpha(QColor(255, 210, 110), 150));
  glow.setColorAt(1, WithAlpha(QColor(255, 210, 110), 0));
  p.setBrush(glow);
  p.drawEllipse(QPointF(16, 20), 16.0, 16.0);
  p.setBrush(Qt::NoBrush);
  // Wall bracket and handle.
  FillOutlined(p, RoundRect(QRectF(11, 56, 10, 8), 2), kSteel, 1.1);
  QPainterPath handle = PolyPath({{11, 34}, {21, 34}, {18, 70}, {14, 70}});
  FillOutlined(p, handle, pal::woodDark, 1.2);
  Stroke(p, LinePath({15, 38}, {15.2, 66}), pal::wood, 1.0);
  FillOutlined(p, RoundRect(QRectF(8, 29, 16, 7), 2.5), kSteel, 1.2);
  // The flame: an outer and an inner tongue that sway and stretch.
  const qreal sway = 2.2 * std::sin(ph), stretch = 2.5 * std::sin(ph * 2 + 1);
  FillOutlined(p, Teardrop({16, 30}, {16 + sway, 5 - stretch}, 15, sway * 0.5), QColor(255, 140, 70), 1.0);
  Fill(p, Teardrop({16, 30}, {16 + sway * 0.6, 12 - stretch * 0.6}, 9, sway * 0.3), QColor(255, 206, 90));
  Fill(p, Teardrop({16, 30}, {16 + sway * 0.3, 19 - stretch * 0.3}, 4.5, 0), QColor(255, 246, 200));
  const QPointF spark(16 - sway * 1.5 + 4 * std::cos(ph), 6 - 3 * std::sin(ph));
  Fill(p, Circle(spark, 1.1), QColor(255, 220, 120));
}

// ---- speech bubble and zoom ------------------------------------------------------------------

QImage Bubble() {
  return Paint(250, 84, [](QPainter& p) {
    QPainterPath bubble = RoundRect(QRectF(16, 2, 231, 78), 18);
    bubble = bubble.united(PolyPath({{22, 48}, {2, 72}, {34, 58}}));
    Fill(p, bubble.simplified().translated(2, 2), WithAlpha(pal::ink, 45));
    FillOutlined(p, bubble.simplified(), pal::white, 1.6);
    Fill(p, RoundRect(QRectF(30, 6, 150, 4), 2), WithAlpha(pal::sky, 90));
  });
}

QImage ZoomLens() {
  return Paint(128, 128, [](QPainter& p) {
    p.save();
    p.translate(54, 54);
    p.rotate(45);
    FillOutlined(p, RoundRect(QRectF(40, -9, 46, 18), 9), pal::woodDark, 1.6);
    FillOutlined(p, RoundRect(QRectF(36, -8, 10, 16), 3), pal::gold, 1.4);
    p.restore();
    FillOutlined(p, Circle({54, 54}, 44), pal::gold, 1.8);
    QRadialGradient glass(QPointF(44, 44), 44);
    glass.setColorAt(0, QColor(245, 252, 255));
    glass.setColorAt(1, pal::glass);
    p.setPen(QPen(pal::ink, 1.6));
    p.setBrush(glass);
    p.drawEllipse(QPointF(54, 54), 36.0, 36.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    QPainterPath glint;
    glint.moveTo(30, 62);
    glint.quadTo(28, 34, 54, 28);
    Stroke(p, glint, WithAlpha(pal::white, 230), 6);
  });
}

}  // namespace

std::vector<DxgEntry> FigureCollection() {
  std::vector<DxgEntry> out;
  for (const Direction& d : kDirections)
    for (int f = 0; f < kManFrames; ++f)
      out.push_back(Single(QString("%1%2").arg(d.name).arg(f + 1, 2, 10, QChar('0')),
                           ManFrame(DirectionPose(d.kind, f), d.mirror)));
  out.push_back(Single("lupa", Magnifier(false)));
  out.push_back(Single("lupa2", Magnifier(true)));
  out.push_back(Single("diana", Target(0)));
  out.push_back(Single("diana2", Target(1)));
  out.push_back(Single("puertaS", ExitHatch(false)));
  out.push_back(Single("puertaS2", ExitHatch(true)));
  out.push_back(Single("circ1", ClickMarker()));
  out.push_back(Single("puerta22", Door(DoorLook::Hover)));
  return out;
}

std::vector<DxgEntry> SceneCollection() {
  std::vector<DxgEntry> out;
  out.push_back(Single("background", FloorTile()));
  out.push_back(Single("paredEx", WallTopPiece(172)));
  out.push_back(Single("paredUp", WallTopPiece(624)));
  out.push_back(Single("pared", FacePiece()));
  out.push_back(Single("lateral1", SideWall(280, 0)));
  out.push_back(Single("lateral2", SideWall(253, kFace)));
  out.push_back(Single("lateralPaso", PassagePiece()));
  out.push_back(Single("puertab", Door(DoorLook::Upper)));
  out.push_back(Single("puertaB", Door(DoorLook::Lower)));
  out.push_back(Single("puerta22", Door(DoorLook::Hover)));
  out.push_back(Single("puer3", Door(DoorLook::Open)));
  out.push_back(Single("tabla1", Sign(188, 40, pal::wood, QColor(255, 240, 214), false)));
  out.push_back(Single("rotulos", Sign(190, 48, pal::teal, QColor(226, 244, 250), true)));
  out.push_back(Single("rotulo1", Sign(176, 44, pal::door, QColor(232, 242, 252), false)));
  out.push_back(Single("rotulo2", Sign(200, 60, pal::hoodie, QColor(255, 240, 226), false)));
  out.push_back(Single("faraon1", Paint(84, 140, [](QPainter& p) { Statue(p, kSand, kSandDark, pal::door, false); })));
  out.push_back(Single("faraon2", Paint(84, 140, [](QPainter& p) {
                         Statue(p, QColor(168, 214, 196), QColor(120, 180, 160), pal::hoodie, true);
                       })));
  out.push_back({"antorcha", DrawStrip(kTorchFrames, 32, 72, Torch), 32, 72, kTorchFrames});
  out.push_back(Single("zoom", ZoomLens()));
  out.push_back(Single("zoomC", MagnifierFrame()));
  out.push_back(Single("bocadillo", Bubble()));
  return out;
}

}  // namespace art
