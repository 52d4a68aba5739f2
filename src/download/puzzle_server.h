// Where the puzzle server is: the "server" setting of trelux.ini (a host, or
// host:port, perhaps written "http://host:port/"), or the built-in default
// host when the setting is empty or names no server.
#pragma once

#include <string>

namespace trelux {

// A name reserved for examples: until a real server is named here, an
// installation without the setting reaches none (see README).
inline constexpr const char* kDefaultPuzzleHost = "puzzles.trelux.example";
inline constexpr const char* kManifestPath = "/download/files/trelux/download.php";

struct PuzzleServer {
  std::string host;
  std::string port;  // empty for HTTP's own
};

PuzzleServer puzzleServerFrom(const std::string& setting);
// "http://" host [":" port] "/download/files/trelux/download.php"
std::string manifestUrl(const PuzzleServer& server);

}  // namespace trelux
