// trazora-validate DATA_DIR: prints every fault of a data folder as
// "file:line: problem" and exits non-zero when there is one.
#include <cstdio>
#include <string>

#include "validator.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: trazora-validate DATA_DIR\n");
    return 2;
  }
  std::string dir = argv[1];
  if (dir.empty() || dir.back() != '/') dir += '/';
  const auto problems = validate::ValidateFolder(dir);
  for (const auto& p : problems) std::printf("%s\n", validate::Format(p).c_str());
  if (problems.empty()) std::printf("%s: no problems\n", argv[1]);
  return problems.empty() ? 0 : 1;
}
