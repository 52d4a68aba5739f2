// The addresses the downloader follows: plain HTTP only, since nothing the
// game fetches needs more, and a redirect must not lead it elsewhere.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelux {

// The only scheme followed; matched without regard to case.
inline constexpr std::string_view kHttpScheme = "http://";

struct HttpUrl {
  std::string host;
  std::string port;  // as written; empty for HTTP's own
  std::string path;  // from the first "/" on, "/" when none
};

// nullopt for anything but "http://host[:port][/path]".
std::optional<HttpUrl> parseHttpUrl(const std::string& url);
// "host:port", with port 80 when the address names none.
std::string serverOf(const HttpUrl& url);
// Where a redirect's Location leads from base: an address of its own, one
// without the scheme ("//host/x"), a path on the same server, or a path
// relative to base's folder.
std::string redirectTarget(const std::string& base, const std::string& location);

}  // namespace trelux
