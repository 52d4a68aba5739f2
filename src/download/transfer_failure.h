// Why a transfer failed, as the player is told it.
#pragma once

#include <cstdint>
#include <string>

#include "download/internet_error.h"

namespace trelux {

enum class TransferFailureKind {
  CannotConnect,     // refused, unreachable, or not accepted in time
  StoppedAnswering,  // nothing received for too long
  TooSlow,           // the average stayed too low
  TooManyRedirects,
  NotHttp,           // an address (or a redirect) that is not plain HTTP
  HttpStatus,        // an answer other than 200
  ConnectionLost     // the connection broke while reading
};

struct TransferFailure {
  TransferFailureKind kind;
  std::string url;      // the address that failed: the last redirect's
  uint32_t status = 0;  // the server's answer, for HttpStatus
};

// The line under a message's first that says what happened, in a player's
// words, naming the server: "Cannot connect to host:81."
std::string failureReason(const TransferFailure& failure);
// The error to throw for failure; detail is for diagnosis only.
InternetError transferError(const TransferFailure& failure, const std::string& detail);

}  // namespace trelux
