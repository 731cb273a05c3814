// Draws every picture of the data folder with QPainter, so the program needs
// no picture files of its own. The output is byte-reproducible: fixed sizes,
// fixed resolution, no time stamps and no randomness.
//   trazora-artgen OUT_DIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>

#include "pictures.h"

namespace {

struct Picture {
  const char* file;
  const char* format;
  std::function<QImage()> draw;
};

bool Save(const QString& dir, const Picture& picture) {
  QImage image = picture.draw();
  // BMP readers of report printers expect plain 24-bit pixels.
  if (QByteArray(picture.format) == "BMP") image = image.convertToFormat(QImage::Format_RGB32);
  const QString path = dir + "/" + picture.file;
  if (!image.save(path, picture.format)) {
    std::fprintf(stderr, "trazora-artgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: trazora-artgen OUT_DIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(out)) {
    std::fprintf(stderr, "trazora-artgen: cannot create %s\n", qPrintable(out));
    return 1;
  }
  const Picture pictures[] = {
      {"parte", "PNG", art::DrawParte},
      {"suelo", "PNG", art::DrawSuelo},
      {"marco", "PNG", art::DrawMarco},
      {"cabecera", "PNG", art::DrawCabecera},
      {"chica.bmp", "BMP", art::DrawChica},
      {"heli.bmp", "BMP", art::DrawHeli},
      {"rotulon.bmp", "BMP", art::DrawRotulon},
      {"portada", "PNG", art::DrawPortada},
      {"figura_anda.png", "PNG", art::DrawFiguraAnda},
      {"figura_puerta.png", "PNG", art::DrawFiguraPuerta},
  };
  bool ok = true;
  for (const Picture& picture : pictures) ok = Save(out, picture) && ok;
  return ok ? 0 : 1;
}
