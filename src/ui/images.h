// The shared bitmaps, loaded once at start and kept for the whole run.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <string>
#include <vector>

#include "core/startup.h"

class QPainter;

namespace ui {

// The shared image of that name ("parte", "mapa", "marco2", ...); a null image
// when it was not loaded.
const QImage& SharedImage(const std::string& name);
void SetSharedImage(const std::string& name, const QImage& image);
void ReleaseSharedImages();

class QtImageLoader : public core::ImageLoader {
 public:
  bool LoadSharedImage(const std::string& name, const std::string& path) override;
};

// Frames of an image strip laid side by side, each frameWidth wide.
std::vector<QPixmap> SplitFrames(const QImage& strip, int frameWidth);

// An icon list of the data folder: the picture DataDir + name, a strip of
// frames frameWidth wide (empty when the picture is missing).
std::vector<QPixmap> IconList(const std::string& name, int frameWidth);

// Draws the bitmap repeatedly over the whole area from (0, 0).
void TileBitmap(QPainter& painter, const QSize& area, const QImage& bitmap);
// Vertical gradient from colourA (top) to colourB, RGB values.
void GradientFill(QPainter& painter, const QRect& area, unsigned colourA, unsigned colourB);

QColor Rgb(unsigned rgb);

}  // namespace ui
