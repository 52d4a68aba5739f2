// The command line of trelux-tool, apart from main() so that tests run it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace trelux::tool {

// args excludes the program name. Answers the process exit code: 0 success,
// 1 bad input (missing or corrupt file, level out of range, bad key),
// 2 wrong usage.
int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// Reports wrong usage with the usage text; answers 2.
int usageError(std::ostream& err, const std::string& problem);
// Reports bad input under the tool's name; answers 1.
int fail(std::ostream& err, const std::string& message);

}  // namespace trelux::tool
