#include "tool_main.h"

#include <ostream>

#include <set>

#include "author_commands.h"
#include "editor_sets.h"
#include "info.h"
#include "publish.h"
#include "replay.h"

namespace trelux::tool {

namespace {

constexpr const char* kUsage =
    "usage: trelux-tool info LEVELS.DAT [--json]\n"
    "       trelux-tool replay LEVELS.DAT LEVEL KEYS [--json]\n"
    "       trelux-tool compile SET.txt OUT.dat\n"
    "       trelux-tool decompile LEVELS.DAT [SET.txt] [--name NAME]\n"
    "       trelux-tool solve LEVELS.DAT LEVEL [--max-states N]\n"
    "       trelux-tool check SET.txt... [--max-states N]\n"
    "       trelux-tool table SET.txt...\n"
    "       trelux-tool descriptor SET.txt OUT.trelux FOLDER\n"
    "       trelux-tool publish OUTDIR --base-url URL SET.txt...\n"
    "       trelux-tool add-set SET.txt GAME_FOLDER\n"
    "\n"
    "info    summarises a level file: progress, completion code, and per level\n"
    "        its size, robot start, description, sensors and lasers.\n"
    "replay  plays level LEVEL (0-based) with KEYS, a string of U D L R (the\n"
    "        arrow keys) and S (space), and prints the final state.\n"
    "compile    writes a set text (docs/LEVEL_TEXT.md) as a level file.\n"
    "decompile  writes a level file as set text (to standard output without SET.txt),\n"
    "           named as the set's descriptor names it (else after the file).\n"
    "solve      finds a shortest solution of level LEVEL (0-based) in key presses,\n"
    "           or shows that none exists within N searched states (default 30000000).\n"
    "check      solves every level of the sets and compares with the stored solutions;\n"
    "           a level without one gets its shortest printed.\n"
    "table      prints the Markdown table of the sets' levels (docs/LEVELS.md).\n"
    "descriptor writes the locked catalogue descriptor of a shipped set whose\n"
    "           folder, as the game names it, is FOLDER (.\\levels\\NAME\\).\n"
    "publish    writes a puzzle server's folder: the manifest the game reads at\n"
    "           download/files/trelux/download.php and each set's level file in\n"
    "           sets/, named in the manifest by its URL under URL (where OUTDIR is served).\n"
    "add-set    adds the set to the game in GAME_FOLDER as an unlocked set, which\n"
    "           the editor opens.\n";

struct Options {
  bool json = false;
  std::string baseUrl;
  AuthorOptions author;
  std::set<std::string> given;
};



// A level index: decimal digits only, at most what the level file can hold.
bool parseLevelIndex(const std::string& text, int32_t& level) {
  if (text.empty() || text.size() > 9) return false;
  level = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    level = level * 10 + (c - '0');
  }
  return true;
}

bool takeValue(const std::string& option, const std::string& value, Options& options, std::string& problem) {
  if (option == "--name") {
    options.author.name = value;
    return true;
  }
  if (option == "--base-url") {
    options.baseUrl = value;
    return true;
  }
  if (value.empty() || value.size() > 12 || value.find_first_not_of("0123456789") != std::string::npos ||
      std::stoull(value) == 0) {
    problem = "--max-states takes a number from 1 up";
    return false;
  }
  options.author.maxStates = std::stoull(value);
  return true;
}

// Splits off the options; one that is unknown or lacks its value is wrong usage.
bool takeOptions(std::vector<std::string>& args, Options& options, std::string& problem) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() <= 1 || arg.rfind("--", 0) != 0) {
      rest.push_back(arg);
      continue;
    }
    options.given.insert(arg);
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--name" || arg == "--max-states" || arg == "--base-url") {
      if (i + 1 >= args.size()) {
        problem = arg + " needs a value";
        return false;
      }
      if (!takeValue(arg, args[++i], options, problem)) return false;
    } else {
      problem = "unknown option " + arg;
      return false;
    }
  }
  args = std::move(rest);
  return true;
}

// Every option given must be one the command takes.
bool optionsFit(const Options& options, const std::set<std::string>& allowed, std::string& problem) {
  for (const std::string& option : options.given) {
    if (!allowed.count(option)) {
      problem = "unknown option " + option;
      return false;
    }
  }
  return true;
}

int runInfo(const std::vector<std::string>& args, bool json, std::ostream& out,
            std::ostream& err) {
  if (args.size() != 1) return usageError(err, "info takes one level file");
  SetInfo info;
  std::string error;
  if (!readSetInfo(args[0], info, error)) return fail(err, error);
  out << (json ? formatInfoJson(info) : formatInfoText(info));
  int status = 0;
  for (size_t i = 0; i < info.levels.size(); ++i) {
    if (!info.levels[i].readable) {
      status = fail(err, "level " + std::to_string(i) + " of " + args[0] + " cannot be read");
    }
  }
  return status;
}

int runReplay(const std::vector<std::string>& args, bool json, std::ostream& out,
              std::ostream& err) {
  if (args.size() != 3) return usageError(err, "replay takes a level file, a level and keys");
  int32_t level = 0;
  if (!parseLevelIndex(args[1], level)) {
    return fail(err, "level must be a number from 0 up, not \"" + args[1] + "\"");
  }
  ReplayResult result;
  std::string error;
  if (!replayLevel(args[0], level, args[2], result, error)) return fail(err, error);
  out << (json ? formatReplayJson(result) : formatReplayText(result));
  return 0;
}


int dispatch(const std::string& command, const std::vector<std::string>& args, const Options& options,
             std::ostream& out, std::ostream& err) {
  const auto& a = options.author;
  if (command == "info") return runInfo(args, options.json, out, err);
  if (command == "replay") return runReplay(args, options.json, out, err);
  if (command == "compile") return runCompile(args, out, err);
  if (command == "decompile") return runDecompile(args, a, out, err);
  if (command == "solve") return runSolve(args, a, out, err);
  if (command == "check") return runCheck(args, a, out, err);
  if (command == "descriptor") return runDescriptor(args, out, err);
  if (command == "publish") return runPublish(args, options.baseUrl, out, err);
  if (command == "add-set") return runAddSet(args, out, err);
  return runTable(args, out, err);
}

const std::set<std::string>* optionsOf(const std::string& command) {
  static const std::set<std::string> json{"--json"}, name{"--name"}, states{"--max-states"},
      base{"--base-url"}, none{};
  if (command == "info" || command == "replay") return &json;
  if (command == "decompile") return &name;
  if (command == "publish") return &base;
  if (command == "solve" || command == "check") return &states;
  if (command == "compile" || command == "table" || command == "descriptor" || command == "add-set")
    return &none;
  return nullptr;
}

}  // namespace

int fail(std::ostream& err, const std::string& message) {
  err << "trelux-tool: " << message << "\n";
  return 1;
}

int usageError(std::ostream& err, const std::string& problem) {
  err << "trelux-tool: " << problem << "\n" << kUsage;
  return 2;
}

int runTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) return usageError(err, "no command given");
  const std::string command = arguments[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return 0;
  }
  std::vector<std::string> args(arguments.begin() + 1, arguments.end());
  const std::set<std::string>* allowed = optionsOf(command);
  if (!allowed) return usageError(err, "unknown command " + command);
  Options options;
  std::string problem;
  if (!takeOptions(args, options, problem) || !optionsFit(options, *allowed, problem)) {
    return usageError(err, problem);
  }
  return dispatch(command, args, options, out, err);
}

}  // namespace trelux::tool
