// The mascot's animation strips and her report-header portrait.
#include <cmath>
#include <numbers>

#include "mascot.h"
#include "pictures.h"
#include "style.h"

namespace art {
namespace {

constexpr int kFrameW = 40;
constexpr int kFrameH = 64;

// Frames 0..5 loop while she walks, so they sample one stride evenly.
GirlPose WalkPose(int frame) { return SideWalkPose(frame, 6); }

GirlPose TurnPose() {
  GirlPose pose;
  pose.turn = 0.7;
  pose.arms[0] = {12, 6};
  pose.arms[1] = {10, 16};
  pose.legs[1].lift = 1.2;
  pose.tailSwing = 0.6;
  return pose;
}

GirlPose WavePose() {
  GirlPose pose;
  pose.arms[0] = {138, 32};
  pose.arms[1] = {10, 6};
  pose.mouthOpen = true;
  return pose;
}

// Frames 8..15: she presents, one hand open to the side, talking in a small loop.
GirlPose PresentPose(int k) {
  const qreal s = std::sin(2 * std::numbers::pi * k / 8.0);
  GirlPose pose;
  pose.arms[1] = {34 + 10 * s, 60 + 14 * s};
  pose.arms[0] = {16 - 4 * s, -58 - 10 * s};
  pose.mouthOpen = k % 2 == 1;
  pose.blink = k == 5;
  pose.tailSwing = 0.4 * s;
  return pose;
}

// Seen from behind stepping up, a bit smaller and higher each frame.
GirlPose ClimbPose(int k) {
  GirlPose pose;
  pose.view = View::Back;
  int up = k % 2;
  pose.legs[up].lift = 5.0;
  // Hands reach up to the door frame, one higher than the other.
  pose.arms[up] = {166, 4};
  pose.arms[1 - up] = {150, 14};
  pose.bob = -1.4;
  pose.tailSwing = up ? 0.8 : -0.8;
  return pose;
}

void DrawFrame(QPainter& p, int index, const GirlPose& pose, qreal scale = 1, qreal rise = 0) {
  p.save();
  p.setClipRect(index * kFrameW, 0, kFrameW, kFrameH);
  p.translate(index * kFrameW + kFrameW / 2.0, kFrameH - 1 - rise);
  p.scale(scale, scale);
  p.translate(-kFrameW / 2.0, -(kFrameH - 1));
  DrawGirl(p, pose);
  p.restore();
}

QImage Finish(const QImage& premultiplied) { return premultiplied.convertToFormat(QImage::Format_ARGB32); }

}  // namespace

QImage DrawFiguraAnda() {
  QImage image = NewCanvas(16 * kFrameW, kFrameH, true, Qt::transparent);
  QPainter p(&image);
  BeginPainting(p);
  for (int i = 0; i < 6; ++i) DrawFrame(p, i, WalkPose(i));
  DrawFrame(p, 6, TurnPose());
  DrawFrame(p, 7, WavePose());
  for (int k = 0; k < 8; ++k) DrawFrame(p, 8 + k, PresentPose(k));
  p.end();
  return Finish(image);
}

QImage DrawFiguraPuerta() {
  QImage image = NewCanvas(5 * kFrameW, kFrameH, true, Qt::transparent);
  QPainter p(&image);
  BeginPainting(p);
  for (int k = 0; k < 5; ++k) DrawFrame(p, k, ClimbPose(k), 1.0 - 0.08 * k, 2.5 * k);
  p.end();
  return Finish(image);
}

QImage DrawChica() {
  QImage image = NewCanvas(120, 180, false, Qt::white);
  QPainter p(&image);
  BeginPainting(p);
  // A soft ground shadow keeps her standing on something, even printed in grey.
  Fill(p, Ellipse(QPointF(60, 174), 30, 4.5), QColor(226, 230, 238));
  p.translate(5, 1);
  p.scale(2.75, 2.75);
  GirlPose pose = WavePose();
  pose.mouthOpen = false;
  pose.arms[1] = {14, -62};
  pose.holdsBook = true;
  pose.detail = true;
  pose.outline = 0.8;
  DrawGirl(p, pose);
  p.end();
  return image;
}

}  // namespace art
