// The interpreter of the start-up script "startup.dat", which checks at each
// start that the installation is complete. A line is a command word and an
// argument; the run succeeds only when every check before the first "stp"
// line passes and a "stp" line is reached.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace trelux {

enum CommandResult : int {
  CommandFailed = 0,
  CommandContinue = 1,
  CommandStop = 2,
  CommandUnknown = 3,
};

// How a run ended: it reached a "stp" line, or something failed first (the
// file missing, a check failing, an unknown word, the end without "stp").
enum class ScriptOutcome { Stopped, Failed };

class ScriptRunner {
 public:
  using Handler = std::function<int(const std::string& argument, ScriptRunner& runner)>;

  // Registers "dir", "fil", "rem", "stp", "chd" and "exe".
  ScriptRunner();

  // Appends; the first entry of a name wins a lookup.
  void addCommand(std::string name, Handler handler);
  void copyCommandsFrom(const ScriptRunner& other);
  ScriptOutcome run(const std::string& fileName);

  // How deeply this runner is nested in "exe" commands.
  static constexpr int kMaxDepth = 32;
  int depth() const { return depth_; }
  void setDepth(int depth) { depth_ = depth; }

 private:
  int dispatch(const std::string& word, const std::string& argument);

  std::vector<std::pair<std::string, Handler>> commands_;
  int depth_ = 0;
};

}  // namespace trelux
