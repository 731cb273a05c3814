#include "ui/images.h"

#include <QImageReader>
#include <QPainter>
#include <map>

#include "core/drawing.h"
#include "core/globals.h"

namespace ui {
namespace {
std::map<std::string, QImage>& Images() {
  static std::map<std::string, QImage> images;
  return images;
}
}  // namespace

const QImage& SharedImage(const std::string& name) {
  static const QImage none;
  auto it = Images().find(name);
  return it == Images().end() ? none : it->second;
}

void SetSharedImage(const std::string& name, const QImage& image) { Images()[name] = image; }
void ReleaseSharedImages() { Images().clear(); }

bool QtImageLoader::LoadSharedImage(const std::string& name, const std::string& path) {
  // The files carry no extension: the reader recognises the format by content.
  QImageReader reader(QString::fromStdString(path));
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return false;
  SetSharedImage(name, image);
  return true;
}

std::vector<QPixmap> SplitFrames(const QImage& strip, int frameWidth) {
  std::vector<QPixmap> frames;
  if (strip.isNull() || frameWidth <= 0) return frames;
  for (int x = 0; x + frameWidth <= strip.width(); x += frameWidth)
    frames.push_back(QPixmap::fromImage(strip.copy(x, 0, frameWidth, strip.height())));
  return frames;
}

std::vector<QPixmap> IconList(const std::string& name, int frameWidth) {
  return SplitFrames(QImage(QString::fromStdString(core::CommonPath(name))), frameWidth);
}

void TileBitmap(QPainter& painter, const QSize& area, const QImage& bitmap) {
  if (bitmap.isNull()) return;
  for (const core::TilePos& t : core::TilePositions(area.width(), area.height(), bitmap.width(), bitmap.height()))
    painter.drawImage(t.x, t.y, bitmap);
}

QColor Rgb(unsigned rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void GradientFill(QPainter& painter, const QRect& area, unsigned colourA, unsigned colourB) {
  for (int n = 0; n < area.height(); ++n) {
    painter.setPen(Rgb(core::GradientColour(n, area.height(), colourA, colourB)));
    painter.drawLine(area.left(), area.top() + n, area.right(), area.top() + n);
  }
}

}  // namespace ui
