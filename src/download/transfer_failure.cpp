#include "download/transfer_failure.h"

#include "download/download_messages.h"

namespace trelux {

InternetError transferError(const TransferFailure&, const std::string& detail) {
  return InternetError{detail, kDownloadFailedMessage};
}

}  // namespace trelux
