// Whole-file reading for the data readers: a file is opened, read to the end
// and closed in one call, and split into lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace core {

// Lines of a text file. A line ends with CR LF, LF or a lone CR; a last line
// without an end is still a line. Nothing when the file cannot be opened or read.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

// Raw bytes of a file; nothing when it cannot be opened or read.
std::optional<std::string> ReadBytes(const std::string& path);

bool FileExists(const std::string& path);

// The fixed messages of the readers.
std::string MissingFileMessage(const std::string& path);
// "Error en el fichero <path>, línea <n>: <problem>" (line 0 leaves the line out).
std::string BadFileMessage(const std::string& path, int line, const std::string& problem);

}  // namespace core
