#include "app/startup_files.h"

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

std::string gPuzzleServer;

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
  gPuzzleServer = doc.getValue(kSection, kServerKey);
  return {};
}

void saveSettings() {
  KeyedDocument doc;
  configure(doc);
  doc.addSection(kSection);
  doc.setValue(kSection, "sound", std::to_string(soundVolume()));
  doc.setValue(kSection, "music", std::to_string(musicVolume()));
  const std::string server = puzzleServerSetting();
  if (!server.empty()) doc.setValue(kSection, kServerKey, server);
  doc.saveFile(kSettingsFile);
}

// Read again each time, so that a server named in trelux.ini while the game
// runs is used without a restart, and not overwritten at exit. A file that
// cannot be read now leaves the setting as it was.
std::string puzzleServerSetting() {
  KeyedDocument doc;
  configure(doc);
  if (doc.loadFile(kSettingsFile)) gPuzzleServer = doc.getValue(kSection, kServerKey);
  return gPuzzleServer;
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
