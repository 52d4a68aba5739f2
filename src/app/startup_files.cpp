#include "app/startup_files.h"

#include <string>

#include "app/script_runner.h"
#include "audio/volumes.h"
#include "base/text.h"
#include "doc/keyed_document.h"
#include "doc/own_file.h"

namespace trelux {

namespace {

constexpr const char* kSettingsFile = "trelux.ini";
constexpr const char* kSection = "settings";
constexpr const char* kServerKey = "server";

// A line that cannot be read (one a player or another program spoilt) is
// skipped and the others kept, at start-up as at every later reading: only a
// file that is missing or cannot be opened, or that lacks a volume, stops
// the start.
OwnFile loadForgivingly(KeyedDocument& doc) {
  doc.setSectionCase(SectionNames::LowerCase);
  doc.setNameCase(KeepCase::Neither);
  doc.setLenient(true);
  return loadOwnFile(doc, kSettingsFile);
}

}  // namespace

std::string loadStartupFiles() {
  ScriptRunner runner;
  if (runner.run("startup.dat") != ScriptOutcome::Stopped) return kMissingFilesMessage;

  KeyedDocument doc;
  if (loadForgivingly(doc) != OwnFile::Loaded) return kUnparsableSettingsMessage;
  if (!doc.hasKey(kSection, "sound") || !doc.hasKey(kSection, "music")) {
    return kMalformedSettingsMessage;
  }
  if (!setSoundVolume(parseLeadingInt(doc.getValue(kSection, "sound")))) {
    return kMalformedSettingsMessage;
  }
  if (!setMusicVolume(parseLeadingInt(doc.getValue(kSection, "music")))) {
    return kMalformedSettingsMessage;
  }
  return {};
}

std::string settingValue(const std::string& key) {
  KeyedDocument doc;
  if (loadForgivingly(doc) != OwnFile::Loaded) return {};
  return doc.getValue(kSection, key);
}

bool updateSettings(const std::vector<std::pair<std::string, std::string>>& values) {
  KeyedDocument doc;
  if (loadForgivingly(doc) == OwnFile::Unreadable) return false;
  doc.addSection(kSection);
  for (const auto& [key, value] : values) doc.setValue(kSection, key, value);
  return doc.saveFile(kSettingsFile);
}

void saveSettings() {
  updateSettings({{"sound", std::to_string(soundVolume())}, {"music", std::to_string(musicVolume())}});
}

std::string puzzleServerSetting() { return settingValue(kServerKey); }

std::string setting(const std::string& key) { return settingValue(key); }

// Written at once: nothing the player chose waits for the game's end.
void changeSetting(const std::string& key, const std::string& value) {
  updateSettings({{key, value}});
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
