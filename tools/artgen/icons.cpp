// The icon lists: the main list (44 pictures of 30 x 27, one per family,
// itinerary and theme; their meanings are listed in ICONS.md), the small list
// of the degree screen (16 x 16) and the branches of knowledge (48 x 36).
#include <array>
#include <cmath>
#include <functional>

#include "icons.h"
#include "shapes.h"
#include "style.h"

namespace art {
namespace {

constexpr qreal kO = 1.0;  // icon outline

// A few colours of the icons only; everything else comes from the palette.
const QColor kSteel(150, 170, 196);
const QColor kSteelLight(196, 210, 228);
const QColor kRed(232, 92, 84);
const QColor kLeaf(108, 190, 110);
const QColor kLeafDark(72, 150, 84);
const QColor kSoil(170, 120, 84);
const QColor kStone(214, 206, 192);
const QColor kStoneDark(172, 162, 148);
const QColor kSea(96, 170, 226);
const QColor kPaper(255, 252, 244);
const QColor kBlueprint(88, 140, 214);

void Shadow(QPainter& p, QPointF c, qreal rx, qreal ry = 1.6) { Fill(p, Ellipse(c, rx, ry), WithAlpha(pal::ink, 45)); }

void Bar(QPainter& p, QPointF a, QPointF b, qreal w, const QColor& fill) {
  Limb(p, QPolygonF({a, b}), w, fill, kO);
}

// ---- 0..9 ---------------------------------------------------------------------------------

void IconGear(QPainter& p) {  // 0 mechanical manufacturing
  Shadow(p, {15, 24.6}, 9);
  FillOutlined(p, GearPath({15, 13}, 11, 2.8, 9, 3.4), kSteel, kO);
  Stroke(p, Circle({15, 13}, 6.2), kSteelLight, 1.6);
  FillOutlined(p, Circle({15, 13}, 3.4), pal::gold, 0);
  Stroke(p, Circle({15, 13}, 3.4), pal::ink, kO);
  Fill(p, Circle({15, 13}, 1.6), pal::ink);
}

void IconSprout(QPainter& p) {  // 1 farming, nature, experimental sciences
  QPainterPath soil;
  soil.moveTo(4, 25);
  soil.cubicTo(6, 18.5, 24, 18.5, 26, 25);
  soil.closeSubpath();
  FillOutlined(p, soil, kSoil, kO);
  QPainterPath stem;
  stem.moveTo(15, 20.5);
  stem.cubicTo(15, 16, 14.5, 12, 15.5, 8.5);
  Stroke(p, stem, pal::ink, 2.8);
  Stroke(p, stem, kLeafDark, 1.2);
  FillOutlined(p, Teardrop({15, 12.5}, {4, 6}, 7.5, -1.2), kLeaf, kO);
  FillOutlined(p, Teardrop({15.3, 9.5}, {26, 3.5}, 8, 1.2), kLeaf, kO);
  Stroke(p, LinePath({14.5, 12.3}, {7.5, 7.4}), kLeafDark, 0.8);
  Stroke(p, LinePath({15.8, 9.3}, {22.5, 5.2}), kLeafDark, 0.8);
}

void IconBriefcase(QPainter& p) {  // 2 administration and business
  Shadow(p, {15, 24.6}, 11);
  Stroke(p, RoundRect({10.5, 3.5, 9, 6}, 2), pal::ink, 3.2);
  Stroke(p, RoundRect({10.5, 3.5, 9, 6}, 2), pal::woodDark, 1.4);
  FillOutlined(p, RoundRect({2.5, 7.5, 25, 16.5}, 3), pal::wood, kO);
  Fill(p, RoundRect({3.5, 8.5, 23, 6}, 2), pal::woodLight);
  Stroke(p, LinePath({3, 15}, {27, 15}), pal::woodDark, 1.0);
  FillOutlined(p, RoundRect({12, 12.5, 6, 5}, 1.2), pal::gold, kO);
}

void IconCart(QPainter& p) {  // 3 commerce and marketing
  QPainterPath basket = PolyPath({{6.5, 6.5}, {27, 6.5}, {24.5, 17}, {9, 17}});
  FillOutlined(p, basket, pal::hoodie, kO);
  for (qreal x : {12.5, 17.0, 21.5}) Stroke(p, LinePath({x, 7.5}, {x - 0.4, 16}), pal::hoodieLight, 1.2);
  QPainterPath frame;
  frame.moveTo(2, 3.5);
  frame.lineTo(5, 3.5);
  frame.lineTo(9, 17);
  frame.lineTo(8, 20.5);
  frame.lineTo(25, 20.5);
  Stroke(p, frame, pal::ink, 1.6);
  FillOutlined(p, Circle({10.5, 23.5}, 2.1), pal::white, kO);
  FillOutlined(p, Circle({22.5, 23.5}, 2.1), pal::white, kO);
}

void IconHeartbeat(QPainter& p) {  // 4 health, laboratory and care
  FillOutlined(p, HeartPath({15, 13.5}, 25, 22), QColor(246, 128, 140), kO);
  Fill(p, Ellipse({9, 8}, 3, 2), WithAlpha(pal::white, 140));
  QPainterPath pulse;
  pulse.moveTo(3, 13.5);
  pulse.lineTo(9.5, 13.5);
  pulse.lineTo(11.5, 9);
  pulse.lineTo(14.5, 19);
  pulse.lineTo(17.5, 7.5);
  pulse.lineTo(19.5, 13.5);
  pulse.lineTo(27, 13.5);
  Stroke(p, pulse, pal::white, 2.0);
}

void IconCare(QPainter& p) {  // 5 care of people
  FillOutlined(p, HeartPath({15, 8.5}, 13, 11.5), QColor(246, 128, 140), kO);
  Fill(p, Ellipse({11.8, 5.8}, 1.6, 1.1), WithAlpha(pal::white, 150));
  // Two hands held together, palms up, thumbs over the rim.
  QPainterPath hands;
  hands.moveTo(1.5, 15);
  hands.cubicTo(4, 14, 6, 16.5, 8.5, 18);
  hands.lineTo(21.5, 18);
  hands.cubicTo(24, 16.5, 26, 14, 28.5, 15);
  hands.cubicTo(27.5, 20, 23, 24.5, 15, 24.5);
  hands.cubicTo(7, 24.5, 2.5, 20, 1.5, 15);
  hands.closeSubpath();
  FillOutlined(p, hands, pal::skin, kO);
  for (int side : {-1, 1}) {
    auto m = [side](qreal x, qreal y) { return QPointF(15 + side * (15 - x), y); };
    FillOutlined(p, Teardrop(m(6.5, 17.3), m(11.5, 16.8), 3.2, 0), pal::skin, kO * 0.9);
    for (int k = 0; k < 3; ++k) {
      QPainterPath finger;
      finger.moveTo(m(2.6 + k * 1.9, 17.6 + k * 1.9));
      finger.lineTo(m(5.4 + k * 1.9, 18.6 + k * 1.9));
      Stroke(p, finger, WithAlpha(pal::ink, 150), 0.7);
    }
  }
  Stroke(p, LinePath({15, 18.6}, {15, 24}), pal::ink, 0.8);
}

void IconStar(QPainter& p) {  // 6 generic: highlight
  Shadow(p, {15, 24.8}, 8);
  FillOutlined(p, StarPath({15, 13.8}, 12, 5.2), pal::gold, kO);
  Fill(p, StarPath({13.4, 11.8}, 4, 1.8), WithAlpha(pal::white, 130));
}

void IconPickaxe(QPainter& p) {  // 7 extractive industries
  QPainterPath rocks = Ellipse({10, 21}, 8, 4.8).united(Ellipse({19.5, 21.5}, 7.5, 4)).united(Ellipse({14, 17.5}, 5, 3.5));
  FillOutlined(p, rocks.simplified(), kStone, kO);
  Fill(p, Ellipse({12, 16.8}, 2, 1), WithAlpha(pal::white, 150));
  Fill(p, Ellipse({20.5, 21}, 1.6, 1.2), kStoneDark);
  Fill(p, Ellipse({7.5, 22.5}, 1.4, 1), kStoneDark);
  Bar(p, {9, 16}, {21, 4.5}, 2.4, pal::wood);
  QPainterPath head;
  head.moveTo(13, 1.8);
  head.quadTo(21, 1.2, 27.5, 9);
  head.quadTo(21.5, 5.5, 17.8, 6.8);
  head.lineTo(15.5, 9.5);
  head.quadTo(15.3, 6, 13, 1.8);
  head.closeSubpath();
  FillOutlined(p, head, kSteel, kO);
}

void IconCar(QPainter& p) {  // 8 vehicles and transport
  Shadow(p, {15, 24.5}, 13);
  QPainterPath body;
  body.moveTo(2, 19.5);
  body.lineTo(2, 15.5);
  body.quadTo(2, 13, 5, 12.6);
  body.lineTo(8.5, 12);
  body.lineTo(11.5, 6.5);
  body.quadTo(12.3, 5.5, 14, 5.5);
  body.lineTo(20, 5.5);
  body.quadTo(21.5, 5.5, 22.5, 7);
  body.lineTo(25, 12);
  body.quadTo(28, 12.5, 28, 15.5);
  body.lineTo(28, 19.5);
  body.closeSubpath();
  FillOutlined(p, body, pal::door, kO);
  FillOutlined(p, PolyPath({{10.7, 12}, {13, 7.4}, {16.4, 7.4}, {16.4, 12}}), pal::glass, 0.8);
  FillOutlined(p, PolyPath({{18, 12}, {18, 7.4}, {20.6, 7.4}, {23, 12}}), pal::glass, 0.8);
  Fill(p, RoundRect({24.5, 14, 3, 2}, 1), pal::gold);
  FillOutlined(p, Circle({8, 20}, 3.3), pal::ink, 0);
  FillOutlined(p, Circle({22, 20}, 3.3), pal::ink, 0);
  Fill(p, Circle({8, 20}, 1.4), kSteelLight);
  Fill(p, Circle({22, 20}, 1.4), kSteelLight);
}

void IconPalette(QPainter& p) {  // 9 arts and crafts
  QPainterPath palette;
  palette.moveTo(15, 3);
  palette.cubicTo(24, 3, 28.5, 8.5, 28.5, 13.5);
  palette.cubicTo(28.5, 18, 25, 20, 22, 18.5);
  palette.cubicTo(19, 17, 17, 19, 18, 21.5);
  palette.cubicTo(19, 24.5, 16.5, 25, 14, 25);
  palette.cubicTo(6.5, 25, 1.5, 20, 1.5, 14);
  palette.cubicTo(1.5, 7.5, 7.5, 3, 15, 3);
  palette.closeSubpath();
  palette = palette.subtracted(Ellipse({9, 18.5}, 2.2, 1.8));
  FillOutlined(p, palette, pal::cream, kO);
  const QColor dots[] = {pal::hoodie, pal::gold, pal::door, kLeaf, pal::lilac};
  const QPointF at[] = {{7, 11.5}, {11.5, 7.3}, {17.5, 6.8}, {23, 10}, {24.5, 15}};
  for (int i = 0; i < 5; ++i) FillOutlined(p, Circle(at[i], 2.2), dots[i], 0.7);
}

// ---- 10..19 -------------------------------------------------------------------------------

void IconMapPin(QPainter& p) {  // 10 places: search on the map
  QPainterPath map = PolyPath({{2, 10}, {10, 7.5}, {20, 10}, {28, 7.5}, {28, 24}, {20, 26.5}, {10, 24}, {2, 26.5}});
  FillOutlined(p, map, QColor(206, 236, 196), kO);
  Fill(p, PolyPath({{10, 7.5}, {20, 10}, {20, 26.5}, {10, 24}}), QColor(186, 222, 176));
  Stroke(p, LinePath({10, 7.5}, {10, 24}), pal::ink, 0.7);
  Stroke(p, LinePath({20, 10}, {20, 26.5}), pal::ink, 0.7);
  QPainterPath pin;
  pin.moveTo(15, 21);
  pin.cubicTo(11.5, 16, 9, 13, 9, 8.5);
  pin.cubicTo(9, 4.5, 12, 1.5, 15, 1.5);
  pin.cubicTo(18, 1.5, 21, 4.5, 21, 8.5);
  pin.cubicTo(21, 13, 18.5, 16, 15, 21);
  pin.closeSubpath();
  FillOutlined(p, pin, kRed, kO);
  FillOutlined(p, Circle({15, 8.3}, 2.4), pal::white, 0.7);
}

void IconBulb(QPainter& p) {  // 11 generic: ideas
  for (int i = 0; i < 5; ++i) {
    QPointF d = Dir(90 + i * 45);  // rays from left over the top to right
    Stroke(p, LinePath(QPointF(15, 10) - d * 10.5, QPointF(15, 10) - d * 13), pal::gold, 1.4);
  }
  QPainterPath glass;
  glass.moveTo(11.5, 17.5);
  glass.cubicTo(11.5, 14.5, 7.5, 13.5, 7.5, 9.5);
  glass.cubicTo(7.5, 5.3, 11, 2.5, 15, 2.5);
  glass.cubicTo(19, 2.5, 22.5, 5.3, 22.5, 9.5);
  glass.cubicTo(22.5, 13.5, 18.5, 14.5, 18.5, 17.5);
  glass.closeSubpath();
  FillOutlined(p, glass, QColor(255, 232, 130), kO);
  Fill(p, Ellipse({12.3, 7.3}, 1.8, 2.4), WithAlpha(pal::white, 180));
  Stroke(p, PolyPath({{13, 14.5}, {14, 11}, {16, 11}, {17, 14.5}}), QColor(226, 160, 60), 0.8);
  FillOutlined(p, RoundRect({11.3, 17.3, 7.4, 5.2}, 1.2), kSteel, kO);
  Stroke(p, LinePath({11.8, 19.8}, {18.2, 19.8}), pal::ink, 0.6);
  FillOutlined(p, RoundRect({13, 22.3, 4, 2.2}, 1), pal::ink, 0);
}

void IconLaptop(QPainter& p) {  // 12 computing and communications
  FillOutlined(p, RoundRect({5, 3.5, 20, 14.5}, 1.6), QColor(92, 102, 130), kO);
  Fill(p, RectPath({7, 5.5, 16, 10.5}), QColor(170, 226, 246));
  Stroke(p, LinePath({9, 8}, {15, 8}), pal::blue, 1.2);
  Stroke(p, LinePath({11, 10.5}, {20, 10.5}), pal::green, 1.2);
  Stroke(p, LinePath({9, 13}, {17, 13}), pal::hoodie, 1.2);
  QPainterPath base = PolyPath({{5, 18}, {25, 18}, {28.5, 23}, {1.5, 23}});
  FillOutlined(p, base, kSteelLight, kO);
  Stroke(p, LinePath({12, 21}, {18, 21}), kSteel, 1.0);
}

void IconCompass(QPainter& p) {  // 13 engineering and technology
  FillOutlined(p, RoundRect({1.5, 5, 27, 20}, 1.5), kBlueprint, kO);
  for (qreal x : {7.0, 13.0, 19.0, 25.0}) Stroke(p, LinePath({x, 6}, {x, 24}), WithAlpha(pal::white, 60), 0.6);
  for (qreal y : {11.0, 17.0, 23.0}) Stroke(p, LinePath({2.5, y}, {27.5, y}), WithAlpha(pal::white, 60), 0.6);
  Stroke(p, Ellipse({15, 15.5}, 7.5, 7.5), WithAlpha(pal::white, 220), 1.0);
  // The drawing compass standing on the sheet.
  Bar(p, {15, 4}, {9.5, 22}, 1.8, kSteelLight);
  Bar(p, {15, 4}, {20.5, 22}, 1.8, kSteelLight);
  FillOutlined(p, RoundRect({13.2, 1, 3.6, 5}, 1.2), pal::gold, kO);
  FillOutlined(p, Circle({15, 6}, 1.5), pal::hoodie, 0.7);
}

void IconPeople(QPainter& p) {  // 14 social and community services, education
  Shadow(p, {15, 25}, 12);
  // The adult.
  FillOutlined(p, RoundRect({3.5, 13, 11, 12}, 5), pal::door, kO);
  FillOutlined(p, Circle({9, 8}, 4.3), pal::skin, kO);
  FillOutlined(p, Ellipse({9, 5.3}, 4.3, 2.3).united(Ellipse({5.5, 7, }, 1.2, 2.2)), pal::hair, kO * 0.8);
  // The child, holding hands.
  Bar(p, {13.5, 18.5}, {18, 19}, 1.6, pal::skin);
  FillOutlined(p, RoundRect({16.5, 16.5, 9, 8.5}, 4), pal::hoodie, kO);
  FillOutlined(p, Circle({21, 12.8}, 3.5), pal::skin, kO);
  FillOutlined(p, Ellipse({21, 10.6}, 3.5, 1.8), pal::hairLight, kO * 0.8);
  Fill(p, Circle({8, 8.7}, 0.6), pal::ink);
  Fill(p, Circle({10.6, 8.7}, 0.6), pal::ink);
  Fill(p, Circle({20.1, 13.2}, 0.55), pal::ink);
  Fill(p, Circle({22.3, 13.2}, 0.55), pal::ink);
}

void IconCap(QPainter& p) {  // 15 generic: studies and teaching
  FillOutlined(p, RoundRect({8.5, 11, 13, 8.5}, 2.5), QColor(78, 86, 120), kO);
  FillOutlined(p, PolyPath({{15, 3}, {28.5, 9}, {15, 15}, {1.5, 9}}), QColor(92, 102, 140), kO);
  Stroke(p, PolyPath({{15, 5}, {24, 9}, {15, 13}, {6, 9}}), WithAlpha(pal::white, 50), 1.0);
  QPainterPath cord;
  cord.moveTo(15, 9);
  cord.lineTo(24.5, 11);
  cord.lineTo(24.5, 18);
  Stroke(p, cord, pal::gold, 1.2);
  FillOutlined(p, RoundRect({23, 17.5, 3, 5}, 1), pal::gold, 0.7);
  FillOutlined(p, Circle({15, 9}, 1.4), pal::gold, 0.7);
}

void IconMedical(QPainter& p) {  // 16 health
  FillOutlined(p, Circle({15, 13.5}, 12), pal::white, kO);
  Stroke(p, Circle({15, 13.5}, 10.2), pal::mint, 1.6);
  QPainterPath cross = RoundRect({12.2, 5.8, 5.6, 15.4}, 1.2).united(RoundRect({7.3, 10.7, 15.4, 5.6}, 1.2));
  FillOutlined(p, cross.simplified(), kRed, kO);
}

void IconTravel(QPainter& p) {  // 17 communication and tourism
  FillOutlined(p, Circle({13, 14.5}, 10.5), kSea, kO);
  p.save();
  p.setClipPath(Circle({13, 14.5}, 10));
  Fill(p, Ellipse({8.5, 10}, 5, 3.5).united(Ellipse({6, 14}, 3, 3)), kLeaf);
  Fill(p, Ellipse({17.5, 19}, 4.5, 3.5).united(Ellipse({20, 15}, 2.5, 2.5)), kLeaf);
  Fill(p, Ellipse({13, 3}, 6, 2.5), pal::white);
  p.restore();
  Stroke(p, Circle({13, 14.5}, 10.5), pal::ink, kO);
  // A paper plane flying round the world.
  QPainterPath trail;
  trail.moveTo(3, 25);
  trail.quadTo(14, 27, 20, 10);
  Stroke(p, trail, WithAlpha(pal::white, 230), 1.0);
  QPainterPath plane = PolyPath({{15.5, 8}, {29, 1}, {22, 13.5}, {20.5, 9.8}});
  FillOutlined(p, plane, pal::white, kO);
  FillOutlined(p, PolyPath({{20.5, 9.8}, {29, 1}, {20.5, 14}}), pal::sole, kO * 0.8);
}

void IconCloche(QPainter& p) {  // 18 hospitality and tourism
  for (qreal x : {11.0, 15.0, 19.0}) {
    QPainterPath steam;
    steam.moveTo(x, 7);
    steam.cubicTo(x - 2, 5, x + 2, 3.5, x, 1);
    Stroke(p, steam, WithAlpha(pal::ink, 110), 0.9);
  }
  QPainterPath dome;
  dome.moveTo(3.5, 20);
  dome.cubicTo(3.5, 12, 9, 8.5, 15, 8.5);
  dome.cubicTo(21, 8.5, 26.5, 12, 26.5, 20);
  dome.closeSubpath();
  FillOutlined(p, dome, kSteelLight, kO);
  Stroke(p, LinePath({8, 17}, {9.5, 12.8}), WithAlpha(pal::white, 220), 1.4);
  FillOutlined(p, RoundRect({13.2, 6.3, 3.6, 2.6}, 1.2), kSteel, kO);
  FillOutlined(p, RoundRect({1, 19.5, 28, 3.5}, 1.7), pal::white, kO);
  Stroke(p, LinePath({4, 24.5}, {26, 24.5}), WithAlpha(pal::ink, 60), 1.0);
}

void IconBread(QPainter& p) {  // 19 food industries
  Shadow(p, {14, 24.4}, 12);
  QPainterPath loaf;
  loaf.moveTo(2.5, 21);
  loaf.cubicTo(1, 12, 9, 7.5, 15, 7.5);
  loaf.cubicTo(23, 7.5, 27.5, 13, 26, 21);
  loaf.quadTo(25.6, 23.5, 23, 23.5);
  loaf.lineTo(5.5, 23.5);
  loaf.quadTo(2.8, 23.5, 2.5, 21);
  loaf.closeSubpath();
  FillOutlined(p, loaf, QColor(226, 164, 92), kO);
  Fill(p, Ellipse({12, 11.5}, 7, 2.6), WithAlpha(QColor(246, 204, 140), 220));
  for (qreal x : {8.5, 14.0, 19.5}) Stroke(p, LinePath({x, 15.5}, {x + 3, 11.5}), QColor(180, 112, 56), 1.3);
  // An ear of wheat.
  Stroke(p, LinePath({24, 15}, {28.5, 2.5}), QColor(214, 160, 60), 1.0);
  for (int i = 0; i < 3; ++i) {
    QPointF at(25.8 + i * 0.9, 10.5 - i * 2.7);
    FillOutlined(p, Ellipse(at + QPointF(-1.3, 0), 1.1, 1.7), pal::gold, 0.6);
    FillOutlined(p, Ellipse(at + QPointF(1.1, -0.6), 1.1, 1.7), pal::gold, 0.6);
  }
}

// ---- 20..29 -------------------------------------------------------------------------------

void IconMicroscope(QPainter& p) {  // 20 generic: research and science
  FillOutlined(p, RoundRect({4, 22, 22, 3.5}, 1.5), kSteel, kO);
  QPainterPath arm;
  arm.moveTo(20, 22);
  arm.cubicTo(25, 19, 25, 11, 19.5, 8.5);
  Stroke(p, arm, pal::ink, 4.2);
  Stroke(p, arm, pal::blue, 2.2);
  FillOutlined(p, RoundRect({8, 17, 12, 2.5}, 1), kSteelLight, kO);
  p.save();
  p.translate(14, 9);
  p.rotate(-30);
  FillOutlined(p, RoundRect({-2.6, -8, 5.2, 14}, 1.5), pal::white, kO);
  FillOutlined(p, RoundRect({-3.4, -9.5, 6.8, 3}, 1.2), pal::blue, kO);
  FillOutlined(p, RoundRect({-1.6, 6, 3.2, 3}, 0.8), pal::ink, 0);
  p.restore();
  Fill(p, Ellipse({13, 19.5}, 3, 0.8), pal::lilac);
}

void IconFlask(QPainter& p) {  // 21 chemistry
  QPainterPath flask;
  flask.moveTo(11.5, 2.5);
  flask.lineTo(11.5, 9.5);
  flask.lineTo(4, 21);
  flask.quadTo(2.7, 24.5, 6.5, 24.5);
  flask.lineTo(23.5, 24.5);
  flask.quadTo(27.3, 24.5, 26, 21);
  flask.lineTo(18.5, 9.5);
  flask.lineTo(18.5, 2.5);
  flask.closeSubpath();
  FillOutlined(p, flask, pal::white, kO);
  Fill(p, flask.intersected(RectPath({0, 15, 30, 12})), pal::lilac);
  Fill(p, Circle({11, 20}, 1.2), WithAlpha(pal::white, 200));
  Fill(p, Circle({17, 18.5}, 0.9), WithAlpha(pal::white, 200));
  Stroke(p, flask, pal::ink, kO);
  FillOutlined(p, RoundRect({10, 1.5, 10, 2.5}, 1.2), pal::white, kO);
  FillOutlined(p, Circle({15, 12}, 1.2), pal::lilac, 0);
  FillOutlined(p, Circle({22.5, 5}, 1.6), pal::lilac, 0.7);
}

void IconMegaphone(QPainter& p) {  // 22 generic: publicity and news
  QPainterPath horn = PolyPath({{6, 10}, {20, 3}, {20, 22}, {6, 16}});
  FillOutlined(p, horn, pal::hoodie, kO);
  FillOutlined(p, Ellipse({20, 12.5}, 2.6, 9.5), pal::hoodieLight, kO);
  FillOutlined(p, RoundRect({2, 9.5, 5, 7}, 1.5), pal::white, kO);
  FillOutlined(p, PolyPath({{8, 16.5}, {12, 18}, {11, 24}, {8, 24}}), pal::ink, 0);
  for (int i = 0; i < 2; ++i) {
    QPainterPath wave;
    qreal r = 4 + i * 3.2;
    wave.moveTo(23 + r * 0.5, 12.5 - r);
    wave.quadTo(23 + r * 1.2, 12.5, 23 + r * 0.5, 12.5 + r);
    Stroke(p, wave, pal::ink, 1.2);
  }
}

void IconTemple(QPainter& p) {  // 23 humanities, history and philosophy
  const QColor stone(255, 244, 224);
  FillOutlined(p, PolyPath({{1.5, 9}, {15, 2}, {28.5, 9}}), QColor(229, 139, 107), kO);
  FillOutlined(p, RectPath({2.5, 9, 25, 3}), stone, kO);
  for (int i = 0; i < 4; ++i) {
    qreal x = 5.5 + i * 6.3;
    FillOutlined(p, RectPath({x, 12, 3.2, 9}), pal::white, kO * 0.9);
  }
  FillOutlined(p, RectPath({2.5, 21, 25, 2.5}), stone, kO);
  FillOutlined(p, RectPath({1, 23.5, 28, 2.5}), pal::creamShade, kO);
}

void IconBookQuill(QPainter& p) {  // 24 languages and literature
  QPainterPath left, right;
  left.moveTo(15, 8);
  left.cubicTo(11, 5.5, 6, 5.5, 1.5, 7);
  left.lineTo(1.5, 23);
  left.cubicTo(6, 21.5, 11, 21.5, 15, 24);
  left.closeSubpath();
  right.moveTo(15, 8);
  right.cubicTo(19, 5.5, 24, 5.5, 28.5, 7);
  right.lineTo(28.5, 23);
  right.cubicTo(24, 21.5, 19, 21.5, 15, 24);
  right.closeSubpath();
  FillOutlined(p, left, kPaper, kO);
  FillOutlined(p, right, kPaper, kO);
  for (int i = 0; i < 4; ++i) {
    qreal y = 10.5 + i * 3;
    Stroke(p, LinePath({4, y}, {12, y + 0.6}), WithAlpha(pal::ink, 90), 0.8);
  }
  // The quill writing on the right page.
  FillOutlined(p, Teardrop({18, 20}, {28, 1}, 5, 0.6), pal::hoodieLight, kO);
  Stroke(p, LinePath({18, 20.5}, {25.5, 5}), pal::hoodieDark, 0.7);
  Stroke(p, LinePath({17.5, 21.5}, {18.4, 19.6}), pal::ink, 1.2);
}

void IconEconomy(QPainter& p) {  // 25 economy, business and trade
  const QColor bars[] = {pal::mint, pal::teal, pal::blue};
  for (int i = 0; i < 3; ++i) {
    qreal h = 7 + i * 5;
    FillOutlined(p, RectPath({13 + i * 5.2, 24 - h, 4.2, h}), bars[i], kO);
  }
  QPainterPath trend;
  trend.moveTo(12, 13);
  trend.lineTo(18, 9);
  trend.lineTo(21, 10.5);
  trend.lineTo(27.5, 3);
  Stroke(p, trend, kRed, 1.5);
  FillOutlined(p, PolyPath({{28.8, 1.5}, {28.5, 6.5}, {24.5, 3.5}}), kRed, 0);
  for (int i = 0; i < 3; ++i) {
    QPointF c(7.5, 22 - i * 3.2);
    FillOutlined(p, Ellipse(c, 6, 2.3), pal::gold, kO);
  }
  FillOutlined(p, Ellipse({7.5, 15.6}, 6, 2.3), pal::gold, kO);
  Stroke(p, Ellipse({7.5, 15.6}, 3.4, 1.1), pal::packDark, 0.8);
}

void IconMusic(QPainter& p) {  // 26 music and performing arts
  QPainterPath beam = PolyPath({{11, 4.5}, {25, 1.5}, {25, 5.5}, {11, 8.5}});
  FillOutlined(p, beam, pal::ink, 0);
  Stroke(p, LinePath({11.7, 6}, {11.7, 20}), pal::ink, 1.6);
  Stroke(p, LinePath({24.3, 3}, {24.3, 17}), pal::ink, 1.6);
  p.save();
  for (QPointF c : {QPointF(8.5, 20.5), QPointF(21.1, 17.5)}) {
    p.save();
    p.translate(c);
    p.rotate(-22);
    FillOutlined(p, Ellipse({0, 0}, 4, 3), pal::lilac, kO);
    Fill(p, Ellipse({-1.2, -0.9}, 1.3, 0.8), WithAlpha(pal::white, 170));
    p.restore();
  }
  p.restore();
  FillOutlined(p, StarPath({4.5, 6.5}, 3, 1.3), pal::gold, 0.7);
}

void IconTrophy(QPainter& p) {  // 27 physical activity and sport
  Stroke(p, Ellipse({7.5, 9}, 4, 4.2), pal::ink, 3.2);
  Stroke(p, Ellipse({22.5, 9}, 4, 4.2), pal::ink, 3.2);
  Stroke(p, Ellipse({7.5, 9}, 4, 4.2), pal::gold, 1.4);
  Stroke(p, Ellipse({22.5, 9}, 4, 4.2), pal::gold, 1.4);
  QPainterPath cup;
  cup.moveTo(7, 3);
  cup.lineTo(23, 3);
  cup.lineTo(22.5, 9);
  cup.cubicTo(22, 14, 18.5, 16, 15, 16);
  cup.cubicTo(11.5, 16, 8, 14, 7.5, 9);
  cup.closeSubpath();
  FillOutlined(p, cup, pal::gold, kO);
  Fill(p, Ellipse({11, 7.5}, 1.5, 3), WithAlpha(pal::white, 150));
  FillOutlined(p, RectPath({13.2, 15.5, 3.6, 4}), pal::packDark, kO);
  FillOutlined(p, RoundRect({8.5, 19.5, 13, 5.5}, 1.2), pal::woodDark, kO);
  Fill(p, RectPath({11.5, 21.2, 7, 2}), pal::gold);
}

void IconHardHat(QPainter& p) {  // 28 building, civil works and trades
  QPainterPath dome;
  dome.moveTo(4.5, 18.5);
  dome.cubicTo(4.5, 9, 9.5, 4.5, 15, 4.5);
  dome.cubicTo(20.5, 4.5, 25.5, 9, 25.5, 18.5);
  dome.closeSubpath();
  FillOutlined(p, dome, QColor(255, 200, 60), kO);
  FillOutlined(p, RoundRect({12.5, 4, 5, 14}, 2.2), QColor(255, 216, 100), kO);
  Fill(p, Ellipse({9, 11}, 1.6, 3.2), WithAlpha(pal::white, 150));
  FillOutlined(p, RoundRect({1, 17.5, 28, 4.5}, 2.2), QColor(240, 176, 40), kO);
  Fill(p, Ellipse({15, 24.8}, 11, 1.4), WithAlpha(pal::ink, 45));
}

void IconScales(QPainter& p) {  // 29 law, social sciences and politics
  FillOutlined(p, RoundRect({9, 23, 12, 2.8}, 1.2), pal::woodDark, kO);
  Bar(p, {15, 4}, {15, 23}, 1.8, pal::gold);
  Bar(p, {4.5, 7}, {25.5, 7}, 1.6, pal::gold);
  FillOutlined(p, Circle({15, 4}, 2), pal::gold, kO);
  for (qreal x : {5.5, 24.5}) {
    Stroke(p, LinePath({x, 7.5}, {x - 4, 16}), pal::ink, 0.8);
    Stroke(p, LinePath({x, 7.5}, {x + 4, 16}), pal::ink, 0.8);
    QPainterPath pan;
    pan.moveTo(x - 5, 16);
    pan.quadTo(x, 21, x + 5, 16);
    pan.closeSubpath();
    FillOutlined(p, pan, pal::gold, kO);
  }
}

// ---- 30..39 -------------------------------------------------------------------------------

void IconSignpost(QPainter& p) {  // 30 generic: guidance, which way to go
  Shadow(p, {15, 25.2}, 7);
  Bar(p, {15, 3}, {15, 25}, 2.6, pal::woodDark);
  FillOutlined(p, PolyPath({{15, 4}, {25, 4}, {28.5, 7.5}, {25, 11}, {15, 11}}), pal::mint, kO);
  FillOutlined(p, PolyPath({{15, 12.5}, {5, 12.5}, {1.5, 16}, {5, 19.5}, {15, 19.5}}), pal::hoodie, kO);
  Stroke(p, LinePath({17.5, 7.5}, {24, 7.5}), WithAlpha(pal::white, 220), 1.2);
  Stroke(p, LinePath({6, 16}, {12.5, 16}), WithAlpha(pal::white, 220), 1.2);
  FillOutlined(p, Circle({15, 3}, 1.3), pal::gold, 0.7);
}

void IconBall(QPainter& p) {  // 31 physical and sports activities
  Shadow(p, {15, 25.3}, 8);
  const QPointF c(15, 13);
  FillOutlined(p, Circle(c, 11.3), pal::white, kO);
  p.save();
  p.setClipPath(Circle(c, 11));
  QPainterPath centre;
  for (int i = 0; i < 5; ++i) {
    QPointF d = Dir(180 + i * 72) * 4.2;
    if (i == 0) centre.moveTo(c + d);
    else centre.lineTo(c + d);
  }
  centre.closeSubpath();
  Fill(p, centre, pal::ink);
  for (int i = 0; i < 5; ++i) {
    QPointF d = Dir(180 + i * 72);
    Stroke(p, LinePath(c + d * 4.2, c + d * 8), pal::ink, 0.9);
    QPointF e = c + d * 11.2;
    QPainterPath patch = Circle(e, 3.6);
    Fill(p, patch, pal::ink);
  }
  p.restore();
  Stroke(p, Circle(c, 11.3), pal::ink, kO);
  Fill(p, Ellipse({10.5, 7.5}, 2, 1.2), WithAlpha(pal::white, 120));
}

void IconPrinter(QPainter& p) {  // 32 graphic arts
  FillOutlined(p, RectPath({8, 2, 14, 8}), pal::white, kO);
  FillOutlined(p, RoundRect({2, 8.5, 26, 10.5}, 2.5), kSteel, kO);
  Fill(p, RoundRect({3, 9.5, 24, 3}, 1.5), kSteelLight);
  Fill(p, Circle({24.5, 12.5}, 1.1), pal::green);
  // The printed sheet coming out, in the four process colours.
  FillOutlined(p, RectPath({7, 15, 16, 10.5}), pal::white, kO);
  const QColor inks[] = {QColor(70, 196, 230), QColor(236, 96, 160), QColor(252, 220, 60), pal::ink};
  for (int i = 0; i < 4; ++i) Fill(p, Circle({10 + i * 3.3, 20}, 1.5), inks[i]);
}

void IconBolt(QPainter& p) {  // 33 electricity and electronics
  FillOutlined(p, Circle({15, 13.5}, 12), QColor(255, 226, 110), kO);
  Fill(p, Ellipse({10.5, 7.5}, 3.5, 2), WithAlpha(pal::white, 130));
  QPainterPath bolt = PolyPath({{17.5, 2.5}, {8.5, 15}, {14, 15}, {12, 24.5}, {21.5, 11.5}, {16, 11.5}});
  FillOutlined(p, bolt, pal::hoodie, kO);
}

void IconEnergyWater(QPainter& p) {  // 34 energy and water
  // A wind turbine.
  Bar(p, {11, 11}, {11, 25}, 1.8, pal::white);
  const QPointF hub(11, 10);
  for (int i = 0; i < 3; ++i) {
    QPointF d = Dir(180 + 15 + i * 120);
    FillOutlined(p, Teardrop(hub, hub + d * 9.5, 3.6, 0.5), pal::white, kO * 0.9);
  }
  FillOutlined(p, Circle(hub, 1.6), kSteel, 0.8);
  // A drop of water.
  QPainterPath drop;
  drop.moveTo(22.5, 9);
  drop.cubicTo(25, 13, 28, 16, 28, 19.5);
  drop.cubicTo(28, 23, 25.5, 25.5, 22.5, 25.5);
  drop.cubicTo(19.5, 25.5, 17, 23, 17, 19.5);
  drop.cubicTo(17, 16, 20, 13, 22.5, 9);
  drop.closeSubpath();
  FillOutlined(p, drop, kSea, kO);
  Fill(p, Ellipse({20.5, 19.5}, 1.1, 2.2), WithAlpha(pal::white, 170));
}

void IconTools(QPainter& p) {  // 35 installation and maintenance
  // A screwdriver from the top left ...
  Bar(p, {5, 4}, {16, 15}, 1.6, kSteelLight);
  p.save();
  p.translate(16, 15);
  p.rotate(-45);
  FillOutlined(p, RoundRect({-2.8, 0, 5.6, 11.5}, 2.4), pal::hoodie, kO);
  Stroke(p, LinePath({0, 2.5}, {0, 9}), pal::hoodieLight, 1.0);
  p.restore();
  // ... crossed by a spanner from the bottom left, its open jaw at the top right.
  p.save();
  p.translate(15, 13.5);
  p.rotate(45);
  QPainterPath spanner = RoundRect({-1.9, -7, 3.8, 15.5}, 1.9);
  spanner = spanner.united(Circle({0, -9.5}, 4.6)).united(Circle({0, 10}, 3.4));
  spanner = spanner.subtracted(RoundRect({-1.7, -15.5, 3.4, 7}, 0.6)).subtracted(Circle({0, 10}, 1.5));
  FillOutlined(p, spanner, kSteel, kO);
  Stroke(p, LinePath({-0.6, -5}, {-0.6, 6}), kSteelLight, 0.9);
  p.restore();
}

void IconClapper(QPainter& p) {  // 36 image and sound
  FillOutlined(p, RoundRect({3, 10, 24, 15}, 1.5), QColor(78, 86, 120), kO);
  Stroke(p, LinePath({6, 15}, {24, 15}), WithAlpha(pal::white, 120), 0.8);
  Stroke(p, LinePath({6, 19}, {20, 19}), WithAlpha(pal::white, 120), 0.8);
  p.save();
  p.translate(3, 10);
  p.rotate(-18);
  QPainterPath arm = RectPath({0, -5, 24, 5});
  FillOutlined(p, arm, pal::white, kO);
  p.setClipPath(arm);
  for (int i = 0; i < 5; ++i) Fill(p, PolyPath({{i * 6.0 - 1, 0}, {i * 6.0 + 2, 0}, {i * 6.0 + 5, -5}, {i * 6.0 + 2, -5}}), QColor(78, 86, 120));
  p.restore();
  Stroke(p, RectPath({0, 0, 0, 0}), pal::ink, 0);
  FillOutlined(p, Circle({3.2, 10}, 1.2), pal::gold, 0.7);
}

void IconScissors(QPainter& p) {  // 37 hair and beauty
  // Two blades crossing at the pivot, rings at the bottom.
  FillOutlined(p, PolyPath({{14.2, 15}, {24.5, 1.5}, {16.8, 16.5}}), kSteelLight, kO);
  FillOutlined(p, PolyPath({{15.8, 15}, {5.5, 1.5}, {13.2, 16.5}}), kSteelLight, kO);
  Bar(p, {14.5, 15.5}, {9.5, 19.5}, 2, pal::hoodie);
  Bar(p, {15.5, 15.5}, {20.5, 19.5}, 2, pal::hoodie);
  for (QPointF c : {QPointF(8, 21.5), QPointF(22, 21.5)}) {
    Stroke(p, Circle(c, 3.3), pal::ink, 3.6);
    Stroke(p, Circle(c, 3.3), pal::hoodie, 1.6);
  }
  FillOutlined(p, Circle({15, 15.2}, 1.3), pal::gold, 0.7);
}

void IconLog(QPainter& p) {  // 38 wood, furniture and cork
  Shadow(p, {15, 24.3}, 13);
  QPainterPath bark;
  bark.moveTo(8, 6);
  bark.lineTo(24, 6);
  bark.lineTo(24, 22);
  bark.lineTo(8, 22);
  bark.closeSubpath();
  FillOutlined(p, bark, pal::woodDark, kO);
  for (qreal y : {10.0, 14.5, 18.5}) Stroke(p, LinePath({12, y}, {22, y + 0.5}), pal::wood, 0.9);
  FillOutlined(p, Ellipse({24, 14}, 5, 8), pal::woodLight, kO);
  Stroke(p, Ellipse({24, 14}, 3.2, 5.3), pal::wood, 0.8);
  Stroke(p, Ellipse({24, 14}, 1.5, 2.6), pal::wood, 0.8);
  FillOutlined(p, Ellipse({8, 14}, 5, 8), pal::woodDark, kO);
  // A fresh leaf on the log.
  FillOutlined(p, Teardrop({12, 6.5}, {5.5, 1.5}, 4.5, -0.5), kLeaf, kO * 0.9);
}

void IconFish(QPainter& p) {  // 39 sea and fishing
  QPainterPath fish;
  fish.moveTo(4, 11.5);
  fish.cubicTo(8, 4.5, 17, 4, 22, 11.5);
  fish.lineTo(28, 6);
  fish.lineTo(27, 11.5);
  fish.lineTo(28, 17);
  fish.lineTo(22, 11.5);
  fish.cubicTo(17, 19, 8, 18.5, 4, 11.5);
  fish.closeSubpath();
  FillOutlined(p, fish, pal::hoodie, kO);
  Fill(p, Ellipse({12, 9}, 4, 1.5), WithAlpha(pal::white, 120));
  Stroke(p, LinePath({15.5, 7.5}, {15.5, 15.5}), pal::hoodieDark, 0.9);
  FillOutlined(p, Circle({8.5, 10.5}, 1.5), pal::white, 0.6);
  Fill(p, Circle({8.8, 10.5}, 0.7), pal::ink);
  for (int k = 0; k < 2; ++k) {
    QPainterPath wave;
    qreal y = 21 + k * 3.5;
    wave.moveTo(1, y);
    for (int i = 0; i < 4; ++i) wave.quadTo(3.5 + i * 7, y - 2.2, 7.5 + i * 7, y);
    Stroke(p, wave, k == 0 ? kSea : pal::teal, 1.6);
  }
}

// ---- 40..43 -------------------------------------------------------------------------------

void IconShieldLeaf(QPainter& p) {  // 40 safety and the environment
  QPainterPath shield;
  shield.moveTo(15, 1.5);
  shield.cubicTo(19, 3.8, 23, 4.5, 26, 4.5);
  shield.cubicTo(26, 15, 22, 21.5, 15, 25.5);
  shield.cubicTo(8, 21.5, 4, 15, 4, 4.5);
  shield.cubicTo(7, 4.5, 11, 3.8, 15, 1.5);
  shield.closeSubpath();
  FillOutlined(p, shield, pal::door, kO);
  Fill(p, shield.intersected(RectPath({15, 0, 15, 27})), pal::doorLight);
  Stroke(p, shield, pal::ink, kO);
  FillOutlined(p, Teardrop({11.5, 19}, {20, 7}, 8, 0.6), kLeaf, kO);
  Stroke(p, LinePath({11.5, 19}, {18, 9.5}), kLeafDark, 0.8);
}

void IconSpool(QPainter& p) {  // 41 textiles, clothing and leather
  FillOutlined(p, RoundRect({6, 6, 13, 15}, 1), pal::pink, kO);
  for (int i = 0; i < 5; ++i) Stroke(p, LinePath({6.5, 8.5 + i * 2.7}, {18.5, 7.5 + i * 2.7}), QColor(226, 140, 170), 0.8);
  FillOutlined(p, RoundRect({3.5, 2.5, 18, 4}, 1.5), pal::woodLight, kO);
  FillOutlined(p, RoundRect({3.5, 20.5, 18, 4}, 1.5), pal::woodLight, kO);
  // The needle with the loose thread.
  QPainterPath thread;
  thread.moveTo(18.5, 14);
  thread.cubicTo(25, 16, 22, 24, 26.5, 24);
  Stroke(p, thread, QColor(226, 120, 160), 1.0);
  Bar(p, {24, 3}, {27.5, 21}, 1.3, kSteelLight);
  Fill(p, Ellipse({24.4, 5}, 0.45, 1.1), pal::ink);
}

void IconVase(QPainter& p) {  // 42 glass and ceramics
  Shadow(p, {15, 25}, 7.5);
  QPainterPath vase;
  vase.moveTo(11, 2.5);
  vase.lineTo(19, 2.5);
  vase.lineTo(18, 6.5);
  vase.cubicTo(25, 9, 25.5, 18, 20, 24);
  vase.lineTo(10, 24);
  vase.cubicTo(4.5, 18, 5, 9, 12, 6.5);
  vase.closeSubpath();
  FillOutlined(p, vase, QColor(224, 128, 86), kO);
  p.save();
  p.setClipPath(vase);
  Fill(p, RectPath({0, 12, 30, 3}), pal::cream);
  for (int i = 0; i < 5; ++i) Fill(p, Circle({7.5 + i * 3.8, 18.5}, 0.9), pal::cream);
  Fill(p, Ellipse({10.5, 11}, 1.5, 3), WithAlpha(pal::white, 110));
  p.restore();
  Stroke(p, vase, pal::ink, kO);
  FillOutlined(p, RoundRect({10, 1.5, 10, 2.5}, 1.2), QColor(240, 150, 106), kO);
}

void IconBack(QPainter& p) {  // 43 back one level
  FillOutlined(p, Circle({15, 13.5}, 12), pal::mint, kO);
  Fill(p, Ellipse({11, 8}, 4, 2.2), WithAlpha(pal::white, 110));
  QPainterPath bend;
  bend.moveTo(20.5, 20.5);
  bend.cubicTo(23.5, 15, 20.5, 9, 14, 9);
  bend.lineTo(11, 9);
  Stroke(p, bend, pal::ink, 4.6);
  Stroke(p, bend, pal::white, 2.6);
  QPainterPath head = PolyPath({{5, 9}, {12.5, 3.5}, {12.5, 14.5}});
  FillOutlined(p, head, pal::white, kO);
}

using IconFn = void (*)(QPainter&);
constexpr std::array<IconFn, 44> kIcons = {
    IconGear,       IconSprout,    IconBriefcase, IconCart,     IconHeartbeat, IconCare,       IconStar,
    IconPickaxe,    IconCar,       IconPalette,   IconMapPin,   IconBulb,      IconLaptop,     IconCompass,
    IconPeople,     IconCap,       IconMedical,   IconTravel,   IconCloche,    IconBread,      IconMicroscope,
    IconFlask,      IconMegaphone, IconTemple,    IconBookQuill, IconEconomy,  IconMusic,      IconTrophy,
    IconHardHat,    IconScales,    IconSignpost,  IconBall,     IconPrinter,   IconBolt,       IconEnergyWater,
    IconTools,      IconClapper,   IconScissors,  IconLog,      IconFish,      IconShieldLeaf, IconSpool,
    IconVase,       IconBack};

// ---- the degree screen's small list (16 x 16) -----------------------------------------------

constexpr qreal kSo = 0.9;  // small outline

void SmallFolder(QPainter& p, bool open) {
  FillOutlined(p, RoundRect({1, 3, 7, 4}, 1), pal::packDark, kSo);
  FillOutlined(p, RoundRect({1, 4.5, 14, 10}, 1.2), pal::packDark, kSo);
  if (open) {
    Fill(p, RectPath({3, 6, 10, 6}), pal::white);
    FillOutlined(p, PolyPath({{3, 8}, {15.5, 8}, {13.5, 14.5}, {1, 14.5}}), pal::pack, kSo);
  } else {
    FillOutlined(p, RoundRect({1, 6.5, 14, 8}, 1.2), pal::pack, kSo);
  }
}

void SmallBook(QPainter& p, const QColor& cover, bool star) {
  FillOutlined(p, RoundRect({3, 1.5, 10.5, 13}, 1.2), pal::white, kSo);
  FillOutlined(p, RoundRect({2.5, 1.5, 9.5, 13}, 1.2), cover, kSo);
  Stroke(p, LinePath({4.3, 2.5}, {4.3, 13.5}), WithAlpha(pal::ink, 90), 0.8);
  if (star) FillOutlined(p, StarPath({8, 7.5}, 3.4, 1.5), pal::gold, 0.6);
  else Fill(p, RoundRect({6, 4, 4.5, 2}, 0.6), WithAlpha(pal::white, 200));
}

void SmallIcon(QPainter& p, int i) {
  switch (i) {
    case 0: SmallFolder(p, true); break;
    case 1: SmallBook(p, pal::teal, false); break;
    case 2: SmallBook(p, pal::hoodie, true); break;
    case 3: {  // the bullet of list rows: a small arrow
      QPainterPath arrow = PolyPath({{3, 3}, {13.5, 8}, {3, 13}, {5.5, 8}});
      FillOutlined(p, arrow, pal::hoodie, kSo);
      break;
    }
    case 4: SmallFolder(p, false); break;
    case 5: {  // a university: pediment, columns and steps
      FillOutlined(p, PolyPath({{1, 5.5}, {8, 1}, {15, 5.5}}), QColor(229, 139, 107), kSo);
      for (int k = 0; k < 4; ++k) FillOutlined(p, RectPath({2.6 + k * 3.3, 6, 1.8, 6}), pal::white, 0.7);
      FillOutlined(p, RectPath({1.5, 5.5, 13, 1.3}), pal::cream, 0.7);
      FillOutlined(p, RectPath({1, 12, 14, 2.6}), pal::creamShade, kSo);
      break;
    }
    case 6: {  // map pin
      QPainterPath pin;
      pin.moveTo(8, 15);
      pin.cubicTo(5.5, 11, 3, 9, 3, 6);
      pin.cubicTo(3, 3, 5.3, 1, 8, 1);
      pin.cubicTo(10.7, 1, 13, 3, 13, 6);
      pin.cubicTo(13, 9, 10.5, 11, 8, 15);
      pin.closeSubpath();
      FillOutlined(p, pin, kRed, kSo);
      Fill(p, Circle({8, 6}, 1.8), pal::white);
      break;
    }
    case 7:  // information
      FillOutlined(p, Circle({8, 8}, 6.8), pal::blue, kSo);
      Fill(p, Circle({8, 4.6}, 1.2), pal::white);
      Fill(p, RoundRect({7, 6.8, 2, 5.6}, 0.8), pal::white);
      break;
    case 8: {  // plus
      FillOutlined(p, Circle({8, 8}, 6.8), pal::green, kSo);
      QPainterPath plus = RoundRect({7, 3.8, 2, 8.4}, 0.8).united(RoundRect({3.8, 7, 8.4, 2}, 0.8));
      Fill(p, plus, pal::white);
      break;
    }
    default:  // star
      FillOutlined(p, StarPath({8, 8.5}, 7.2, 3.1), pal::gold, kSo);
      break;
  }
}

// ---- branches of knowledge (48 x 36) ---------------------------------------------------------

void Badge(QPainter& p, const QColor& tint) {
  FillOutlined(p, RoundRect({2, 1.5, 44, 33}, 9), tint, 1.2);
  Fill(p, RoundRect({5, 3.5, 38, 12}, 6), WithAlpha(pal::white, 70));
}

void BranchIcon(QPainter& p, int i) {
  switch (i) {
    case 0:  // arts and humanities: a column and a palette
      Badge(p, QColor(252, 214, 196));
      p.save();
      p.translate(3, 5);
      IconTemple(p);
      p.restore();
      p.save();
      p.translate(26, 13);
      p.scale(0.72, 0.72);
      IconPalette(p);
      p.restore();
      break;
    case 1:  // social and legal sciences: scales
      Badge(p, QColor(255, 234, 170));
      p.translate(9, 4.5);
      IconScales(p);
      break;
    case 2:  // health sciences: a heart with a cross
      Badge(p, QColor(200, 236, 222));
      FillOutlined(p, HeartPath({24, 18}, 30, 25), QColor(246, 128, 140), 1.2);
      Fill(p, Ellipse({17, 11.5}, 3.5, 2.2), WithAlpha(pal::white, 140));
      Fill(p, RoundRect({21.5, 10.5, 5, 13}, 1).united(RoundRect({17.5, 14.5, 13, 5}, 1)).simplified(), pal::white);
      break;
    case 3: {  // all branches: a cap over the five branch colours
      Badge(p, QColor(222, 228, 246));
      const QColor colours[] = {QColor(240, 150, 120), QColor(246, 196, 78), QColor(108, 195, 166), QColor(94, 155, 216),
                                QColor(190, 168, 230)};
      for (int k = 0; k < 5; ++k) FillOutlined(p, Circle(QPointF(10 + k * 7, 27), 3), colours[k], 1.0);
      p.translate(9, -1.5);
      p.scale(1.0, 0.95);
      IconCap(p);
      break;
    }
    case 4:  // engineering and architecture: a gear and a compass on a blueprint
      Badge(p, QColor(204, 224, 248));
      p.save();
      p.translate(4, 5);
      IconCompass(p);
      p.restore();
      FillOutlined(p, GearPath({35, 22}, 9, 2.4, 8, 3), kSteel, 1.0);
      FillOutlined(p, Circle({35, 22}, 3), pal::gold, 0.9);
      break;
    default: {  // sciences: an atom
      Badge(p, QColor(224, 214, 246));
      const QPointF c(24, 18);
      for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(c);
        p.rotate(k * 60);
        Stroke(p, Ellipse({0, 0}, 15, 5.5), pal::ink, 2.8);
        Stroke(p, Ellipse({0, 0}, 15, 5.5), pal::blue, 1.2);
        p.restore();
      }
      FillOutlined(p, Circle(c, 3.6), pal::hoodie, 1.0);
      for (int k = 0; k < 3; ++k) {
        QPointF e = c + QPointF(15 * std::cos(k * 2.1 + 0.3), 5.5 * std::sin(k * 2.1 + 0.3));
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(k * 60);
        t.translate(-c.x(), -c.y());
        FillOutlined(p, Circle(t.map(e), 1.8), pal::gold, 0.8);
      }
      break;
    }
  }
}

}  // namespace

QImage DrawIconos() {
  return DrawStrip(static_cast<int>(kIcons.size()), kIconW, kIconH,
                   [](QPainter& p, int i) { kIcons[static_cast<std::size_t>(i)](p); });
}

QImage DrawIconosGrados() { return DrawStrip(kSmallIconCount, 16, 16, SmallIcon); }

QImage DrawRamas() { return DrawStrip(kBranchIconCount, 48, 36, BranchIcon); }

}  // namespace art
