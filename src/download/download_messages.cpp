#include "download/download_messages.h"

namespace trelux {

std::string connectingText(const std::string& host) { return "Connecting to " + host + "..."; }

std::string downloadingText(uint64_t bytesSoFar) {
  return "Downloading... (" + std::to_string(bytesSoFar) + " bytes so far)";
}

std::string connectionMessage(const std::string& host) {
  return "Trelux couldn't establish a connection to " + cutForBox(host) +
         "\nMake sure you have a valid internet connection, then try again";
}

std::string downloadCompleteText(const std::string& setName) {
  return "Download complete!\nPuzzle set: " + cutForBox(setName);
}

// Cut by bytes: a name in a double-byte code page may lose half of its last
// character, which shows as one odd sign before the dots.
std::string cutForBox(const std::string& text) {
  if (text.size() <= kBoxTextLength) return text;
  return text.substr(0, kBoxTextLength - 3) + "...";
}

std::string withReason(const std::string& message, const std::string& reason) {
  const size_t end = message.find('\n');
  if (end == std::string::npos) return message + "\n" + reason;
  return message.substr(0, end + 1) + reason + message.substr(end);
}

}  // namespace trelux
