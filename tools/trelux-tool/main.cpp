#include <iostream>
#include <string>
#include <vector>

#include "tool_main.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return trelux::tool::runTool(args, std::cout, std::cerr);
}
