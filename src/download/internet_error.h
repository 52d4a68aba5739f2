// The downloader's failure record: what went wrong, for diagnosis (never
// shown), and the message the player sees. Each step that fails throws one;
// the whole run and each set's download catch it and show the message.
#pragma once

#include <string>

namespace trelux {

struct InternetError {
  std::string detail;
  std::string message;
};

}  // namespace trelux
