#include "download/puzzle_server.h"

#include "base/text.h"

namespace trelux {

// The port follows the last colon, so "host:8080" splits and "host" does not.
PuzzleServer puzzleServerFrom(const std::string& setting) {
  const std::string text = trimBlanks(setting);
  if (text.empty()) return {kDefaultPuzzleHost, ""};
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos) return {text, ""};
  return {text.substr(0, colon), text.substr(colon + 1)};
}

std::string manifestUrl(const PuzzleServer& server) {
  std::string url = "http://" + server.host;
  if (!server.port.empty()) url += ":" + server.port;
  return url + kManifestPath;
}

std::string connectingText(const PuzzleServer& server) {
  return "Connecting to " + server.host + "...";
}

std::string connectionMessage(const PuzzleServer& server) {
  return "Trelux couldn't establish a connection to " + server.host +
         "\nMake sure you have a valid internet connection, then try again";
}

}  // namespace trelux
