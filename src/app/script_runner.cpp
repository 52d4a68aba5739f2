#include "app/script_runner.h"

#include <optional>

#include "base/files.h"
#include "base/text.h"

namespace trelux {

namespace {

// "dir": the folder exists and can be entered; the current folder stays.
int checkFolder(const std::string& argument, ScriptRunner&) {
  return canEnterFolder(argument) ? CommandContinue : CommandFailed;
}

int checkFile(const std::string& argument, ScriptRunner&) {
  return canOpenForReading(argument) ? CommandContinue : CommandFailed;
}

int comment(const std::string&, ScriptRunner&) { return CommandContinue; }

int stop(const std::string&, ScriptRunner&) { return CommandStop; }

// "chd": the change stays for the rest of the program's run.
int enterFolder(const std::string& argument, ScriptRunner&) {
  return changeCurrentFolder(argument) ? CommandContinue : CommandFailed;
}

// "exe": a nested script with the same commands; its "stp" ends only it.
// A script that runs itself, directly or not, fails at a fixed depth instead
// of exhausting the stack.
int runNested(const std::string& argument, ScriptRunner& runner) {
  if (runner.depth() >= ScriptRunner::kMaxDepth) return CommandFailed;
  ScriptRunner nested;
  nested.copyCommandsFrom(runner);
  nested.setDepth(runner.depth() + 1);
  return nested.run(argument) == ScriptOutcome::Stopped ? CommandContinue : CommandFailed;
}

}  // namespace

ScriptRunner::ScriptRunner() {
  addCommand("dir", checkFolder);
  addCommand("fil", checkFile);
  addCommand("rem", comment);
  addCommand("stp", stop);
  addCommand("chd", enterFolder);
  addCommand("exe", runNested);
}

void ScriptRunner::addCommand(std::string name, Handler handler) {
  commands_.emplace_back(std::move(name), std::move(handler));
}

void ScriptRunner::copyCommandsFrom(const ScriptRunner& other) { commands_ = other.commands_; }

int ScriptRunner::dispatch(const std::string& word, const std::string& argument) {
  for (auto& [name, handler] : commands_) {
    if (name == word) return handler(argument, *this);
  }
  return CommandUnknown;
}

ScriptOutcome ScriptRunner::run(const std::string& fileName) {
  std::optional<std::string> text = readTextFile(fileName);
  if (!text) return ScriptOutcome::Failed;
  size_t pos = 0;
  while (pos < text->size()) {
    size_t end = text->find('\n', pos);
    if (end == std::string::npos) end = text->size();
    const std::string line = trimBlanks(std::string_view(*text).substr(pos, end - pos));
    pos = end + 1;
    if (line.empty()) continue;
    size_t wordEnd = 0;
    while (wordEnd < line.size() && !isBlank(line[wordEnd])) ++wordEnd;
    const std::string word = toLowerAscii(line.substr(0, wordEnd));
    const std::string argument = trimBlanks(line.substr(wordEnd));
    const int result = dispatch(word, argument);
    if (result == CommandContinue) continue;
    return result == CommandStop ? ScriptOutcome::Stopped : ScriptOutcome::Failed;
  }
  return ScriptOutcome::Failed;
}

}  // namespace trelux
