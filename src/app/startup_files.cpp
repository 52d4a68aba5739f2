#include "app/startup_files.h"

#include <map>
#include <string>

#include "app/script_runner.h"
#include "audio/volumes.h"
#include "base/text.h"
#include "doc/keyed_document.h"

namespace trelux {

namespace {

constexpr const char* kSettingsFile = "trelux.ini";
constexpr const char* kSection = "settings";
constexpr const char* kServerKey = "server";

// The optional keys, by name: the puzzle server and the keys of ours.
std::map<std::string, std::string> gOptional;
const char* const kOptionalKeys[] = {kServerKey, kLastSetKey, kConsoleXKey, kConsoleYKey};

void configure(KeyedDocument& doc) {
  doc.setSectionCase(SectionNames::LowerCase);
  doc.setNameCase(KeepCase::Neither);
}

}  // namespace

std::string loadStartupFiles() {
  ScriptRunner runner;
  if (runner.run("startup.dat") != ScriptOutcome::Stopped) return kMissingFilesMessage;

  KeyedDocument doc;
  configure(doc);
  if (!doc.loadFile(kSettingsFile)) return kUnparsableSettingsMessage;
  if (!doc.hasKey(kSection, "sound") || !doc.hasKey(kSection, "music")) {
    return kMalformedSettingsMessage;
  }
  if (!setSoundVolume(parseLeadingInt(doc.getValue(kSection, "sound")))) {
    return kMalformedSettingsMessage;
  }
  if (!setMusicVolume(parseLeadingInt(doc.getValue(kSection, "music")))) {
    return kMalformedSettingsMessage;
  }
  for (const char* key : kOptionalKeys) changeSetting(key, doc.getValue(kSection, key));
  return {};
}

void saveSettings() {
  KeyedDocument doc;
  configure(doc);
  doc.addSection(kSection);
  doc.setValue(kSection, "sound", std::to_string(soundVolume()));
  doc.setValue(kSection, "music", std::to_string(musicVolume()));
  puzzleServerSetting();  // a server named while the game ran is kept
  for (const auto& [key, value] : gOptional) doc.setValue(kSection, key, value);
  doc.saveFile(kSettingsFile);
}

// Read again each time, so that a server named in trelux.ini while the game
// runs is used without a restart, and not overwritten at exit. A file that
// cannot be read now leaves the setting as it was.
std::string puzzleServerSetting() {
  KeyedDocument doc;
  configure(doc);
  if (doc.loadFile(kSettingsFile)) changeSetting(kServerKey, doc.getValue(kSection, kServerKey));
  return setting(kServerKey);
}

std::string setting(const std::string& key) {
  const auto found = gOptional.find(key);
  return found == gOptional.end() ? std::string() : found->second;
}

void changeSetting(const std::string& key, const std::string& value) {
  if (value.empty())
    gOptional.erase(key);
  else
    gOptional[key] = value;
}

// The scroll bars keep both positions within 0 to 100; the setters' range
// check stays anyway, since a volume above 100 would ask the sound device
// for more than full level.
void applyOptionsResult(int result) {
  if (result == -1) return;
  setSoundVolume((result >> 8) & 255);
  setMusicVolume(result & 255);
}

}  // namespace trelux
