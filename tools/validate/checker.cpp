#include "checker.h"

#include <cstdint>

#include "core/text.h"
#include "core/textfile.h"

namespace validate {
namespace {

// Bytes that Windows-1252 leaves undefined.
bool UndefinedInCodePage(unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

// Width and height from a PNG or BMP header.
std::optional<std::pair<int, int>> PictureSize(const std::string& b) {
  auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])); };
  auto be32 = [&](std::size_t i) { return byte(i) << 24 | byte(i + 1) << 16 | byte(i + 2) << 8 | byte(i + 3); };
  auto le32 = [&](std::size_t i) {
    return static_cast<std::int32_t>(byte(i) | byte(i + 1) << 8 | byte(i + 2) << 16 | byte(i + 3) << 24);
  };
  if (b.size() >= 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
    return std::pair{static_cast<int>(be32(16)), static_cast<int>(be32(20))};
  if (b.size() >= 26 && b.compare(0, 2, "BM") == 0) {
    int h = le32(22);
    return std::pair{le32(18), h < 0 ? -h : h};
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> Checker::Bytes(const std::string& file, bool required) {
  auto bytes = core::ReadBytes(dir_ + file);
  if (!bytes && required) Report(file, 0, "missing file");
  return bytes;
}

std::optional<std::vector<std::string>> Checker::Lines(const std::string& file, bool required) {
  auto bytes = Bytes(file, required);
  if (!bytes) return std::nullopt;
  std::vector<std::string> lines;
  std::string current;
  bool bareEnd = false;
  const std::string& b = *bytes;
  for (std::size_t i = 0; i < b.size(); ++i) {
    char c = b[i];
    if (c != '\r' && c != '\n') {
      current += c;
      continue;
    }
    bool crlf = c == '\r' && i + 1 < b.size() && b[i + 1] == '\n';
    if (!crlf && !bareEnd) {
      Report(file, static_cast<int>(lines.size()) + 1, "line ends without CR LF");
      bareEnd = true;
    }
    if (crlf) ++i;
    lines.push_back(std::move(current));
    current.clear();
  }
  if (!current.empty()) lines.push_back(std::move(current));
  for (std::size_t n = 0; n < lines.size(); ++n) {
    for (unsigned char c : lines[n]) {
      if (UndefinedInCodePage(c) || (c < 0x20 && c != '\t')) {
        Report(file, static_cast<int>(n) + 1, "character outside Windows-1252 (byte " + std::to_string(c) + ")");
        break;
      }
    }
  }
  return lines;
}

std::size_t Checker::ShownLength(const std::string& line) { return core::TrimRightSpaces(line).size(); }

void Checker::AtMostLines(const std::string& file, const std::vector<std::string>& lines, std::size_t capacity) {
  if (lines.size() > capacity)
    Report(file, static_cast<int>(capacity) + 1,
           std::to_string(lines.size()) + " lines, more than the " + std::to_string(capacity) + " the table holds");
}

void Checker::AtMostWidth(const std::string& file, const std::vector<std::string>& lines, std::size_t width,
                          std::size_t firstLine) {
  for (std::size_t n = firstLine; n <= lines.size(); ++n)
    if (ShownLength(lines[n - 1]) > width)
      Report(file, static_cast<int>(n), "longer than the " + std::to_string(width) + " characters shown");
}

void Checker::Address(const std::string& file, int line, const std::string& address) {
  if (address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0) return;
  if (address.empty() || address.find("..") != std::string::npos || address[0] == '/' ||
      !core::FileExists(dir_ + address))
    Report(file, line,
           "address is neither http(s) nor a document of the data folder: \"" + core::Cp1252ToUtf8(address) + "\"");
}

void Checker::Picture(const std::string& file, int width, int height) {
  auto bytes = core::ReadBytes(dir_ + file);
  if (!bytes) {
    Report(file, 0, "missing picture");
    return;
  }
  auto size = PictureSize(*bytes);
  if (!size) Report(file, 0, "not a PNG or BMP picture");
  else if (width > 0 && (size->first != width || size->second != height))
    Report(file, 0,
           std::to_string(size->first) + " x " + std::to_string(size->second) + " pixels instead of " +
               std::to_string(width) + " x " + std::to_string(height));
}

std::optional<std::vector<int>> Checker::IntRow(const std::string& file, int line, const std::string& text,
                                                std::size_t fields) {
  core::TArreglo f = core::SplitFields(text, ';');
  std::vector<int> values;
  for (const std::string& field : f) {
    int v = 0;
    if (!core::ParseInt(core::TrimBlanks(field), v)) {
      Report(file, line, "\"" + core::Cp1252ToUtf8(field) + "\" is not an integer");
      return std::nullopt;
    }
    values.push_back(v);
  }
  if (values.size() < fields) {
    Report(file, line, std::to_string(values.size()) + " fields, " + std::to_string(fields) + " expected");
    return std::nullopt;
  }
  return values;
}

std::optional<std::vector<int>> Checker::CountedRow(const std::string& file, int line, const std::string& text,
                                                    std::size_t maxValues) {
  auto values = IntRow(file, line, text, 1);
  if (!values) return std::nullopt;
  int n = (*values)[0];
  if (n < 0) return std::vector<int>{};
  if (static_cast<std::size_t>(n) > maxValues) {
    Report(file, line, std::to_string(n) + " values, more than the " + std::to_string(maxValues) + " a row holds");
    return std::nullopt;
  }
  if (values->size() < static_cast<std::size_t>(n) + 1) {
    Report(file, line, "the row announces " + std::to_string(n) + " values but has " +
                           std::to_string(values->size() - 1));
    return std::nullopt;
  }
  return std::vector<int>(values->begin() + 1, values->begin() + 1 + n);
}

}  // namespace validate
