#include "author_commands.h"

#include <chrono>
#include <ctime>
#include <ostream>
#include <sstream>

#include "base/files.h"
#include "base/host_path.h"
#include "editor_sets.h"
#include "level_table.h"
#include "puzzles/catalogue.h"
#include "puzzles/puzzle_set_file.h"
#include "set_compiler.h"
#include "solver/solver.h"
#include "tool_main.h"
#include "world/level_grid.h"

namespace trelux::tool {

namespace {

int usage(std::ostream& err, const std::string& problem) { return usageError(err, problem); }

SolveLimits limitsOf(const AuthorOptions& options) {
  SolveLimits limits;
  if (options.maxStates > 0) limits.maxStates = options.maxStates;
  return limits;
}

std::string describeFailure(const SolveResult& r, const SolveLimits& limits) {
  switch (r.outcome) {
    case SolveOutcome::NoSolution:
      if (!r.reason.empty()) return "no solution: " + r.reason;
      return "no solution: all " + std::to_string(r.states) + " reachable states were searched";
    case SolveOutcome::LimitReached:
      return "no solution of " + std::to_string(r.depth) + " keys or fewer; the search stopped at " +
             std::to_string(limits.maxStates) + " states (--max-states raises the limit)";
    case SolveOutcome::Unsupported:
      return "the solver takes levels of at most " + std::to_string(kMaxSolverObjects) +
             " pushable objects, at most 512 cells, and the robot inside the grid";
    case SolveOutcome::Cancelled: return "the search was cancelled";
    case SolveOutcome::Failed: return "the search failed";
    case SolveOutcome::Solved: break;
  }
  return "";
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string fixed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

// One level of a checked set: its shortest solution must be as long as the
// stored one.
bool checkLevel(const std::string& file, const SetSource& set, size_t index, const SolveLimits& limits,
                std::ostream& out, std::string& error) {
  const LevelSource& level = set.levels[index];
  LevelGrid grid;
  std::istringstream content(level.content);
  grid.read(content);
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t startCpu = std::clock();
  const SolveResult r = solveLevel(grid, limits);
  const double seconds = secondsSince(start);
  // CPU time too: the wall clock counts other programs sharing the cores.
  const double cpuSeconds = static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC;
  out << set.name << " " << index + 1 << ": ";
  if (r.outcome != SolveOutcome::Solved) {
    out << describeFailure(r, limits) << "\n";
    error = file + ":" + std::to_string(level.line) + ":1: " + describeFailure(r, limits);
    return false;
  }
  // A level may leave its solution out: the shortest is printed, for the
  // author to store.
  const std::string stored =
      level.solution.empty() ? "none stored" : "stored " + std::to_string(level.solution.size());
  out << r.keys.size() << " keys, " << stored << ", " << fixed(seconds) << " s (cpu "
      << fixed(cpuSeconds) << " s), "
      << r.states << " states, " << r.arrangements << " arrangements\n";
  if (level.solution.empty()) {
    out << "  solution: " << r.keys << "\n";
    return true;
  }
  if (r.keys.size() != level.solution.size()) {
    error = file + ":" + std::to_string(level.solutionLine) + ":1: the stored solution has " +
            std::to_string(level.solution.size()) + " keys; the shortest has " + std::to_string(r.keys.size()) +
            ": write \"solution: " + r.keys + "\"";
    return false;
  }
  return true;
}

}  // namespace

int runCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return usage(err, "compile takes a set text and a level file to write");
  SetSource set;
  std::string error;
  if (!readSetFile(args[0], set, error) || !compileSet(set, args[1], error)) return fail(err, error);
  out << "compiled " << set.levels.size() << (set.levels.size() == 1 ? " level" : " levels") << " of \""
      << set.name << "\" into " << args[1] << "\n";
  return 0;
}

int runDecompile(const std::vector<std::string>& args, const AuthorOptions& options, std::ostream& out,
                 std::ostream& err) {
  if (args.size() != 1 && args.size() != 2) return usage(err, "decompile takes a level file and optionally a text file to write");
  std::string name = options.name;
  if (name.empty())
    name = nameFromDescriptor(args[0]).value_or(ansiName(hostFsPath(args[0]).stem()));
  SetSource set;
  std::string error;
  if (!decompileSet(args[0], name, set, error)) return fail(err, error);
  const std::string text = formatSetText(set);
  if (args.size() == 1) {
    out << text;
    return 0;
  }
  if (!writeFileBytes(args[1], text)) return fail(err, "cannot write " + args[1]);
  return 0;
}

int runSolve(const std::vector<std::string>& args, const AuthorOptions& options, std::ostream& out,
             std::ostream& err) {
  if (args.size() != 2) return usage(err, "solve takes a level file and a level");
  int32_t level = -1;
  if (args[1].empty() || args[1].size() > 9 || args[1].find_first_not_of("0123456789") != std::string::npos) {
    return fail(err, "level must be a number from 0 up, not \"" + args[1] + "\"");
  }
  level = std::stoi(args[1]);
  PuzzleSetFile file;
  LevelGrid grid;
  if (!file.open(args[0])) return fail(err, "cannot open " + args[0] + " as a level file");
  if (!file.seekLevel(level) || !file.readLevel(grid)) {
    return fail(err, "level " + args[1] + " of " + args[0] + " does not exist or cannot be read");
  }
  const SolveLimits limits = limitsOf(options);
  const auto start = std::chrono::steady_clock::now();
  const SolveResult r = solveLevel(grid, limits);
  const double seconds = secondsSince(start);
  if (r.outcome != SolveOutcome::Solved) {
    out << describeFailure(r, limits) << "\n";
    return 1;
  }
  out << "solved " << r.keys.size() << " keys\nkeys " << r.keys << "\nstates " << r.states << " arrangements "
      << r.arrangements << " seconds " << fixed(seconds) << "\n";
  return 0;
}

int runCheck(const std::vector<std::string>& args, const AuthorOptions& options, std::ostream& out,
             std::ostream& err) {
  if (args.empty()) return usage(err, "check takes one or more set texts");
  const SolveLimits limits = limitsOf(options);
  const auto start = std::chrono::steady_clock::now();
  int status = 0;
  size_t levels = 0;
  for (const std::string& path : args) {
    SetSource set;
    std::string error;
    if (!readSetFile(path, set, error)) return fail(err, error);
    for (size_t i = 0; i < set.levels.size(); ++i, ++levels) {
      if (!checkLevel(path, set, i, limits, out, error)) status = fail(err, error);
    }
  }
  out << levels << " levels in " << fixed(secondsSince(start)) << " s\n";
  return status;
}

int runDescriptor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return usage(err, "descriptor takes a set text, the descriptor to write and the set's folder");
  const std::string& folder = args[2];
  if (folder.empty() || folder.back() != '\\') return fail(err, "the folder must end in a backslash, as in .\\levels\\training\\");
  SetSource set;
  std::string error;
  if (!readSetFile(args[0], set, error)) return fail(err, error);
  const PuzzleSetEntry entry{folder, set.name, args[1], false};
  if (!writeDescriptor(entry)) return fail(err, "cannot write " + args[1]);
  out << "described \"" << set.name << "\" in " << args[1] << "\n";
  return 0;
}

int runTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return usage(err, "table takes one or more set texts");
  std::vector<NamedSet> sets;
  std::string error;
  for (const std::string& path : args) {
    sets.push_back({path, {}});
    if (!readSetFile(path, sets.back().set, error)) return fail(err, error);
  }
  std::string table;
  if (!formatLevelTable(sets, table, error)) return fail(err, error);
  out << table;
  return 0;
}

}  // namespace trelux::tool
