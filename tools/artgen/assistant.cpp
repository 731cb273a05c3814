// The assistant's helicopter and blinking arrow, and the brick walls of the
// education-system diagram (the final evaluations a student has to pass).
#include "icons.h"
#include "pictures.h"
#include "shapes.h"
#include "style.h"

namespace art {

QImage DrawAsisHeli() {
  QImage image = NewCanvas(48, 30, true, Qt::transparent);
  QPainter p(&image);
  BeginPainting(p);
  p.scale(0.75, 0.75);
  PaintHelicopter(p);
  p.end();
  return Straight(image);
}

namespace {

QPainterPath ArrowShape() {
  return PolyPath({{4, 14}, {20, 14}, {20, 5}, {37, 20}, {20, 35}, {20, 26}, {4, 26}});
}

}  // namespace

QImage DrawFlecha() {
  return DrawStrip(2, 40, 40, [](QPainter& p, int frame) {
    const QPainterPath arrow = ArrowShape();
    if (frame == 0) {
      // On: a bright arrow with a soft glow and a highlight.
      Fill(p, arrow.translated(1, 1.5), WithAlpha(pal::ink, 60));
      QLinearGradient shade(0, 5, 0, 35);
      shade.setColorAt(0, QColor(255, 190, 120));
      shade.setColorAt(1, pal::hoodie);
      p.setPen(QPen(pal::ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(shade);
      p.drawPath(arrow);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::NoBrush);
      Stroke(p, LinePath({7, 17}, {21, 17}), WithAlpha(pal::white, 160), 1.8);
      Stroke(p, LinePath({23, 10}, {30, 16.5}), WithAlpha(pal::white, 130), 1.6);
    } else {
      // Off: only a faint ghost of the arrow stays, so the blink does not jump.
      Fill(p, arrow, WithAlpha(pal::hoodieLight, 60));
      Stroke(p, arrow, WithAlpha(pal::ink, 70), 1.2);
    }
  });
}

QImage DrawMuro(int width) {
  constexpr int kH = 20;
  QImage image = NewCanvas(width, kH, true, Qt::transparent);
  QPainter p(&image);
  BeginPainting(p);
  FillOutlined(p, RoundRect(QRectF(0.5, 0.5, width - 1, kH - 1), 2), pal::creamShade, 1.0);
  const QColor bricks[] = {QColor(214, 118, 92), QColor(226, 134, 102), QColor(204, 108, 86)};
  const qreal brickW = 22, brickH = 8;
  for (int row = 0; row < 2; ++row) {
    qreal y = 1.5 + row * (brickH + 1);
    qreal x = row == 0 ? 1.5 : 1.5 - brickW / 2;
    for (int k = 0; x < width - 1.5; ++k, x += brickW + 1) {
      QRectF r(std::max<qreal>(x, 1.5), y, 0, brickH);
      r.setRight(std::min<qreal>(x + brickW, width - 1.5));
      if (r.width() < 2) continue;
      FillOutlined(p, RoundRect(r, 1.2), bricks[(k + row * 2) % 3], 0.7);
      Fill(p, RoundRect(QRectF(r.left() + 1.5, r.top() + 1, r.width() - 3, 1.6), 0.8), WithAlpha(pal::white, 70));
    }
  }
  p.end();
  return Straight(image);
}

}  // namespace art
