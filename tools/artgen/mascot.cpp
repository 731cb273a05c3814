#include "mascot.h"

#include <algorithm>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "style.h"

namespace art {
namespace {

constexpr qreal kGround = 63;
constexpr qreal kThigh = 9.8;
constexpr qreal kShin = 9.4;
constexpr qreal kAnkleToSole = 2.6;
constexpr qreal kUpperArm = 7.6;
constexpr qreal kForearm = 6.8;
constexpr qreal kArmWidth = 4.0;
constexpr qreal kLegWidth = 5.4;

QPointF Mirror(QPointF d, int side) { return {side < 0 ? -d.x() : d.x(), d.y()}; }

QPainterPath Line(QPointF a, QPointF b) {
  QPainterPath l;
  l.moveTo(a);
  l.lineTo(b);
  return l;
}

// ---- hands, feet, ponytail ---------------------------------------------------------------

void DrawHand(QPainter& p, QPointF at, qreal o) { FillOutlined(p, Ellipse(at, 2.05, 2.05), pal::skin, o); }

void DrawArm(QPainter& p, QPointF shoulder, QPointF upper, QPointF lower, const QColor& sleeve, qreal o) {
  QPointF elbow = shoulder + upper * kUpperArm;
  QPointF hand = elbow + lower * kForearm;
  Limb(p, QPolygonF({shoulder, elbow, hand}), kArmWidth, sleeve, o);
  DrawHand(p, hand, o);
}

// A sneaker seen from the front or back: a rounded toe cap with a grey sole.
void DrawShoeFront(QPainter& p, QPointF ankle, bool soleUp, qreal o) {
  QRectF r(ankle.x() - 3.1, ankle.y() - 0.9, 6.2, 3.5);
  FillOutlined(p, RoundRect(r, 1.7), pal::white, o);
  // A foot stepping up, seen from behind, shows its tread.
  QRectF sole = soleUp ? r.adjusted(0.7, 1.0, -0.7, -0.6) : QRectF(r.left() + 0.6, r.bottom() - 1.2, r.width() - 1.2, 0.9);
  Fill(p, RoundRect(sole, 0.6), soleUp ? pal::sole.darker(115) : pal::sole);
}

// A sneaker seen from the side, pointing right, tilted with the foot.
void DrawShoeSide(QPainter& p, QPointF ankle, qreal tilt, qreal o) {
  p.save();
  p.translate(ankle);
  p.rotate(tilt);
  QPainterPath shoe;
  shoe.moveTo(-2.2, -1.2);
  shoe.lineTo(1.2, -1.2);
  shoe.cubicTo(3.2, -0.8, 4.8, 0.2, 4.8, 1.5);
  shoe.quadTo(4.8, 2.7, 3.6, 2.7);
  shoe.lineTo(-2.0, 2.7);
  shoe.quadTo(-2.9, 2.7, -2.9, 1.5);
  shoe.quadTo(-2.9, -1.2, -2.2, -1.2);
  FillOutlined(p, shoe, pal::white, o);
  Fill(p, RoundRect(QRectF(-2.3, 1.7, 6.6, 0.7), 0.3), pal::sole);
  p.restore();
}

void DrawTail(QPainter& p, QPointF root, QPointF tip, qreal width, qreal bend, qreal o) {
  FillOutlined(p, Teardrop(root, tip, width, bend), pal::hair, o);
}

// ---- faces --------------------------------------------------------------------------------

void DrawEye(QPainter& p, QPointF at, const GirlPose& pose) {
  if (pose.blink) {
    QPainterPath lid;
    lid.moveTo(at + QPointF(-1.1, 0.1));
    lid.quadTo(at + QPointF(0, 0.9), at + QPointF(1.1, 0.1));
    Stroke(p, lid, pal::ink, 0.7);
    return;
  }
  Fill(p, Ellipse(at, 1.0, 1.3), pal::ink);
  if (pose.detail) Fill(p, Ellipse(at + QPointF(0.35, -0.45), 0.36, 0.36), pal::white);
}

void DrawBrow(QPainter& p, QPointF at) {
  QPainterPath brow;
  brow.moveTo(at + QPointF(-1.2, 0.3));
  brow.quadTo(at + QPointF(0, -0.5), at + QPointF(1.2, 0.2));
  Stroke(p, brow, pal::hair, 0.55);
}

void DrawMouth(QPainter& p, QPointF at, const GirlPose& pose, qreal width) {
  if (pose.mouthOpen) {
    QPainterPath open;
    open.moveTo(at + QPointF(-width, -0.3));
    open.quadTo(at + QPointF(0, 3.6), at + QPointF(width, -0.3));
    open.closeSubpath();
    FillOutlined(p, open, pal::mouth, 0.5);
    return;
  }
  QPainterPath smile;
  smile.moveTo(at + QPointF(-width, 0));
  smile.quadTo(at + QPointF(0, 1.7), at + QPointF(width, 0));
  Stroke(p, smile, pal::ink, 0.7);
}

void DrawBlush(QPainter& p, QPointF at) { Fill(p, Ellipse(at, 1.5, 0.9), WithAlpha(pal::blush, 120)); }

void DrawHeadFront(QPainter& p, QPointF c, const GirlPose& pose) {
  const qreal o = pose.outline;
  const qreal t = pose.turn;
  const QPointF look(t * 2.4, 0);
  // Hair behind the face gives the head its round silhouette.
  QPainterPath cap = Ellipse(c + QPointF(-t * 0.9, -1.1), 9.0, 8.9);
  FillOutlined(p, cap, pal::hair, o);
  FillOutlined(p, Ellipse(c + QPointF(-8.0 + t * 2.8, 2.4), 1.6, 1.9), pal::skin, o);
  if (t < 0.3) FillOutlined(p, Ellipse(c + QPointF(8.0, 2.4), 1.6, 1.9), pal::skin, o);
  FillOutlined(p, Ellipse(c + QPointF(t * 0.8, 0.5), 8.1, 8.3), pal::skin, o);
  // A side-swept fringe: the hair cap above a soft wave across the forehead.
  QPainterPath above;
  above.moveTo(c + QPointF(-11, 5));
  above.lineTo(c + QPointF(-8.5, 3.6));
  above.cubicTo(c + QPointF(-6.8, -1.6) + look * 0.5, c + QPointF(-2.0, -4.2) + look, c + QPointF(3.0, -5.4) + look);
  above.cubicTo(c + QPointF(5.4, -4.6) + look, c + QPointF(7.8, -2.4), c + QPointF(8.9, 1.6));
  above.lineTo(c + QPointF(11, 2));
  above.lineTo(c + QPointF(11, -12));
  above.lineTo(c + QPointF(-11, -12));
  above.closeSubpath();
  FillOutlined(p, cap.intersected(above), pal::hair, o);
  if (pose.detail) {
    QPainterPath shine;
    shine.moveTo(c + QPointF(-5.2, -6.2));
    shine.quadTo(c + QPointF(-2.5, -8.0), c + QPointF(0.6, -7.8));
    Stroke(p, shine, pal::hairLight, 0.8);
  }
  const QPointF eyeL = c + QPointF(-3.3, 1.7) + look;
  const QPointF eyeR = c + QPointF(3.3, 1.7) + look;
  DrawBlush(p, c + QPointF(-5.0, 4.4) + look * 0.8);
  DrawBlush(p, c + QPointF(5.0, 4.4) + look * 0.8);
  DrawEye(p, eyeL, pose);
  DrawEye(p, eyeR, pose);
  if (pose.detail) {
    DrawBrow(p, eyeL + QPointF(0, -2.5));
    DrawBrow(p, eyeR + QPointF(0, -2.5));
  }
  DrawMouth(p, c + QPointF(0, 4.9) + look, pose, 1.8);
}

void DrawHeadSide(QPainter& p, QPointF c, const GirlPose& pose) {
  const qreal o = pose.outline;
  QPainterPath cap = Ellipse(c + QPointF(-1.2, -0.8), 9.0, 9.0);
  FillOutlined(p, cap, pal::hair, o);
  FillOutlined(p, Ellipse(c + QPointF(0.9, 0.5), 8.0, 8.3), pal::skin, o);
  // Hair covers the back of the head and falls over the brow at the front.
  QPainterPath back;
  back.moveTo(c + QPointF(10, -12));
  back.lineTo(c + QPointF(10, -1.6));
  back.cubicTo(c + QPointF(7.0, -3.6), c + QPointF(3.2, -4.4), c + QPointF(0.4, -1.6));
  back.cubicTo(c + QPointF(-1.4, 0.6), c + QPointF(-1.0, 5.0), c + QPointF(-3.4, 10));
  back.lineTo(c + QPointF(-12, 10));
  back.lineTo(c + QPointF(-12, -12));
  back.closeSubpath();
  FillOutlined(p, cap.intersected(back), pal::hair, o);
  FillOutlined(p, Ellipse(c + QPointF(-1.4, 2.4), 1.6, 1.9), pal::skin, o);
  if (pose.detail) {
    QPainterPath shine;
    shine.moveTo(c + QPointF(-5.6, -5.6));
    shine.quadTo(c + QPointF(-2.8, -8.0), c + QPointF(0.8, -7.8));
    Stroke(p, shine, pal::hairLight, 0.8);
  }
  const QPointF eye = c + QPointF(4.7, 1.6);
  DrawBlush(p, c + QPointF(3.6, 4.4));
  DrawEye(p, eye, pose);
  if (pose.detail) DrawBrow(p, eye + QPointF(0.2, -2.5));
  DrawMouth(p, c + QPointF(6.2, 5.0), pose, 1.1);
}

void DrawHeadBack(QPainter& p, QPointF c, const GirlPose& pose) {
  const qreal o = pose.outline;
  // Turned (towards 1 she looks over to the right): a sliver of cheek shows on
  // that side and the head of hair slides the other way.
  const qreal t = pose.turn;
  if (t < 0.3) FillOutlined(p, Ellipse(c + QPointF(-8.1, 2.4), 1.6, 1.9), pal::skin, o);
  if (t > 0) {
    FillOutlined(p, Ellipse(c + QPointF(t * 2.0, 1.6), 8.0, 8.0), pal::skin, o);
    DrawBlush(p, c + QPointF(6.6 + t * 1.6, 5.0));
  }
  if (t < 0.3) FillOutlined(p, Ellipse(c + QPointF(8.1, 2.4), 1.6, 1.9), pal::skin, o);
  c += QPointF(-t * 1.2, 0);
  FillOutlined(p, Ellipse(c + QPointF(0, -0.5), 9.0, 9.1), pal::hair, o);
  if (pose.detail) {
    QPainterPath strands;
    strands.moveTo(c + QPointF(-5.5, 4.5));
    strands.quadTo(c + QPointF(-4.5, -2.0), c + QPointF(-0.8, -3.6));
    strands.moveTo(c + QPointF(5.5, 4.5));
    strands.quadTo(c + QPointF(4.5, -2.0), c + QPointF(0.8, -3.6));
    Stroke(p, strands, pal::hairLight, 0.7);
  }
  DrawTail(p, c + QPointF(0, -3.6), c + QPointF(0.6 + pose.tailSwing, 12.5), 6.0, 0.6, o);
  FillOutlined(p, RoundRect(QRectF(c.x() - 1.8, c.y() - 4.9, 3.6, 1.9), 0.9), pal::hoodie, o * 0.8);
}

// ---- bodies -------------------------------------------------------------------------------

QPainterPath HoodieFront(qreal dy) {
  QPainterPath t;
  t.moveTo(13.0, 28.5 + dy);
  t.cubicTo(12.8, 25.0 + dy, 14.5, 23.6 + dy, 17.0, 23.4 + dy);
  t.lineTo(23.0, 23.4 + dy);
  t.cubicTo(25.5, 23.6 + dy, 27.2, 25.0 + dy, 27.0, 28.5 + dy);
  t.lineTo(26.8, 41.0 + dy);
  t.quadTo(26.8, 43.0 + dy, 25.0, 43.0 + dy);
  t.lineTo(15.0, 43.0 + dy);
  t.quadTo(13.2, 43.0 + dy, 13.2, 41.0 + dy);
  t.closeSubpath();
  return t;
}

void DrawNeck(QPainter& p, QPointF top, qreal o) {
  FillOutlined(p, RoundRect(QRectF(top.x() - 1.9, top.y(), 3.8, 4.0), 1.0), pal::skin, o);
}

void DrawTorsoFront(QPainter& p, const GirlPose& pose, qreal dy) {
  const qreal o = pose.outline;
  FillOutlined(p, HoodieFront(dy), pal::hoodie, o);
  // Ribbed hem and a pouch pocket: the hoodie reads even at 40 x 64.
  Stroke(p, Line(QPointF(13.6, 40.8 + dy), QPointF(26.4, 40.8 + dy)), pal::hoodieDark, 0.7);
  QPainterPath pocket;
  pocket.moveTo(16.0, 40.8 + dy);
  pocket.lineTo(16.8, 35.2 + dy);
  pocket.lineTo(23.2, 35.2 + dy);
  pocket.lineTo(24.0, 40.8 + dy);
  Stroke(p, pocket, pal::hoodieDark, 0.7);
  // The hood lies round the neck.
  FillOutlined(p, RoundRect(QRectF(15.4, 22.4 + dy, 9.2, 3.4), 1.7), pal::hoodieLight, o);
  if (pose.detail) {
    QPainterPath strings;
    strings.moveTo(18.6, 25.6 + dy);
    strings.lineTo(18.3, 30.2 + dy);
    strings.moveTo(21.4, 25.6 + dy);
    strings.lineTo(21.7, 30.2 + dy);
    Stroke(p, strings, pal::white, 0.6);
  }
  // Backpack straps over the shoulders.
  Limb(p, QPolygonF({QPointF(15.0, 24.6 + dy), QPointF(15.6, 34.0 + dy)}), 1.6, pal::pack, o * 0.7);
  Limb(p, QPolygonF({QPointF(25.0, 24.6 + dy), QPointF(24.4, 34.0 + dy)}), 1.6, pal::pack, o * 0.7);
}

void DrawTorsoBack(QPainter& p, const GirlPose& pose, qreal dy) {
  const qreal o = pose.outline;
  FillOutlined(p, HoodieFront(dy), pal::hoodie, o);
  Stroke(p, Line(QPointF(13.6, 40.8 + dy), QPointF(26.4, 40.8 + dy)), pal::hoodieDark, 0.7);
  // A turned body carries the backpack a little off centre.
  p.save();
  p.translate(-pose.turn * 1.0, 0);
  // The backpack covers her back; its flap and pocket keep it from being a plain block.
  FillOutlined(p, RoundRect(QRectF(14.2, 25.0 + dy, 11.6, 14.6), 3.2), pal::pack, o);
  FillOutlined(p, RoundRect(QRectF(14.2, 25.0 + dy, 11.6, 5.0), 2.5), pal::packDark, o * 0.8);
  FillOutlined(p, RoundRect(QRectF(16.4, 32.8 + dy, 7.2, 4.8), 1.6), pal::packDark, o * 0.7);
  FillOutlined(p, RoundRect(QRectF(17.2, 24.0 + dy, 5.6, 1.8), 0.9), pal::packDark, o * 0.6);
  p.restore();
}

void DrawTorsoSide(QPainter& p, const GirlPose& pose, qreal dy) {
  const qreal o = pose.outline;
  QPainterPath t;
  t.moveTo(15.0, 28.0 + dy);
  t.cubicTo(15.0, 25.2 + dy, 16.4, 23.6 + dy, 19.0, 23.5 + dy);
  t.lineTo(21.6, 23.5 + dy);
  t.cubicTo(24.0, 23.7 + dy, 25.4, 25.4 + dy, 25.3, 28.4 + dy);
  t.lineTo(25.6, 41.0 + dy);
  t.quadTo(25.6, 43.0 + dy, 23.8, 43.0 + dy);
  t.lineTo(16.6, 43.0 + dy);
  t.quadTo(14.8, 43.0 + dy, 14.8, 41.0 + dy);
  t.closeSubpath();
  FillOutlined(p, t, pal::hoodie, o);
  Stroke(p, Line(QPointF(15.3, 40.8 + dy), QPointF(25.1, 40.8 + dy)), pal::hoodieDark, 0.7);
  FillOutlined(p, RoundRect(QRectF(15.4, 22.3 + dy, 5.6, 3.6), 1.8), pal::hoodieLight, o);
}

void DrawPackSide(QPainter& p, const GirlPose& pose, qreal dy) {
  const qreal o = pose.outline;
  FillOutlined(p, RoundRect(QRectF(10.4, 25.6 + dy, 6.6, 14.2), 2.6), pal::pack, o);
  FillOutlined(p, RoundRect(QRectF(9.6, 31.6 + dy, 3.4, 6.4), 1.5), pal::packDark, o * 0.8);
  // The strap runs over the shoulder to the front.
  QPainterPath strap;
  strap.moveTo(16.6, 26.0 + dy);
  strap.quadTo(21.0, 23.8 + dy, 23.4, 27.0 + dy);
  strap.lineTo(23.0, 34.0 + dy);
  Stroke(p, strap, pal::ink, 1.6 + 2 * o * 0.7);
  Stroke(p, strap, pal::pack, 1.6);
}

// ---- legs ---------------------------------------------------------------------------------

struct SideLeg {
  QPointF knee, ankle;
  qreal shin;  // shin angle, for the foot's tilt
};

SideLeg SolveSideLeg(QPointF hip, const Leg& leg) {
  SideLeg s;
  s.knee = hip + Dir(leg.hip) * kThigh;
  s.shin = leg.hip - leg.knee;
  s.ankle = s.knee + Dir(s.shin) * kShin;
  return s;
}

void DrawSideLeg(QPainter& p, QPointF hip, const SideLeg& s, const QColor& denim, qreal o) {
  Limb(p, QPolygonF({hip, s.knee, s.ankle}), kLegWidth, denim, o);
  DrawShoeSide(p, s.ankle, -s.shin * 0.5, o);
}

void DrawFrontLeg(QPainter& p, QPointF hip, int side, const Leg& leg, bool fromBehind, qreal o) {
  QPointF ankle(hip.x() + side * 0.3, kGround - kAnkleToSole - leg.lift);
  QPointF knee = (hip + ankle) / 2 + QPointF(side * leg.lift * 0.12, 0);
  Limb(p, QPolygonF({hip, knee, ankle}), kLegWidth, pal::jeans, o);
  DrawShoeFront(p, ankle, fromBehind && leg.lift > 2, o);
}

// ---- whole figures ------------------------------------------------------------------------

// A school book held upright against her side.
void DrawBook(QPainter& p, QPointF c, qreal o) {
  p.save();
  p.translate(c);
  p.rotate(-12);
  FillOutlined(p, RoundRect(QRectF(-4.2, -5.6, 8.4, 11.2), 1.0), pal::white, o);
  FillOutlined(p, RoundRect(QRectF(-4.6, -5.6, 7.8, 11.2), 1.0), pal::teal, o);
  Fill(p, RoundRect(QRectF(-2.6, -3.4, 4.0, 2.2), 0.6), WithAlpha(pal::white, 200));
  p.restore();
}

void DrawFrontArms(QPainter& p, const GirlPose& pose, qreal dy) {
  if (pose.holdsBook) DrawBook(p, QPointF(26.8, 36.6 + dy), pose.outline);
  for (int i = 0; i < 2; ++i) {
    int side = i == 0 ? -1 : 1;
    const Arm& a = pose.arms[i];
    QPointF shoulder(20 + side * 6.0, 27.0 + dy);
    DrawArm(p, shoulder, Mirror(Dir(a.shoulder), side), Mirror(Dir(a.shoulder + a.elbow), side), pal::hoodie,
            pose.outline);
  }
}

void DrawFront(QPainter& p, const GirlPose& pose) {
  const qreal o = pose.outline;
  const qreal dy = pose.bob;
  const QPointF head(20, 13.5 + dy);
  DrawTail(p, head + QPointF(5.6, -6.2), head + QPointF(11.2 - pose.turn * 2 + pose.tailSwing, 7.5), 5.4, -1.2, o);
  DrawFrontLeg(p, QPointF(17.5, 41 + dy), -1, pose.legs[0], false, o);
  DrawFrontLeg(p, QPointF(22.5, 41 + dy), 1, pose.legs[1], false, o);
  DrawNeck(p, QPointF(20, 20.8 + dy), o);
  DrawTorsoFront(p, pose, dy);
  DrawFrontArms(p, pose, dy);
  DrawHeadFront(p, head, pose);
}

void DrawBack(QPainter& p, const GirlPose& pose) {
  const qreal o = pose.outline;
  const qreal dy = pose.bob;
  DrawFrontLeg(p, QPointF(17.5, 41 + dy), -1, pose.legs[0], true, o);
  DrawFrontLeg(p, QPointF(22.5, 41 + dy), 1, pose.legs[1], true, o);
  DrawFrontArms(p, pose, dy);
  DrawNeck(p, QPointF(20, 20.8 + dy), o);
  DrawTorsoBack(p, pose, dy);
  DrawHeadBack(p, QPointF(20, 13.5 + dy), pose);
}

void DrawSide(QPainter& p, const GirlPose& pose) {
  const qreal o = pose.outline;
  // The lower foot stands on the ground; the body rides up and down with the stride.
  SideLeg far = SolveSideLeg(QPointF(0, 0), pose.legs[0]);
  SideLeg near = SolveSideLeg(QPointF(0, 0), pose.legs[1]);
  qreal hipY = kGround - kAnkleToSole - std::max(far.ankle.y(), near.ankle.y());
  const QPointF hip(19.8, hipY);
  const qreal dy = hipY - 41;
  far = SolveSideLeg(hip, pose.legs[0]);
  near = SolveSideLeg(hip, pose.legs[1]);
  const QPointF shoulder(20.4, 27.0 + dy);
  const QPointF head(21, 13.5 + dy);
  const Arm& fa = pose.arms[0];
  DrawArm(p, shoulder, Dir(fa.shoulder), Dir(fa.shoulder + fa.elbow), pal::hoodieDark, o);
  DrawSideLeg(p, hip + QPointF(-0.4, 0), far, pal::jeansDark, o);
  DrawSideLeg(p, hip, near, pal::jeans, o);
  DrawNeck(p, QPointF(20.6, 20.8 + dy), o);
  DrawTorsoSide(p, pose, dy);
  DrawPackSide(p, pose, dy);
  DrawTail(p, head + QPointF(-6.8, -5.4), head + QPointF(-12.6 - pose.tailSwing, 6.0), 6.0, 1.4, o);
  DrawHeadSide(p, head, pose);
  const Arm& na = pose.arms[1];
  DrawArm(p, shoulder, Dir(na.shoulder), Dir(na.shoulder + na.elbow), pal::hoodie, o);
}

}  // namespace

void DrawGirl(QPainter& p, const GirlPose& pose) {
  p.save();
  switch (pose.view) {
    case View::Side: DrawSide(p, pose); break;
    case View::Front: DrawFront(p, pose); break;
    case View::Back: DrawBack(p, pose); break;
  }
  p.restore();
}

GirlPose SideWalkPose(int frame, int frames) {
  const qreal phase = 2 * std::numbers::pi * frame / frames;
  auto leg = [](qreal ph) {
    Leg l;
    l.hip = 26 * std::sin(ph);
    // The knee folds while the leg swings forwards (cos > 0) and stays almost straight in stance.
    l.knee = 4 + 46 * std::pow(std::max(0.0, std::cos(ph)), 1.5);
    return l;
  };
  GirlPose pose;
  pose.view = View::Side;
  pose.legs[1] = leg(phase);
  pose.legs[0] = leg(phase + std::numbers::pi);
  // Arms swing against the legs on the same side.
  pose.arms[1] = {-24 * std::sin(phase), 22};
  pose.arms[0] = {24 * std::sin(phase), 22};
  pose.tailSwing = 0.8 * std::cos(2 * phase);
  return pose;
}

}  // namespace art
