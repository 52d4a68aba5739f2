#include "download/http_url.h"

#include <string_view>

#include "base/text.h"

namespace trelux {

namespace {

bool hasScheme(std::string_view text) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0) return false;
  for (char c : text.substr(0, colon)) {
    if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

}  // namespace

std::optional<HttpUrl> parseHttpUrl(const std::string& url) {
  const std::string_view text = url;
  if (!equalsIgnoreAsciiCase(text.substr(0, kHttpScheme.size()), kHttpScheme)) return std::nullopt;
  const std::string_view rest = text.substr(kHttpScheme.size());
  const size_t slash = rest.find_first_of("/?#");
  const std::string_view authority = rest.substr(0, slash);
  if (authority.empty() || authority.find('@') != std::string_view::npos) return std::nullopt;
  const size_t colon = authority.find(':');
  HttpUrl parsed;
  parsed.host = std::string(authority.substr(0, colon));
  if (parsed.host.empty()) return std::nullopt;
  if (colon != std::string_view::npos) parsed.port = std::string(authority.substr(colon + 1));
  parsed.path = slash == std::string_view::npos ? "/" : std::string(rest.substr(slash));
  return parsed;
}

std::string serverOf(const HttpUrl& url) {
  return url.host + ":" + (url.port.empty() ? "80" : url.port);
}

std::string redirectTarget(const std::string& base, const std::string& location) {
  const std::string target = trimBlanks(location);
  if (hasScheme(target)) return target;
  if (target.rfind("//", 0) == 0) return "http:" + target;
  const std::optional<HttpUrl> from = parseHttpUrl(base);
  if (!from) return target;
  const std::string origin =
      "http://" + from->host + (from->port.empty() ? "" : ":" + from->port);
  if (!target.empty() && target[0] == '/') return origin + target;
  const std::string path = from->path.substr(0, from->path.find_first_of("?#"));
  return origin + path.substr(0, path.rfind('/') + 1) + target;
}

}  // namespace trelux
