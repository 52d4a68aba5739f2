// The texts the downloader shows (its messages, question, progress texts
// and caption), in one place for the code and its tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace trelux {

inline constexpr const char* kDownloaderCaption = "Trelux";
inline constexpr const char* kUserInterfaceMessage =
    "An error occurred creating the user interface.\nPlease try again.";
inline constexpr const char* kDownloadFailedMessage =
    "An error occurred downloading the necessary files.\nPlease try again.";
inline constexpr const char* kLocalFileMessage =
    "Trelux couldn't download the file to disk.\nPlease try again.";
inline constexpr const char* kManifestMessage =
    "Trelux was unable to read the list of available puzzle sets.\nPlease try again.";
inline constexpr const char* kInstallMessage =
    "An error occurred adding the new puzzle set to the puzzle set list.\nPlease try again.";
inline constexpr const char* kRepeatQuestion =
    "You've already downloaded this puzzle set.\nWould you like to download another copy?";
// Ours: a set file that is not one the game can play is not installed.
inline constexpr const char* kDamagedSetMessage =
    "The downloaded puzzle set is damaged, so it was not installed.\nPlease try again later.";
// Ours: the reason under kManifestMessage for a list beyond its limits.
inline constexpr const char* kLongManifestReason =
    "The list holds more than 1,000 sets, or a set more than 64 lines.";
// Ours: the list of downloaded sets exists but cannot be read.
inline constexpr const char* kUnreadableListMessage =
    "Trelux can't read its list of downloaded puzzle sets (levels\\download.guid).\n"
    "Remove that file and try again.";

// The progress window's texts.
inline constexpr const char* kQueryingText = "Querying server...";
inline constexpr const char* kProcessingText = "Processing...";
std::string connectingText(const std::string& host);
std::string downloadingText(uint64_t bytesSoFar);

std::string connectionMessage(const std::string& host);
std::string downloadCompleteText(const std::string& setName);

// Names and addresses from the server are cut to this many characters in a
// box, so that no box grows wider than the screen.
inline constexpr size_t kBoxTextLength = 60;
std::string cutForBox(const std::string& text);
// A message with the reason under its first line: "first\nreason\nrest".
std::string withReason(const std::string& message, const std::string& reason);

}  // namespace trelux
