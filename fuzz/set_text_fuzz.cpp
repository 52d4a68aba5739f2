// Set text is written by hand: whatever its bytes, the parser must answer
// with a set or with an error that names the file, and a set it accepts must
// come back the same from the text the decompiler writes for it.
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_target.h"
#include "set_text.h"

namespace {

bool sameSet(const trelux::tool::SetSource& a, const trelux::tool::SetSource& b) {
  if (a.name != b.name || a.code != b.code || a.author != b.author || a.guid != b.guid ||
      a.levels.size() != b.levels.size()) {
    return false;
  }
  for (size_t i = 0; i < a.levels.size(); ++i) {
    if (a.levels[i].content != b.levels[i].content || a.levels[i].solution != b.levels[i].solution) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  trelux::tool::SetSource set;
  std::string error;
  if (!trelux::tool::parseSetText(text, "fuzz.txt", set, error)) {
    if (error.rfind("fuzz.txt:", 0) != 0) std::abort();
    return 0;
  }
  trelux::tool::SetSource again;
  if (!trelux::tool::parseSetText(trelux::tool::formatSetText(set), "again.txt", again, error) ||
      !sameSet(set, again)) {
    std::abort();
  }
  return 0;
}

namespace trelux::fuzz {

std::vector<std::string> seedInputs() {
  return {
      "; every kind of cell\r\n"
      "set: Seeds\r\n"
      "code: Open Sesame\r\n"
      "author: A. Uthor\r\n"
      "guid: {6f1c-22AB}\r\n"
      "\r\n"
      "level: All\r\n"
      "desc: Two lines,\r\n"
      "desc: a \\\\ and a byte \\x80.\r\n"
      "solution: UDLRS\r\n"
      "# # # # # # # #\r\n"
      "# @ Lr \\g /y ^b >m #\r\n"
      "# vc <w Lk Snr Sek Ssw #\r\n"
      "# Tn Te Ts Tw . Swy #\r\n"
      "# # # # # # # #\r\n",
      "set: Two\nlevel: 1\n# # #\n# @ #\n# # #\nlevel: 2\ndesc:\n# # # #\n# . @ #\n# # # #\n",
      "set:\tTabs \t\nlevel:\n#\t#\t#\n#\t@\t#\n#\t#\t#\n",
  };
}

}  // namespace trelux::fuzz
