#include "download/transfer_failure.h"

#include <optional>

#include "download/download_messages.h"
#include "download/http_url.h"

namespace trelux {

namespace {

std::string statusWords(uint32_t status) {
  switch (status) {
    case 400: return "400 (bad request)";
    case 401: return "401 (login needed)";
    case 403: return "403 (forbidden)";
    case 404: return "404 (not found)";
    case 410: return "410 (gone)";
    case 500: return "500 (server error)";
    case 502: return "502 (bad gateway)";
    case 503: return "503 (unavailable)";
    default: return std::to_string(status);
  }
}

}  // namespace

std::string failureReason(const TransferFailure& failure) {
  const std::optional<HttpUrl> url = parseHttpUrl(failure.url);
  if (!url || failure.kind == TransferFailureKind::NotHttp) {
    return "Only http:// addresses are followed, not " + cutForBox(failure.url) + ".";
  }
  const std::string server = cutForBox(serverOf(*url));
  switch (failure.kind) {
    case TransferFailureKind::CannotConnect: return "Cannot connect to " + server + ".";
    case TransferFailureKind::StoppedAnswering:
      return "The server " + server + " stopped answering.";
    case TransferFailureKind::TooSlow: return "The server " + server + " sends too slowly.";
    case TransferFailureKind::TooManyRedirects: return "Too many redirects from " + server + ".";
    case TransferFailureKind::HttpStatus:
      return "The server " + server + " answered " + statusWords(failure.status) + " for " +
             cutForBox(url->path) + ".";
    case TransferFailureKind::ConnectionLost:
    case TransferFailureKind::NotHttp: break;
  }
  return "The connection to " + server + " was lost.";
}

InternetError transferError(const TransferFailure& failure, const std::string& detail) {
  return InternetError{detail, withReason(kDownloadFailedMessage, failureReason(failure))};
}

}  // namespace trelux
