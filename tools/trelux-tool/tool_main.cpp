#include "tool_main.h"

#include <ostream>

#include "info.h"
#include "replay.h"

namespace trelux::tool {

namespace {

constexpr const char* kUsage =
    "usage: trelux-tool info LEVELS.DAT [--json]\n"
    "       trelux-tool replay LEVELS.DAT LEVEL KEYS [--json]\n"
    "\n"
    "info    summarises a level file: progress, completion code, and per level\n"
    "        its size, robot start, description, sensors and lasers.\n"
    "replay  plays level LEVEL (0-based) with KEYS, a string of U D L R (the\n"
    "        arrow keys) and S (space), and prints the final state.\n";

int usage(std::ostream& err, const std::string& problem) {
  err << "trelux-tool: " << problem << "\n" << kUsage;
  return 2;
}

int fail(std::ostream& err, const std::string& message) {
  err << "trelux-tool: " << message << "\n";
  return 1;
}

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

// Splits off a trailing --json; any other option is wrong usage.
bool takeOptions(std::vector<std::string>& args, bool& json, std::string& problem) {
  json = false;
  std::vector<std::string> rest;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (arg.size() > 1 && arg.rfind("--", 0) == 0) {
      problem = "unknown option " + arg;
      return false;
    } else {
      rest.push_back(arg);
    }
  }
  args = std::move(rest);
  return true;
}

int runInfo(const std::vector<std::string>& args, bool json, std::ostream& out,
            std::ostream& err) {
  if (args.size() != 1) return usage(err, "info takes one level file");
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
  if (args.size() != 3) return usage(err, "replay takes a level file, a level and keys");
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

}  // namespace

int runTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) return usage(err, "no command given");
  const std::string command = arguments[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return 0;
  }
  std::vector<std::string> args(arguments.begin() + 1, arguments.end());
  bool json = false;
  std::string problem;
  if (!takeOptions(args, json, problem)) return usage(err, problem);
  if (command == "info") return runInfo(args, json, out, err);
  if (command == "replay") return runReplay(args, json, out, err);
  return usage(err, "unknown command " + command);
}

}  // namespace trelux::tool
