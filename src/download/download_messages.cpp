#include "download/download_messages.h"

namespace trelux {

std::string connectingText(const std::string& host) { return "Connecting to " + host + "..."; }

std::string downloadingText(uint64_t bytesSoFar) {
  return "Downloading... (" + std::to_string(bytesSoFar) + " bytes so far)";
}

std::string connectionMessage(const std::string& host) {
  return "Trelux couldn't establish a connection to " + host +
         "\nMake sure you have a valid internet connection, then try again";
}

std::string downloadCompleteText(const std::string& setName) {
  return "Download complete!\nPuzzle set: " + setName;
}

}  // namespace trelux
