// The files read before the main window exists and written at exit: the
// start-up script "startup.dat" and the settings file "trelux.ini".
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace trelux {

inline constexpr const char* kMissingFilesMessage =
    "Trelux couldn't locate all necessary game files.\nPlease reinstall Trelux.";
inline constexpr const char* kUnparsableSettingsMessage =
    "Trelux was unable to parse trelux.ini.\nPlease reinstall Trelux.";
inline constexpr const char* kMalformedSettingsMessage =
    "File trelux.ini is malformed.\nPlease reinstall Trelux.";

// Runs the start-up script, then reads the two volumes from the settings
// file. Answers the empty string on success, else the message to show (in a
// box titled "Trelux"); the program then ends. Volumes already read stay.
std::string loadStartupFiles();
// Writes the two volumes to the settings file (updateSettings).
void saveSettings();
// The value of a key of section "settings" as the settings file holds it
// now, empty when it holds none.
std::string settingValue(const std::string& key);
// Sets keys of section "settings" in the settings file and keeps every other
// key and section in it (added by hand or by a later version). A file that
// is there but cannot be read, or cannot be written, keeps its old content.
bool updateSettings(const std::vector<std::pair<std::string, std::string>>& values);
// The puzzle server named by the optional key "server" of the settings file
// (host, or host:port), empty when the file names none; read each time.
std::string puzzleServerSetting();

// Keys of ours in section "settings", read from the file and written to it
// at once: "lastset" (the descriptor of the set played last), "consolex" and
// "consoley" (where the player put the description window), "zoom" (the
// window's factor the player chose). Empty when the file has none.
inline constexpr const char* kLastSetKey = "lastset";
inline constexpr const char* kConsoleXKey = "consolex";
inline constexpr const char* kConsoleYKey = "consoley";
inline constexpr const char* kZoomKey = "zoom";
std::string setting(const std::string& key);
void changeSetting(const std::string& key, const std::string& value);

// The options dialog's end value: -1 when cancelled, else sound x 256 + music.
void applyOptionsResult(int result);

}  // namespace trelux
