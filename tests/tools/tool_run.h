// Runs trelux-tool's command line in the test's process and keeps what it
// printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tool_main.h"

namespace trelux::test {

struct ToolRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline ToolRun run(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = tool::runTool(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace trelux::test
