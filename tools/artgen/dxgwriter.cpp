#include "dxgwriter.h"

#include <QBuffer>
#include <QtEndian>
#include <cstdint>

namespace art {
namespace {

void PutU32(QByteArray& b, std::uint32_t v) {
  char le[4];
  qToLittleEndian(v, le);
  b.append(le, 4);
}

bool IsAsciiName(const QString& name) {
  if (name.isEmpty() || name.size() > 255) return false;
  for (QChar c : name)
    if (c.unicode() < 0x21 || c.unicode() > 0x7e) return false;
  return true;
}

}  // namespace

QByteArray EncodeDxg(const std::vector<DxgEntry>& entries) {
  QByteArray out("TRZDXG1\n", 8);
  PutU32(out, static_cast<std::uint32_t>(entries.size()));
  for (const DxgEntry& e : entries) {
    if (!IsAsciiName(e.name) || e.frameWidth <= 0 || e.frameHeight <= 0 || e.frameCount <= 0 ||
        e.image.width() != e.frameWidth * e.frameCount || e.image.height() != e.frameHeight)
      return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!e.image.save(&buffer, "PNG")) return {};
    const QByteArray name = e.name.toLatin1();
    PutU32(out, static_cast<std::uint32_t>(name.size()));
    out.append(name);
    PutU32(out, static_cast<std::uint32_t>(e.frameWidth));
    PutU32(out, static_cast<std::uint32_t>(e.frameHeight));
    PutU32(out, static_cast<std::uint32_t>(e.frameCount));
    PutU32(out, static_cast<std::uint32_t>(png.size()));
    out.append(png);
  }
  return out;
}

}  // namespace art
