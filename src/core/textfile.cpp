#include "textfile.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

#include "text.h"

namespace core {

std::optional<std::string> ReadBytes(const std::string& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!f) return std::nullopt;
  struct stat st {};
  if (fstat(fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string data;
  char buf[65536];
  for (;;) {
    std::size_t n = std::fread(buf, 1, sizeof buf, f.get());
    data.append(buf, n);
    if (n < sizeof buf) break;
  }
  if (std::ferror(f.get())) return std::nullopt;
  return data;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  auto data = ReadBytes(path);
  if (!data) return std::nullopt;
  std::vector<std::string> lines;
  const std::string& d = *data;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < d.size()) {
    char c = d[i];
    if (c == '\n' || c == '\r') {
      lines.emplace_back(d, start, i - start);
      if (c == '\r' && i + 1 < d.size() && d[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < d.size()) lines.emplace_back(d, start, d.size() - start);
  return lines;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string MissingFileMessage(const std::string& path) {
  return "Faltan ficheros (" + path + "). Vuelva a instalar el programa";
}

std::string BadFileMessage(const std::string& path, int line, const std::string& problem) {
  std::string where = "Error en el fichero " + path;
  if (line > 0) where += Utf8ToCp1252(", línea ") + std::to_string(line);
  return where + ": " + problem + ". Vuelva a instalar el programa";
}

}  // namespace core
