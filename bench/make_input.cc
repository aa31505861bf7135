// Writes a generated old alias file: make_input SHAPE SIZE PATH.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shapes.h"

int main(int argc, char** argv) {
  Shape shape;
  if (argc != 4 || !ShapeByName(argv[1], &shape)) {
    std::fprintf(stderr,
                 "usage: %s SHAPE SIZE PATH\n"
                 "SHAPE: small, one-line, many-aliases, escaped-tokens, continued, cp932,"
                 " comments\n",
                 argc > 0 ? argv[0] : "make_input");
    return 1;
  }
  const std::string old = MakeOldFile(shape, std::strtoull(argv[2], nullptr, 10));
  std::FILE* file = std::fopen(argv[3], "wb");
  if (file == nullptr) {
    std::perror(argv[3]);
    return 1;
  }
  const bool written = std::fwrite(old.data(), 1, old.size(), file) == old.size();
  if (std::fclose(file) != 0 || !written) {
    std::perror(argv[3]);
    return 1;
  }
  return 0;
}
