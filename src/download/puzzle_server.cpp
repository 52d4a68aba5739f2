#include "download/puzzle_server.h"

#include <string_view>

#include "base/text.h"
#include "download/http_url.h"

namespace trelux {

namespace {

// A host name or an IPv4 address; an IPv6 one is not taken.
bool isHostName(std::string_view host) {
  if (host.empty()) return false;
  for (char c : host) {
    if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '-' && c != '.' && c != '_') return false;
  }
  return true;
}

// The port as decimal digits without leading zeros; empty when it is no
// number from 1 to 65535.
std::string portNumber(std::string_view text) {
  if (text.empty() || text.size() > 5) return {};
  for (char c : text) {
    if (!isAsciiDigit(c)) return {};
  }
  const int port = std::stoi(std::string(text));
  return port >= 1 && port <= 65535 ? std::to_string(port) : std::string();
}

}  // namespace

// Players paste a page's address as well as a host, so a leading "http://"
// and trailing "/" go. A setting that still names no reachable server is
// as if it were absent: the default host is tried, and the progress text
// and messages name it, rather than some fragment of the setting.
PuzzleServer puzzleServerFrom(const std::string& setting) {
  const std::string trimmed = trimBlanks(setting);
  std::string_view text = trimmed;
  if (equalsIgnoreAsciiCase(text.substr(0, kHttpScheme.size()), kHttpScheme)) {
    text.remove_prefix(kHttpScheme.size());
  }
  while (!text.empty() && text.back() == '/') text.remove_suffix(1);
  const size_t colon = text.find(':');
  const std::string_view host = text.substr(0, colon);
  const bool hasPort = colon != std::string_view::npos;
  const std::string port = hasPort ? portNumber(text.substr(colon + 1)) : "";
  if (!isHostName(host) || (hasPort && port.empty())) {
    return {kDefaultPuzzleHost, ""};
  }
  return {std::string(host), port};
}

std::string manifestUrl(const PuzzleServer& server) {
  std::string url = "http://" + server.host;
  if (!server.port.empty()) url += ":" + server.port;
  return url + kManifestPath;
}

}  // namespace trelux
