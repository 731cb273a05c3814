#include "text.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace core {

TArreglo SplitFields(std::string_view text, char separator) {
  TArreglo fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t pos = text.find(separator, start);
    if (pos == std::string_view::npos) {
      fields.emplace_back(text.substr(start));
      return fields;
    }
    fields.emplace_back(text.substr(start, pos - start));
    start = pos + 1;
  }
}

std::string MakeFill(int n, char c) {
  int count = std::clamp(n - 1, 0, 80);
  return std::string(static_cast<std::size_t>(count), c);
}

std::string PadToWidth(std::string_view line, int w) {
  if (w <= 0) return {};
  std::string out(line.substr(0, static_cast<std::size_t>(w)));
  out += MakeFill(w, ' ');
  return out.substr(0, static_cast<std::size_t>(w));
}

std::string TrimRightSpaces(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  return std::string(text.substr(0, end));
}

std::string TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

bool InList(std::string_view value, int n, const std::vector<std::string>& list) {
  int limit = std::min<int>(n, static_cast<int>(list.size()));
  for (int i = 0; i < limit; ++i)
    if (list[static_cast<std::size_t>(i)] == value) return true;
  return false;
}

std::string CutTo(std::string_view text, std::size_t n) { return std::string(text.substr(0, n)); }

std::string Columns(std::string_view line, std::size_t c, std::size_t n) {
  if (c == 0 || c > line.size()) return {};
  return std::string(line.substr(c - 1, n));
}

bool ParseInt(std::string_view field, int& value) {
  std::size_t b = 0, e = field.size();
  while (b < e && (field[b] == ' ' || field[b] == '\t')) ++b;
  while (e > b && (field[e - 1] == ' ' || field[e - 1] == '\t')) --e;
  std::string_view s = field.substr(b, e - b);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  long long v = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || ptr != s.data() + s.size()) return false;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

namespace {
// Unicode code points of Windows-1252 bytes 0x80..0x9F; 0 where the byte is undefined.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80] ? kHigh[b - 0x80] : b;
  return b;
}

bool CodePointToByte(char32_t cp, unsigned char& b) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    b = static_cast<unsigned char>(cp);
    return true;
  }
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] != 0 && kHigh[i] == cp) {
      b = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  return false;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}
}  // namespace

std::string Utf8ToCp1252(std::string_view s, int* unmappable) {
  std::string out;
  out.reserve(s.size());
  int bad = 0;
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0;
    std::size_t len = 1;
    if (c < 0x80) cp = c;
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; len = 4; }
    else { cp = 0xFFFD; }
    if (i + len > s.size()) { cp = 0xFFFD; len = s.size() - i; }
    for (std::size_t k = 1; k < len && cp != 0xFFFD; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) { cp = 0xFFFD; len = k; break; }
      cp = (cp << 6) | (cc & 0x3F);
    }
    unsigned char b;
    if (CodePointToByte(cp, b)) out += static_cast<char>(b);
    else { out += '?'; ++bad; }
    i += len;
  }
  if (unmappable) *unmappable = bad;
  return out;
}

std::string Cp1252ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 4);
  for (char ch : s) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(ch)));
  return out;
}

}  // namespace core
