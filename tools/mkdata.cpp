// Writes the runtime data folder from data/src: the settings record, the
// interface texts of the four languages (Windows-1252, CR LF) and the
// information lists; pictures the picture generator did not make get a plain
// placeholder so the program can start.
//   trazora-mkdata SRC_DIR OUT_DIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "core/maps.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/texttable.h"

namespace {

const char* kLangDirs[4] = {"cas", "catVal", "galego", "euskera"};

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) std::fprintf(stderr, "trazora-mkdata: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

// Rows "N<TAB>cas<TAB>cat<TAB>gal<TAB>eus" of every textos*.tsv source.
bool ReadTexts(const std::string& src, std::map<int, std::array<std::string, 4>>& texts) {
  QDir dir(QString::fromStdString(src));
  bool ok = true;
  for (const QString& name : dir.entryList({"textos*.tsv"}, QDir::Files, QDir::Name)) {
    std::ifstream in((src + "/" + name.toStdString()));
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
      ++lineNo;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      core::TArreglo f = core::SplitFields(line, '\t');
      int n = 0;
      if (f.size() != 5 || !core::ParseInt(f[0], n) || n < 1 || n > 1100) {
        std::fprintf(stderr, "%s:%d: expected N and four texts\n", name.toStdString().c_str(), lineNo);
        ok = false;
        continue;
      }
      for (int l = 0; l < 4; ++l) {
        int bad = 0;
        std::string text = core::Utf8ToCp1252(f[static_cast<std::size_t>(l) + 1], &bad);
        if (bad) std::fprintf(stderr, "%s:%d: character outside Windows-1252\n", name.toStdString().c_str(), lineNo);
        int w = core::TextWidth(n);
        if (w > 0 && static_cast<int>(text.size()) > w)
          std::fprintf(stderr, "%s:%d: text %d (%s) longer than its width %d\n", name.toStdString().c_str(), lineNo, n,
                       kLangDirs[l], w);
        texts[n][static_cast<std::size_t>(l)] = text;
      }
    }
  }
  return ok;
}

void Placeholder(const std::string& out, const char* name, int w, int h, const char* format, QColor colour) {
  std::string path = out + "/" + name;
  if (QFile::exists(QString::fromStdString(path))) return;
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  QPainter p(&image);
  p.setPen(colour.darker(150));
  p.drawRect(0, 0, w - 1, h - 1);
  p.end();
  image.save(QString::fromStdString(path), format);
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
  std::map<int, std::array<std::string, 4>> texts;
  bool ok = ReadTexts(src, texts);
  int last = 750;
  for (int l = 0; l < 4; ++l) {
    std::string dir = out + "/" + kLangDirs[l];
    QDir().mkpath(QString::fromStdString(dir));
    std::string file;
    for (int n = 1; n <= last; ++n) {
      auto it = texts.find(n);
      file += (it == texts.end() ? std::string() : it->second[static_cast<std::size_t>(l)]) + "\r\n";
    }
    ok = WriteFile(dir + "/textos", file) && ok;
    for (const char* list : {"informa_l", "materias_l"})
      if (!QFile::exists(QString::fromStdString(dir + "/" + list))) ok = WriteFile(dir + "/" + list, "") && ok;
  }
  core::SettingsRecord record = core::MakeSettingsRecord(core::Utf8ToCp1252("Centro de demostración"), 0, false);
  ok = WriteFile(out + "/" + core::kSettingsFile, std::string(record.begin(), record.end())) && ok;

  Placeholder(out, "chica.bmp", 120, 180, "BMP", QColor(0xF4, 0xC4, 0x8C));
  Placeholder(out, "parte", 171, 305, "PNG", QColor(0xC8, 0x9A, 0x6A));
  Placeholder(out, "heli.bmp", 64, 40, "BMP", QColor(0x80, 0xA0, 0xC0));
  Placeholder(out, "mapa", 281, 196, "PNG", QColor(0xB8, 0xD8, 0xF0));
  Placeholder(out, "mapac", 281, 220, "PNG", QColor(0xB8, 0xD8, 0xF0));
  Placeholder(out, "mapam", 281, 220, "PNG", QColor(0xB8, 0xD8, 0xF0));
  Placeholder(out, "suelo", 64, 64, "PNG", QColor(0xEE, 0xE8, 0xDC));
  Placeholder(out, "marco", 24, 120, "PNG", QColor(0x90, 0x60, 0x40));
  Placeholder(out, "cabecera", 1024, 50, "PNG", QColor(0x30, 0x50, 0x90));
  Placeholder(out, "rotulon.bmp", 150, 80, "BMP", QColor(0xA0, 0x70, 0x40));
  Placeholder(out, "portada", 500, 500, "PNG", QColor(0xDF, 0xEC, 0xF9));
  if (!QFile::exists(QString::fromStdString(out + "/puntos3"))) {
    core::MapRasters rasters;
    ok = WriteFile(out + "/puntos3", core::EncodeMapRasters(rasters)) && ok;
  }
  return ok ? 0 : 1;
}
