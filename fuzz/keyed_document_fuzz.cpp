// Keyed documents are read from files a user or a server may have written:
// any bytes must parse or fail cleanly under every option, and whatever
// parses must save and load back to the same document.
#include <cstdlib>
#include <string>
#include <string_view>

#include "doc/keyed_document.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the options, the rest is the file.
  const auto sectionMode = static_cast<trelux::SectionNames>(data[0] % 3);
  const auto keepCase = static_cast<trelux::KeepCase>((data[0] >> 2) % 4);
  const bool lenient = (data[0] >> 4) & 1;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  trelux::KeyedDocument doc;
  doc.setSectionCase(sectionMode);
  doc.setNameCase(keepCase);
  doc.setLenient(lenient);
  if (!doc.loadText(text)) return 0;
  const std::string saved = doc.toText();

  // Without section headers a strict load of the saved text cannot succeed,
  // so the round trip holds for the two modes that write them.
  if (sectionMode == trelux::SectionNames::Single) return 0;
  trelux::KeyedDocument again;
  again.setSectionCase(sectionMode);
  again.setNameCase(keepCase);
  again.setLenient(lenient);
  if (!again.loadText(saved) || again.toText() != saved) std::abort();
  return 0;
}

namespace trelux::fuzz {

std::vector<std::string> seedInputs() {
  return {
      std::string(1, '\x01') + "[settings]\r\n\r\nsound = 100\r\nmusic = 40\r\n\r\n",
      std::string(1, '\x09') + "[trelux]\r\n\r\nlocked = false\r\npath = .\\Levels\\30440\\\r\nname = a\r\n",
      std::string(1, '\x19') + "; manifest\n[Group]\nname = Bonus\nguid = {1-2}\n[ x ]\n=a=b\n",
      std::string(1, '\x02') + "[one]\na = 1\n[two]\nb = 2\n",
  };
}

}  // namespace trelux::fuzz
