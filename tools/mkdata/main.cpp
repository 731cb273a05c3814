// trazora-mkdata SRC_DIR OUT_DIR: writes the runtime data folder from the
// sources. Pictures that the picture generator did not make (run before this)
// get a plain placeholder of the right size, so the program can start.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "compile.h"
#include "core/maps.h"

namespace {

void Placeholder(const std::string& out, const char* name, int w, int h, const char* format, QColor colour,
                 mkdata::Log& log) {
  std::string path = out + "/" + name;
  if (QFile::exists(QString::fromStdString(path))) return;
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  QPainter p(&image);
  p.setPen(colour.darker(150));
  p.drawRect(0, 0, w - 1, h - 1);
  p.end();
  if (!image.save(QString::fromStdString(path), format)) log.Error(path, 0, "cannot write");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: trazora-mkdata SRC_DIR OUT_DIR\n");
    return 2;
  }
  const std::string src = argv[1], out = argv[2];
  QDir().mkpath(QString::fromStdString(out));
  mkdata::Log log;
  mkdata::CompileAll(src, out, log);
  mkdata::WriteDemoSettings(out, log);

  const QColor sky(0xB8, 0xD8, 0xF0);
  Placeholder(out, "chica.bmp", 120, 180, "BMP", QColor(0xF4, 0xC4, 0x8C), log);
  Placeholder(out, "parte", 171, 305, "PNG", QColor(0xC8, 0x9A, 0x6A), log);
  Placeholder(out, "heli.bmp", 64, 40, "BMP", QColor(0x80, 0xA0, 0xC0), log);
  Placeholder(out, "mapa", core::kMapWidth, core::kSpainHeight, "PNG", sky, log);
  Placeholder(out, "mapac", core::kMapWidth, core::kDetailHeight, "PNG", sky, log);
  Placeholder(out, "mapam", core::kMapWidth, core::kDetailHeight, "PNG", sky, log);
  Placeholder(out, "suelo", 64, 64, "PNG", QColor(0xEE, 0xE8, 0xDC), log);
  Placeholder(out, "marco", 24, 120, "PNG", QColor(0x90, 0x60, 0x40), log);
  Placeholder(out, "cabecera", 1024, 50, "PNG", QColor(0x30, 0x50, 0x90), log);
  Placeholder(out, "rotulon.bmp", 150, 80, "BMP", QColor(0xA0, 0x70, 0x40), log);
  Placeholder(out, "portada", 500, 500, "PNG", QColor(0xDF, 0xEC, 0xF9), log);
  if (!QFile::exists(QString::fromStdString(out + "/puntos3")))
    mkdata::WriteFile(out + "/puntos3", core::EncodeMapRasters(core::MapRasters{}), log);

  for (const std::string& n : log.notes) std::fprintf(stderr, "note: %s\n", n.c_str());
  for (const std::string& e : log.errors) std::fprintf(stderr, "error: %s\n", e.c_str());
  return log.errors.empty() ? 0 : 1;
}
