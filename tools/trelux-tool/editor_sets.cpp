#include "editor_sets.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "base/files.h"
#include "base/host_path.h"
#include "base/text.h"
#include "puzzles/catalogue.h"
#include "set_compiler.h"
#include "set_text.h"
#include "tool_main.h"

namespace trelux::tool {
namespace {

namespace fs = std::filesystem;

// The last folder of a descriptor's path, ".\Levels\abc\" giving "abc".
std::string lastFolderOf(std::string path) {
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The catalogue works in the game's folder, as the game does; this keeps it
// the current folder until the command is done.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : before_(fs::current_path()) {
    fs::current_path(folder, error_);
  }
  ~InFolder() {
    std::error_code ignored;
    fs::current_path(before_, ignored);
  }
  bool entered() const { return !error_; }

 private:
  fs::path before_;
  std::error_code error_;
};

}  // namespace

std::optional<std::string> nameFromDescriptor(const std::string& levelFile) {
  std::error_code error;
  const fs::path folder = fs::absolute(levelFile, error).parent_path();
  if (error) return std::nullopt;
  const std::string wanted = toLowerAscii(folder.filename().string());
  for (const fs::directory_entry& file : fs::directory_iterator(folder.parent_path(), error)) {
    if (toLowerAscii(file.path().extension().string()) != ".trelux") continue;
    PuzzleSetEntry entry;
    if (readDescriptor(file.path().string(), entry) &&
        toLowerAscii(lastFolderOf(entry.folder)) == wanted)
      return entry.name;
  }
  return std::nullopt;
}

int runAddSet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return usageError(err, "add-set takes a set text and a game folder");
  SetSource set;
  std::string error;
  if (!readSetFile(args[0], set, error)) return fail(err, error);
  InFolder game(args[1]);
  if (!game.entered()) return fail(err, "cannot enter the game folder " + args[1]);
  if (!isPuzzleSetNameFree(set.name))
    return fail(err, "a set named \"" + set.name + "\" is in " + args[1] + " already");
  const std::string base = makeSetBaseName(set.name);
  const std::string folder = ".\\levels\\" + base + "\\";
  createFolder(".\\levels\\");
  createFolder(folder);
  if (!compileSet(set, hostPath(folder + "levels.dat"), error)) return fail(err, error);
  const PuzzleSetEntry entry{folder, set.name, ".\\levels\\" + base + ".trelux", true};
  if (!writeDescriptor(entry)) return fail(err, "cannot write " + entry.descriptorFile);
  out << "added \"" << set.name << "\" to " << args[1] << " as levels/" << base
      << ".trelux, unlocked: the editor opens it\n";
  return 0;
}

}  // namespace trelux::tool
