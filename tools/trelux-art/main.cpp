// trelux-art SOURCE_DIR OUTPUT_DIR SHEETS_DIR: the build step that makes the
// game's pictures and sounds.
#include <iostream>

#include "generate.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: trelux-art SOURCE_DIR OUTPUT_DIR SHEETS_DIR\n";
    return 2;
  }
  return trelux::art::generateAll(argv[1], argv[2], argv[3], std::cerr) ? 0 : 1;
}
