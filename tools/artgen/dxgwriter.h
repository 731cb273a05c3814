// The writer of the animated world's image collections (format in DXG.md).
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct DxgEntry {
  QString name;     // ASCII, unique within a collection
  QImage image;     // frameCount frames of frameWidth x frameHeight side by side
  int frameWidth = 0;
  int frameHeight = 0;
  int frameCount = 1;
};

// The whole collection file; empty when an entry is inconsistent (its image is
// not frameCount frames wide, a name is empty or not ASCII, a PNG cannot be made).
QByteArray EncodeDxg(const std::vector<DxgEntry>& entries);

}  // namespace art
