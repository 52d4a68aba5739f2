// The files read before the main window exists and written at exit: the
// start-up script "startup.dat" and the settings file "trelux.ini".
#pragma once

#include <string>

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
// Writes the two volumes to the settings file; a file that cannot be written
// keeps its old content.
void saveSettings();
// The puzzle server named by the optional key "server" of the settings file
// (host, or host:port), empty when the file names none; read anew at each
// call. Kept when saving.
std::string puzzleServerSetting();

// Keys of ours in section "settings", read at start-up and written back at
// exit: "lastset" (the descriptor of the set played last), "consolex" and
// "consoley" (where the player put the description window). Empty when the
// file has none; an empty value removes the key.
inline constexpr const char* kLastSetKey = "lastset";
inline constexpr const char* kConsoleXKey = "consolex";
inline constexpr const char* kConsoleYKey = "consoley";
std::string setting(const std::string& key);
void changeSetting(const std::string& key, const std::string& value);

// The options dialog's end value: -1 when cancelled, else sound x 256 + music.
void applyOptionsResult(int result);

}  // namespace trelux
