#include "download/transfer_count.h"

#include "download/download_messages.h"

namespace trelux {

std::string TransferCount::progressText() const { return downloadingText(bytes_); }

bool TransferCount::add(uint64_t piece) {
  bytes_ += piece;
  return bytes_ <= limit_;
}

TransferResult TransferCount::result() const {
  return {bytes_, !announced_ || bytes_ == *announced_};
}

}  // namespace trelux
