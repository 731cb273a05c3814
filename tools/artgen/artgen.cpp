// Draws every picture of the data folder with QPainter, so the program needs
// no picture files of its own. The output is byte-reproducible: fixed sizes,
// fixed resolution, no time stamps and no randomness.
//   trazora-artgen OUT_DIR
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>

#include "dxgwriter.h"
#include "icons.h"
#include "pictures.h"
#include "sound.h"
#include "world.h"

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

// Files that are not single pictures: the world's collections and the sound.
struct Blob {
  const char* file;
  std::function<QByteArray()> make;
};

bool SaveBlob(const QString& dir, const Blob& blob) {
  const QByteArray bytes = blob.make();
  const QString path = dir + "/" + blob.file;
  QFile file(path);
  if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
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
      {"iconos", "PNG", art::DrawIconos},
      {"iconos_grados", "PNG", art::DrawIconosGrados},
      {"ramas", "PNG", art::DrawRamas},
      {"asis_heli.png", "PNG", art::DrawAsisHeli},
      {"flecha.png", "PNG", art::DrawFlecha},
      {"muro1.png", "PNG", [] { return art::DrawMuro(473); }},
      {"muro2.png", "PNG", [] { return art::DrawMuro(361); }},
  };
  const Blob blobs[] = {
      {"segdxg1.DXG", [] { return art::EncodeDxg(art::FigureCollection()); }},
      {"vector.DXG", [] { return art::EncodeDxg(art::SceneCollection()); }},
      {"motor.wav", art::MotorWav},
  };
  bool ok = true;
  for (const Picture& picture : pictures) ok = Save(out, picture) && ok;
  for (const Blob& blob : blobs) ok = SaveBlob(out, blob) && ok;
  return ok ? 0 : 1;
}
