// The commands for puzzle authors: compile and decompile set texts, solve a
// level, check a set's stored solutions, and make the table of levels.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace trelux::tool {

struct AuthorOptions {
  std::string name;            // decompile: the set's name
  uint64_t maxStates = 0;      // solve, check: 0 for the default
};

int runCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runDecompile(const std::vector<std::string>& args, const AuthorOptions& options, std::ostream& out,
                 std::ostream& err);
int runSolve(const std::vector<std::string>& args, const AuthorOptions& options, std::ostream& out,
             std::ostream& err);
int runCheck(const std::vector<std::string>& args, const AuthorOptions& options, std::ostream& out,
             std::ostream& err);
// Writes the catalogue descriptor of a shipped set: locked, so the editor
// leaves the set alone.
int runDescriptor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trelux::tool
